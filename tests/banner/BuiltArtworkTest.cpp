// The pictures the build made, read back the way the main window reads them.
#include "framework/gui/Picture.h"
#include "platform/gdi/Gdi.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

namespace {

std::vector<std::uint8_t> FileBytes(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(BuiltArtwork, BannerLoadsAsTheWindowsPicture) {
    const std::vector<std::uint8_t> bytes = FileBytes(TELVORA_BANNER_JPEG);
    ASSERT_FALSE(bytes.empty());
    fw::TPicture picture;
    picture.LoadFromBytes(bytes);
    EXPECT_EQ(picture.Width(), 624);
    EXPECT_EQ(picture.Height(), 84);
    // The version field stays white after compression.
    win::HDC dc = win::CreateCompatibleDC(nullptr);
    win::HGDIOBJ old = win::SelectObject(dc, picture.Bitmap()->Handle());
    const win::COLORREF field = win::GetPixel(dc, 350, 75);
    win::SelectObject(dc, old);
    win::DeleteDC(dc);
    EXPECT_GE(std::min({field & 0xFF, (field >> 8) & 0xFF, (field >> 16) & 0xFF}), 245u)
        << std::hex << field;
}

} // namespace

// Icons read from icon files: the image chosen for each size, the form's icon
// from its definition in the caption, the bytes kept for writing back, and
// broken files refused without touching the icon held.

#include "framework/gui/Icon.h"

#include "GuiTestSupport.h"
#include "framework/MemoryStream.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Icons.h"
#include "platform/gdi/Surface.h"
#include "platform/kernel/Resource.h"

#include <cstring>

namespace fw::test {
namespace {

class IconTest : public GuiTest {
protected:
    static std::vector<std::uint8_t> IconFile() {
        win::HRSRC resource = win::FindResource(nullptr, "TESTICON", "ICON");
        const auto* bytes = static_cast<const std::uint8_t*>(
            win::LockResource(win::LoadResource(nullptr, resource)));
        return {bytes, bytes + win::SizeofResource(nullptr, resource)};
    }
    // The colour of a pixel of an icon drawn on white.
    static std::uint32_t PixelOf(win::HICON icon, int size, int x, int y) {
        win::Surface surface(size, size);
        std::fill(surface.pixels.begin(), surface.pixels.end(), 0xFFFFFF);
        win::HDC dc = win::CreateSurfaceDC(surface, {0, 0}, nullptr);
        win::DrawIconEx(dc, 0, 0, icon, 0, 0, 0, nullptr, win::DI_NORMAL);
        win::DeleteDC(dc);
        return surface.Row(y)[x] & 0xFFFFFF;
    }
};

// The test icon holds 48 x 48 green, 32 x 32 red (32-bit, alpha) and 16 x 16
// blue (24-bit, AND mask), each with a transparent border.
constexpr std::uint32_t kRed = 0xDC0000;
constexpr std::uint32_t kBlue = 0x0000DC;

TEST_F(IconTest, EachSizeTakesItsOwnImageWithTheTransparentPartsLeftOut) {
    TIcon icon;
    int changes = 0;
    icon.OnChange = [&](TObject*) { ++changes; };
    icon.LoadFromBytes(IconFile());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(icon.Width(), 32);
    EXPECT_EQ(icon.Height(), 32);
    EXPECT_EQ(PixelOf(icon.Handle(), 32, 16, 16), kRed);
    EXPECT_EQ(PixelOf(icon.Handle(), 32, 0, 0), 0xFFFFFFu) << "border clear by its alpha";
    EXPECT_EQ(PixelOf(icon.SmallHandle(), 16, 8, 8), kBlue);
    EXPECT_EQ(PixelOf(icon.SmallHandle(), 16, 0, 8), 0xFFFFFFu) << "border clear by its mask";

    TMemoryStream saved;
    icon.SaveToStream(saved);
    const std::vector<std::uint8_t> file = IconFile();
    ASSERT_EQ(saved.Size(), static_cast<std::int64_t>(file.size()));
    EXPECT_EQ(std::memcmp(saved.Memory(), file.data(), file.size()), 0);

    TIcon copy;
    copy.Assign(icon);
    EXPECT_EQ(copy.Width(), 32);
    EXPECT_NE(copy.Handle(), icon.Handle());
}

TEST_F(IconTest, BrokenFilesAreRefusedAndTheIconKeepsWhatItHeld) {
    const std::vector<std::uint8_t> good = IconFile();
    auto with = [&good](std::size_t offset, std::vector<std::uint8_t> bytes) {
        std::vector<std::uint8_t> file = good;
        std::copy(bytes.begin(), bytes.end(), file.begin() + std::ptrdiff_t(offset));
        return file;
    };
    // The 32 x 32 image, the one the large icon is made of.
    const std::size_t image = good[6 + 16 + 12] | good[6 + 16 + 13] << 8;
    const struct {
        const char* what;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {"empty", {}},
        {"a cursor file", with(2, {2, 0})},
        {"no images", with(4, {0, 0})},
        {"directory cut short", std::vector<std::uint8_t>(good.begin(), good.begin() + 20)},
        {"image beyond the end", with(6 + 12, {0xFF, 0xFF, 0, 0})},
        {"odd bit count", with(image + 14, {7, 0})},
        {"colour image beyond its entry", with(image + 4, {0, 1, 0, 0})},
        {"image cut short", std::vector<std::uint8_t>(good.begin(), good.end() - 200)},
    };
    TIcon icon;
    icon.LoadFromBytes(good);
    const win::HICON held = icon.Handle();
    for (const auto& c : cases) {
        EXPECT_THROW(icon.LoadFromBytes(c.bytes), EInvalidGraphic) << c.what;
        EXPECT_EQ(icon.Handle(), held) << c.what;
    }

    // A PNG-compressed image is passed over for the next best one.
    icon.LoadFromBytes(with(image, {0x89, 'P', 'N', 'G'}));
    EXPECT_EQ(icon.Width(), 48);
    EXPECT_EQ(PixelOf(icon.SmallHandle(), 16, 8, 8), kBlue);
}

TEST_F(IconTest, TheFormsIconFromItsDefinitionIsDrawnInTheCaption) {
    TTestForm& f = ShowTestForm();
    ASSERT_FALSE(f.Icon()->Empty());
    EXPECT_EQ(f.Icon()->Width(), 32);
    EXPECT_EQ(win::SendMessage(f.Handle(), win::WM_GETICON, win::ICON_BIG, 0),
              reinterpret_cast<win::LRESULT>(f.Icon()->Handle()));
    EXPECT_EQ(win::SendMessage(f.Handle(), win::WM_GETICON, win::ICON_SMALL, 0),
              reinterpret_cast<win::LRESULT>(f.Icon()->SmallHandle()));

    // The small image's blue is in the caption, left of the text.
    const win::Surface window = display->Capture(f.Handle());
    win::RECT client{};
    win::GetClientRect(f.Handle(), &client);
    win::POINT origin{0, 0};
    win::ClientToScreen(f.Handle(), &origin);
    win::RECT frame{};
    win::GetWindowRect(f.Handle(), &frame);
    const int captionBottom = origin.y - frame.top;
    int blue = 0;
    for (int y = 0; y < captionBottom; ++y)
        for (int x = 0; x < 40 && x < window.width; ++x)
            blue += (window.Row(y)[x] & 0xFFFFFF) == kBlue;
    EXPECT_EQ(blue, 14 * 14) << "the 16 x 16 image less its one-pixel border";
    display->WritePng(f.Handle(), ::testing::TempDir() + "framework_gui_icon.png");
}

} // namespace
} // namespace fw::test

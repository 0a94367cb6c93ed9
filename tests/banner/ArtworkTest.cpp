#include "tools/banner/Artwork.h"

#include "tools/banner/ArtCanvas.h"
#include "tools/banner/PictureFiles.h"
#include "tools/banner/SvgPicture.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <jpeglib.h>

namespace {

using namespace banner;
namespace fs = std::filesystem;

int Red(std::uint32_t pixel) {
    return int((pixel >> 16) & 0xFF);
}
int Green(std::uint32_t pixel) {
    return int((pixel >> 8) & 0xFF);
}
int Blue(std::uint32_t pixel) {
    return int(pixel & 0xFF);
}

TEST(ArtCanvas, AveragingGivesCoverageAndColour) {
    constexpr win::COLORREF key = win::RGB(255, 0, 255);
    TArtCanvas canvas(2, 1, 4, key);
    // The left pixel fully red, the right one half covered by a blue bar.
    canvas.RoundRect(0, 0, 1, 1, 0, win::RGB(255, 0, 0));
    canvas.RoundRect(1, 0, 1.5, 1, 0, win::RGB(0, 0, 255));
    const win::Surface picture = canvas.AveragedWithAlpha(key);
    EXPECT_EQ(picture.pixels[0], 0xFFFF0000u);
    EXPECT_EQ(picture.pixels[1] & 0xFFFFFF, 0x0000FFu);
    EXPECT_NEAR(int(picture.pixels[1] >> 24), 128, 1);
}

// Each shape becomes one element in drawing order; colours are COLORREFs
// (0x00BBGGRR) written as #rrggbb, coordinates without trailing zeros.
TEST(SvgPicture, ShapesBecomeElementsInDrawingOrder) {
    TSvgPicture picture(48, 32);
    picture.Ellipse(2, 4, 10, 8, win::RGB(0x12, 0x34, 0x56));
    picture.RoundRect(0.5, 1.25, 20.5, 11.0004, 3, win::RGB(255, 0, 0));
    picture.Polygon({{1, 2}, {3.5, 4}, {-0.0001, 6}}, win::RGB(0, 0, 255));
    EXPECT_EQ(picture.Text(),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"48\" height=\"32\" "
              "viewBox=\"0 0 48 32\">\n"
              "  <ellipse cx=\"6\" cy=\"6\" rx=\"4\" ry=\"2\" fill=\"#123456\"/>\n"
              "  <rect x=\"0.5\" y=\"1.25\" width=\"20\" height=\"9.75\" rx=\"3\" "
              "fill=\"#ff0000\"/>\n"
              "  <polygon points=\"1,2 3.5,4 0,6\" fill=\"#0000ff\"/>\n"
              "</svg>\n");
}

TEST(Artwork, BannerLeavesTheVersionFieldPlainAndDrawsTheName) {
    const win::Surface picture = DrawBanner();
    ASSERT_EQ(picture.width, 624);
    ASSERT_EQ(picture.height, 84);
    // Under the window's "Ver" label and version box: plain white.
    for (int y = 66; y < 80; ++y)
        for (int x = 260; x < 410; ++x)
            ASSERT_GE(std::min({Red(picture.Row(y)[x]), Green(picture.Row(y)[x]),
                                Blue(picture.Row(y)[x])}),
                      250)
                << x << "," << y;
    // The name is dark blue lettering on a light ground.
    int lettering = 0;
    for (int y = 4; y < 48; ++y)
        for (int x = 96; x < 260; ++x)
            lettering += Blue(picture.Row(y)[x]) > 100 && Red(picture.Row(y)[x]) < 60;
    EXPECT_GT(lettering, 500);
}

TEST(PictureFiles, JpegAndIconFilesReadBack) {
    const fs::path folder = fs::path(testing::TempDir()) / "banner-test";
    fs::create_directories(folder);
    const win::Surface banner = DrawBanner();
    ASSERT_TRUE(WriteJpeg((folder / "banner.jpg").string(), banner, 92));

    std::FILE* file = std::fopen((folder / "banner.jpg").c_str(), "rb");
    ASSERT_NE(file, nullptr);
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    ASSERT_EQ(jpeg_read_header(&info, TRUE), JPEG_HEADER_OK);
    EXPECT_EQ(info.image_width, 624u);
    EXPECT_EQ(info.image_height, 84u);
    EXPECT_EQ(info.num_components, 3);
    jpeg_destroy_decompress(&info);
    std::fclose(file);

    const std::vector<win::Surface> icons = {DrawIcon(48), DrawIcon(16)};
    ASSERT_TRUE(WriteIco((folder / "icon.ico").string(), icons));
    std::ifstream in(folder / "icon.ico", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    const std::size_t expectedSize =
        6 + 2 * 16 + (40 + 48 * 48 * 4 + 48 * 8) + (40 + 16 * 16 * 4 + 16 * 4);
    ASSERT_EQ(bytes.size(), expectedSize);
    EXPECT_EQ(bytes.substr(0, 6), std::string("\0\0\1\0\2\0", 6));
    EXPECT_EQ(std::uint8_t(bytes[6]), 48);
    EXPECT_EQ(std::uint8_t(bytes[22]), 16);

    EXPECT_FALSE(WriteJpeg((folder / "missing" / "x.jpg").string(), banner, 92));
    EXPECT_FALSE(fs::exists(folder / "missing"));
    fs::remove_all(folder);
}

} // namespace

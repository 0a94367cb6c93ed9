// Pictures: the JPEG banner decoded through libjpeg and painted by an image
// control, BMP bytes, and the errors for bytes no decoder takes.

#include "GuiTestSupport.h"
#include "framework/MemoryStream.h"

namespace fw::test {
namespace {

class PictureTest : public GuiTest {};

bool Near(win::COLORREF color, win::COLORREF expected) {
    const auto channel = [](win::COLORREF c, int shift) { return int((c >> shift) & 0xFF); };
    for (int shift : {0, 8, 16})
        if (std::abs(channel(color, shift) - channel(expected, shift)) > 40)
            return false;
    return true;
}

TEST_F(PictureTest, TheJpegBannerIsDecodedPaintedStretchedAndClickable) {
    TTestForm& f = ShowTestForm();
    TBitmap& bitmap = *f.Image1->Picture()->Bitmap();
    EXPECT_EQ(bitmap.Width(), 16);
    EXPECT_EQ(bitmap.Height(), 8);
    EXPECT_TRUE(Near(bitmap.Canvas()->Pixels(2, 4), 0x0000FF))
        << std::hex << bitmap.Canvas()->Pixels(2, 4);
    EXPECT_TRUE(Near(bitmap.Canvas()->Pixels(13, 4), 0xFF0000));

    // The window's picture holds 0x00RRGGBB: red is 0xFF0000 there.
    const win::Surface picture = display->Capture(f.Handle());
    win::RECT frame;
    win::GetWindowRect(f.Handle(), &frame);
    const auto shown = [&](int x, int y) {
        const win::POINT at = At(*f.Image1, x, y);
        return picture.Row(at.y - frame.top)[at.x - frame.left];
    };
    EXPECT_TRUE(Near(shown(4, 8), 0xFF0000)) << std::hex << shown(4, 8);
    EXPECT_TRUE(Near(shown(28, 8), 0x0000FF)) << std::hex << shown(28, 8);

    display->Click(At(*f.Image1, 20, 8));
    EXPECT_EQ(f.events.back(), "Image1Click");
}

TEST_F(PictureTest, BytesNoDecoderTakesLeaveThePictureAsItWas) {
    TPicture picture;
    const std::uint8_t bmp[] = {'B', 'M', 0, 0};
    const std::uint8_t cutJpeg[] = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10};
    const std::uint8_t text[] = {'h', 'e', 'l', 'l', 'o'};
    const struct {
        std::span<const std::uint8_t> bytes;
        std::string messageStart;
    } cases[] = {
        {bmp, "Bitmap image is not valid"},
        {cutJpeg, "JPEG error: "},
        {text, "Unknown picture file format"},
    };
    for (const auto& c : cases) {
        try {
            picture.LoadFromBytes(c.bytes);
            ADD_FAILURE() << c.messageStart;
        } catch (const EInvalidGraphic& error) {
            EXPECT_EQ(error.Message().substr(0, c.messageStart.size()), c.messageStart);
        }
        EXPECT_TRUE(picture.Empty());
    }
}

TEST_F(PictureTest, ScanLinesRunTopDownWhateverTheRowOrderInMemory) {
    // A 1 x 2 BMP stored bottom-up: the blue pixel is the bottom row.
    // clang-format off
    const std::uint8_t bottomUp[] = {
        'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,                // file header
        40, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0,  // info header
        8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        0xFF, 0, 0, 0, 0, 0, 0xFF, 0,                                  // blue, then red
    };
    // clang-format on
    TMemoryStream stream;
    stream.WriteBuffer(bottomUp, sizeof bottomUp);
    stream.SetPosition(0);
    TBitmap loaded;
    loaded.LoadFromStream(stream);
    TBitmap made; // top-down in memory
    made.SetSize(1, 2);
    made.Canvas()->SetPixels(0, 0, clRed);
    made.Canvas()->SetPixels(0, 1, clBlue);
    for (const TBitmap* bitmap : {&loaded, &made}) {
        EXPECT_EQ(bitmap->ScanLine(0)[2], 0xFF) << "red on top";
        EXPECT_EQ(bitmap->ScanLine(1)[0], 0xFF) << "blue below";
        EXPECT_EQ(bitmap->ScanLine(2), nullptr);
        EXPECT_EQ(bitmap->ScanLine(-1), nullptr);
    }
    EXPECT_EQ(TBitmap().ScanLine(0), nullptr);
}

} // namespace
} // namespace fw::test

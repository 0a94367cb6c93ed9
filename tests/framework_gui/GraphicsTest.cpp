// The drawing classes as painters use them: a bitmap's rows read and written
// directly in each pixel format, 16-bit bitmaps, the canvas's CopyRect,
// Polygon and Lock, and fonts taken from a LOGFONT or a device font.

#include "framework/TypInfo.h"
#include "framework/gui/Bitmap.h"
#include "framework/gui/Screen.h"
#include "platform/gdi/SystemMetrics.h"
#include "platform/gdi/Text.h"

#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace fw::test {
namespace {

TEST(GraphicsTest, ScanLinesHoldThePixelsInTheFormatsLayout) {
    const struct {
        TPixelFormat format;
        std::vector<std::uint8_t> pixel; // the bytes of RGB(0x10, 0x80, 0xF0) at x = 2
    } cases[] = {
        {TPixelFormat::pf24bit, {0xF0, 0x80, 0x10}},
        {TPixelFormat::pf32bit, {0xF0, 0x80, 0x10, 0x00}},
        {TPixelFormat::pf16bit, {0x1E, 0x14}}, // 5-6-5: 00010 100000 11110
        {TPixelFormat::pf15bit, {0x1E, 0x0A}}, // 5-5-5: 0 00010 10000 11110
    };
    for (const auto& c : cases) {
        const std::string name = EnumInfoOf<TPixelFormat>().Name(static_cast<int>(c.format));
        TBitmap bitmap;
        bitmap.SetPixelFormat(c.format);
        bitmap.SetSize(5, 3);
        EXPECT_EQ(GetPropText(bitmap, "PixelFormat").value_or("?"), name);
        bitmap.Canvas()->SetPixels(2, 1, static_cast<TColor>(win::RGB(0x10, 0x80, 0xF0)));
        const std::size_t size = c.pixel.size();
        const std::uint8_t* row = bitmap.ScanLine(1);
        EXPECT_EQ(std::vector<std::uint8_t>(row + 2 * size, row + 3 * size), c.pixel) << name;
        // Written through the row, seen by the canvas.
        std::uint8_t* top = bitmap.ScanLine(0);
        std::memcpy(top, c.pixel.data(), size);
        EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), bitmap.Canvas()->Pixels(2, 1)) << name;
    }
}

TEST(GraphicsTest, ConvertingTo16BitsKeepsTheKeyColourExactly) {
    TBitmap bitmap;
    bitmap.SetSize(4, 4);
    bitmap.Canvas()->Brush()->SetColor(static_cast<TColor>(0xFF00FF));
    bitmap.Canvas()->FillRect({0, 0, 4, 4});
    bitmap.Canvas()->SetPixels(1, 1, clWhite);
    bitmap.Canvas()->SetPixels(2, 2, clBlack);
    for (const TPixelFormat format : {TPixelFormat::pf16bit, TPixelFormat::pf15bit}) {
        TBitmap copy;
        copy.Assign(bitmap);
        copy.SetPixelFormat(format);
        EXPECT_EQ(copy.PixelFormat(), format);
        EXPECT_EQ(copy.Canvas()->Pixels(0, 0), 0xFF00FFu);
        EXPECT_EQ(copy.Canvas()->Pixels(1, 1), 0xFFFFFFu);
        EXPECT_EQ(copy.Canvas()->Pixels(2, 2), 0x000000u);
        copy.SetPixelFormat(TPixelFormat::pf24bit);
        EXPECT_EQ(copy.Canvas()->Pixels(0, 0), 0xFF00FFu) << "and back";
    }
}

TEST(GraphicsTest, CopyRectStretchesWithTheCopyMode) {
    TBitmap source;
    source.SetSize(2, 2);
    source.Canvas()->SetPixels(0, 0, clRed);
    source.Canvas()->SetPixels(1, 0, clLime);
    source.Canvas()->SetPixels(0, 1, clBlue);
    source.Canvas()->SetPixels(1, 1, clBlack);
    TBitmap target;
    target.SetSize(6, 4);
    TCanvas& canvas = *target.Canvas();
    EXPECT_EQ(canvas.CopyMode(), win::SRCCOPY);
    canvas.CopyRect({0, 0, 4, 4}, *source.Canvas(), {0, 0, 2, 2});
    const struct {
        int x, y;
        win::COLORREF expected;
    } cases[] = {
        {0, 0, 0x0000FF}, {1, 1, 0x0000FF}, {2, 0, 0x00FF00}, {3, 1, 0x00FF00},
        {0, 2, 0xFF0000}, {3, 3, 0x000000}, {4, 0, 0xFFFFFF},
    };
    for (const auto& c : cases)
        EXPECT_EQ(canvas.Pixels(c.x, c.y), c.expected) << c.x << "," << c.y;
    canvas.SetCopyMode(win::NOTSRCCOPY);
    canvas.CopyRect({4, 0, 5, 1}, *source.Canvas(), {1, 1, 2, 2});
    EXPECT_EQ(canvas.Pixels(4, 0), 0xFFFFFFu) << "black inverted";
}

TEST(GraphicsTest, APolygonIsFilledWithTheBrushInsideThePensOutline) {
    TBitmap bitmap;
    bitmap.SetSize(20, 20);
    TCanvas& canvas = *bitmap.Canvas();
    canvas.Brush()->SetColor(clYellow);
    canvas.Pen()->SetColor(clNavy);
    const win::POINT triangle[] = {{2, 2}, {17, 2}, {2, 17}};
    canvas.Polygon(triangle);
    EXPECT_EQ(canvas.Pixels(5, 5), 0x00FFFFu) << "inside";
    EXPECT_EQ(canvas.Pixels(2, 10), 0x800000u) << "on the outline";
    EXPECT_EQ(canvas.Pixels(16, 16), 0xFFFFFFu) << "outside";
}

TEST(GraphicsTest, LocksNestAndTryLockFailsWhileLocked) {
    TCanvas canvas;
    EXPECT_TRUE(canvas.TryLock());
    EXPECT_FALSE(canvas.TryLock());
    canvas.Lock();
    EXPECT_EQ(canvas.LockCount(), 2);
    canvas.Unlock();
    canvas.Unlock();
    EXPECT_EQ(canvas.LockCount(), 0);
    canvas.Unlock();
    EXPECT_EQ(canvas.LockCount(), 0) << "never below zero";
    EXPECT_TRUE(canvas.TryLock());
}

TEST(GraphicsTest, AFontTakesItsDescriptionFromALogFontOrADeviceFont) {
    const struct {
        const char* face;
        int height;
        int weight;
        bool italic;
        const char* styles;
    } cases[] = {
        {"宋体", -12, win::FW_NORMAL, false, "[]"},
        {"SimSun", -16, win::FW_BOLD, true, "[fsBold,fsItalic]"},
        {"Sans", 14, 600, false, "[]"}, // semibold is not bold
    };
    for (const auto& c : cases) {
        win::LOGFONT description;
        std::strcpy(description.lfFaceName, c.face);
        description.lfHeight = c.height;
        description.lfWeight = c.weight;
        description.lfItalic = c.italic;
        description.lfCharSet = 134;
        TFont fromDescription;
        fromDescription.AssignLogFont(description);
        win::HFONT device = win::CreateFontIndirect(&description);
        TFont fromHandle;
        fromHandle.SetHandle(device);
        win::DeleteObject(device);
        for (const TFont* font : {&fromDescription, &fromHandle}) {
            EXPECT_EQ(font->Name(), c.face);
            EXPECT_EQ(font->Height(), c.height);
            EXPECT_EQ(GetPropText(*font, "Style").value_or("?"), c.styles) << c.face;
            EXPECT_EQ(font->Charset(), 134);
        }
    }
    win::NONCLIENTMETRICS metrics;
    ASSERT_TRUE(
        win::SystemParametersInfo(win::SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    EXPECT_EQ(Screen().MenuFont()->Name(), metrics.lfMenuFont.lfFaceName);
    EXPECT_EQ(Screen().MenuFont()->Height(), metrics.lfMenuFont.lfHeight);
}

} // namespace
} // namespace fw::test

// Counts heap allocations in this test binary, to check that warm drawing paths
// allocate nothing: a repaint of unchanged text and fills must not touch the heap.

#include "GdiTestSupport.h"
#include "platform/gdi/Surface.h"
#include "platform/gdi/Text.h"
#include "tests/support/AllocationCounter.h"

#include <cstdlib>
#include <cstring>

namespace gditest {
namespace {

TEST_F(GdiTest, WarmTextAndFillsAllocateNothing) {
    Surface surface(200, 40);
    HDC dc = CreateSurfaceDC(surface, POINT{0, 0}, nullptr);
    HFONT font = CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
    HGDIOBJ old = SelectObject(dc, font);
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    const char* text = "中央电视台 CCTV-1 综合频道";
    const char* rtlText = "ערוץ 2 (חדשות) CCTV";
    RECT all{0, 0, 200, 40};
    auto paint = [&] {
        FillRect(dc, &all, brush);
        TextOut(dc, 2, 2, text, int(std::strlen(text)));
        RECT clip{0, 20, 100, 40};
        ExtTextOut(dc, 2, 22, ETO_CLIPPED | ETO_OPAQUE, &clip, text, UINT(std::strlen(text)),
                   nullptr);
        // Right-to-left reading reuses its buffers from the previous paint.
        SetTextAlign(dc, TA_RTLREADING);
        TextOut(dc, 2, 22, rtlText, int(std::strlen(rtlText)));
        SetTextAlign(dc, TA_LEFT);
        // DrawText's layout and bidi lists are reused too: wrapped, cut short, mixed.
        RECT wrapped{0, 0, 90, 40};
        DrawText(dc, text, -1, &wrapped, DT_WORDBREAK | DT_END_ELLIPSIS);
        RECT line{0, 20, 80, 40};
        DrawText(dc, rtlText, -1, &line, DT_SINGLELINE | DT_RTLREADING | DT_END_ELLIPSIS);
    };
    paint();
    const long before = testsupport::AllocationCount();
    paint();
    EXPECT_EQ(testsupport::AllocationCount(), before);
    SelectObject(dc, old);
    DeleteObject(font);
    DeleteObject(brush);
    DeleteDC(dc);
}

} // namespace
} // namespace gditest

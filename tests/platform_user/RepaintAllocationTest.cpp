// Counts heap allocations in this test binary, to check that repainting an
// unchanged window (frame and caption, scroll bars, children, erase and paint) allocates
// nothing once the first repaint has warmed up the regions, DCs and scratch
// lists it uses.

#include "WindowTestSupport.h"
#include "platform/user/BackendSupport.h"
#include "platform/user/Rects.h"
#include "tests/support/AllocationCounter.h"

#include <cstdint>
#include <cstdlib>

namespace win::test {
namespace {

constexpr const char* kPaintingClass = "TelvoraRepaintWindow";

LRESULT FillingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC hdc = BeginPaint(hwnd, &paint);
        RECT client;
        GetClientRect(hwnd, &client);
        InflateRect(&client, -2, -2);
        FillRect(hdc, &client, GetSysColorBrush(COLOR_BTNFACE));
        EndPaint(hwnd, &paint);
        return 0;
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}

struct Layout {
    const char* name;
    DWORD childStyle;
    int spacing; // below the child size, children overlap
    bool shaped; // the top-level window cut by a window region
};

class RepaintAllocationTest : public WindowTest, public ::testing::WithParamInterface<Layout> {
protected:
    HWND Build(const Layout& layout) {
        WNDCLASS wc;
        wc.lpfnWndProc = FillingProc;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(std::uintptr_t(COLOR_WINDOW + 1));
        wc.lpszClassName = kPaintingClass;
        RegisterClass(&wc);
        // The whole classic frame: caption with text and buttons, sizing border.
        HWND main = CreateWindowEx(0, kPaintingClass, "Main 主窗口",
                                   WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 624,
                                   564, nullptr, nullptr, nullptr, nullptr);
        for (int i = 0; i < 30; ++i)
            CreateWindowEx(WS_EX_CLIENTEDGE, kPaintingClass, "",
                           WS_CHILD | WS_VISIBLE | layout.childStyle, 10 + (i % 6) * layout.spacing,
                           10 + (i / 6) * layout.spacing, 90, 90, main, nullptr, nullptr, nullptr);
        if (layout.shaped)
            SetWindowRgn(main, CreateRoundRectRgn(0, 0, 625, 565, 40, 40), TRUE);
        UpdateWindow(main);
        return main;
    }
};

TEST_P(RepaintAllocationTest, SecondFullRepaintAllocatesNothing) {
    const HWND main = Build(GetParam());
    auto repaint = [&] {
        RedrawWindow(main, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    };
    repaint();
    const auto firstPixels = GetWindowSurface(main)->pixels;
    const long before = testsupport::AllocationCount();
    repaint();
    EXPECT_EQ(testsupport::AllocationCount() - before, 0);
    // Reused DCs and regions must draw what new ones drew.
    EXPECT_TRUE(GetWindowSurface(main)->pixels == firstPixels);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, RepaintAllocationTest,
    ::testing::Values(Layout{"Grid", WS_CLIPSIBLINGS, 100, false},
                      Layout{"OverlappingSiblings", WS_CLIPSIBLINGS, 60, false},
                      Layout{"UnclippedSiblings", 0, 60, false},
                      Layout{"ScrollBarsInAShapedWindow", WS_CLIPSIBLINGS | WS_HSCROLL | WS_VSCROLL,
                             100, true}),
    [](const ::testing::TestParamInfo<Layout>& info) { return std::string(info.param.name); });

} // namespace
} // namespace win::test

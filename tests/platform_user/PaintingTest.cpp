// Painting into top-level surfaces: update regions, WM_ERASEBKGND with the
// class brush, children clipped by WS_CLIPCHILDREN and WS_CLIPSIBLINGS,
// window regions, GetDC, and the classic frame drawn by DefWindowProc (also
// written as PNG files to look at).

#include "WindowTestSupport.h"
#include "platform/gdi/Icons.h"
#include "platform/gdi/PngWriter.h"
#include "platform/user/BackendSupport.h"

namespace win::test {
namespace {

std::map<HWND, COLORREF> fills;
int paints = 0;

// Fills its client area with the colour given for the window, on screen and
// when printed.
LRESULT SolidProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PRINTCLIENT) {
        HBRUSH brush = CreateSolidBrush(fills[hwnd]);
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
        DeleteObject(brush);
        return 0;
    }
    if (message == WM_PAINT) {
        ++paints;
        PAINTSTRUCT paint;
        HDC hdc = BeginPaint(hwnd, &paint);
        HBRUSH brush = CreateSolidBrush(fills[hwnd]);
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect(hdc, &client, brush);
        DeleteObject(brush);
        EndPaint(hwnd, &paint);
        return 0;
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}

// Surface pixels are 0x00RRGGBB.
std::uint32_t Pixel(COLORREF c) {
    return (std::uint32_t(GetRValue(c)) << 16) | (std::uint32_t(GetGValue(c)) << 8) | GetBValue(c);
}

class PaintingTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        fills.clear();
        paints = 0;
        WNDCLASS wc;
        wc.lpfnWndProc = SolidProc;
        wc.lpszClassName = "SolidWindow";
        RegisterClass(&wc);
    }
    HWND Solid(DWORD style, RECT r, COLORREF color, HWND parent = nullptr) {
        HWND hwnd = CreateWindowEx(0, "SolidWindow", "", style, r.left, r.top, r.right - r.left,
                                   r.bottom - r.top, parent, nullptr, nullptr, nullptr);
        fills[hwnd] = color;
        return hwnd;
    }
    std::uint32_t At(HWND top, int x, int y) {
        const Surface s = display->Capture(top);
        return s.Row(y)[x];
    }
};

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);

TEST_F(PaintingTest, ChildrenPaintOverTheirParentAndClipEachOther) {
    HWND top = Solid(WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, RECT{0, 0, 100, 100}, kRed);
    Solid(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, RECT{10, 10, 50, 50}, kBlue, top);
    Solid(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, RECT{40, 40, 80, 80}, kGreen, top);
    // The blue child, created first, lies above the green one where they overlap.
    const struct {
        int x, y;
        COLORREF color;
    } cases[] = {{5, 5, kRed}, {20, 20, kBlue}, {45, 45, kBlue}, {70, 70, kGreen}, {90, 90, kRed}};
    for (const auto& c : cases)
        EXPECT_EQ(At(top, c.x, c.y), Pixel(c.color)) << c.x << "," << c.y;
    EXPECT_EQ(paints, 3);
}

TEST_F(PaintingTest, OnlyTheInvalidPartIsRepainted) {
    HWND top = Solid(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100}, kRed);
    display->Run();
    fills[top] = kBlue;
    RECT part{0, 0, 10, 10};
    InvalidateRect(top, &part, FALSE);
    RECT update;
    EXPECT_TRUE(GetUpdateRect(top, &update, FALSE));
    EXPECT_EQ(update, part);
    EXPECT_EQ(At(top, 5, 5), Pixel(kBlue));
    EXPECT_EQ(At(top, 50, 50), Pixel(kRed)) << "outside the update region nothing is drawn";
    EXPECT_FALSE(GetUpdateRect(top, &update, FALSE));
    ValidateRect(top, nullptr);
    const int before = paints;
    InvalidateRect(top, nullptr, FALSE);
    ValidateRect(top, nullptr);
    display->Run();
    EXPECT_EQ(paints, before) << "validated before the loop came to it";
}

TEST_F(PaintingTest, EraseUsesTheClassBrushAndUpdateWindowPaintsAtOnce) {
    HWND top = Create("top", WS_POPUP | WS_VISIBLE, RECT{0, 0, 60, 60});
    UpdateWindow(top);
    const Surface s = *GetWindowSurface(top);
    EXPECT_EQ(s.Row(30)[30], Pixel(GetSysColor(COLOR_WINDOW)));
}

TEST_F(PaintingTest, HiddenChildrenAreNotPaintedAndUncoverTheirParent) {
    HWND top = Solid(WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, RECT{0, 0, 100, 100}, kRed);
    HWND child = Solid(WS_CHILD | WS_VISIBLE, RECT{10, 10, 50, 50}, kBlue, top);
    EXPECT_EQ(At(top, 20, 20), Pixel(kBlue));
    ShowWindow(child, SW_HIDE);
    EXPECT_EQ(At(top, 20, 20), Pixel(kRed));
}

TEST_F(PaintingTest, GetDCDrawsIntoTheSurfaceClippedToTheWindow) {
    HWND top = Solid(WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, RECT{0, 0, 100, 100}, kRed);
    HWND child = Solid(WS_CHILD | WS_VISIBLE, RECT{10, 10, 50, 50}, kBlue, top);
    display->Run();
    HDC hdc = GetDC(child);
    HBRUSH green = CreateSolidBrush(kGreen);
    RECT everything{-100, -100, 200, 200};
    FillRect(hdc, &everything, green);
    ReleaseDC(child, hdc);
    DeleteObject(green);
    const Surface s = display->Capture(top);
    EXPECT_EQ(s.Row(20)[20], Pixel(kGreen));
    EXPECT_EQ(s.Row(5)[5], Pixel(kRed)) << "nothing outside the child";
    EXPECT_EQ(s.Row(60)[60], Pixel(kRed));
}

TEST_F(PaintingTest, RepaintingAnUnchangedWindowKeepsItsSurface) {
    HWND top = Solid(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100}, kRed);
    display->Run();
    const std::uint32_t* pixels = GetWindowSurface(top)->pixels.data();
    InvalidateRect(top, nullptr, TRUE);
    display->Run();
    EXPECT_EQ(GetWindowSurface(top)->pixels.data(), pixels);
}

TEST_F(PaintingTest, ClassicFrameWithCaptionAndScrollBarsActiveAndInactive) {
    HWND main = Create("Telvora 1.30", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL,
                       RECT{40, 40, 360, 280});
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = 99;
    info.nPage = 20;
    info.nPos = 30;
    SetScrollInfo(main, SB_VERT, &info, TRUE);
    SetScrollInfo(main, SB_HORZ, &info, TRUE);
    // A green 16 x 16 icon, fully opaque.
    HDC screen = GetDC(main);
    HBITMAP color = CreateCompatibleBitmap(screen, 16, 16);
    ReleaseDC(main, screen);
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(memory, color);
    HBRUSH green = CreateSolidBrush(kGreen);
    RECT square{0, 0, 16, 16};
    FillRect(memory, &square, green);
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(green);
    const std::vector<BYTE> zeros(32, 0);
    ICONINFO iconInfo;
    iconInfo.hbmColor = color;
    iconInfo.hbmMask = CreateBitmap(16, 16, 1, 1, zeros.data());
    HICON icon = CreateIconIndirect(&iconInfo);
    DeleteObject(iconInfo.hbmMask);
    DeleteObject(color);
    SendMessage(main, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    const Surface active = display->Capture(main);
    EXPECT_TRUE(display->WritePng(main, "classic_frame_active.png"));
    HWND other = Create("other", WS_POPUP | WS_VISIBLE, RECT{600, 400, 700, 500});
    ASSERT_EQ(GetActiveWindow(), other);
    const Surface inactive = display->Capture(main);
    EXPECT_TRUE(display->WritePng(main, "classic_frame_inactive.png"));
    // Caption colours at its left end (the gradient starts there).
    EXPECT_EQ(active.Row(10)[4], Pixel(GetSysColor(COLOR_ACTIVECAPTION)));
    EXPECT_EQ(inactive.Row(10)[4], Pixel(GetSysColor(COLOR_INACTIVECAPTION)));
    EXPECT_EQ(active.Row(13)[14], Pixel(kGreen)) << "the small icon at the caption's left";
    // The outer frame line and the scroll-bar corner.
    EXPECT_EQ(active.Row(100)[0], Pixel(GetSysColor(COLOR_3DLIGHT)));
    EXPECT_EQ(active.Row(active.height - 10)[active.width - 12], Pixel(GetSysColor(COLOR_3DFACE)));
    // The caption text is drawn: some pixel of the text colour in the caption.
    int textPixels = 0;
    for (int y = 4; y < 22; ++y)
        for (int x = 26; x < 120; ++x)
            textPixels += active.Row(y)[x] == Pixel(GetSysColor(COLOR_CAPTIONTEXT));
    EXPECT_GT(textPixels, 20);
    DestroyWindow(main);
    DestroyIcon(icon);
}

TEST_F(PaintingTest, PrintDrawsTheSamePictureIntoAnyDC) {
    HWND main = Create("Print me", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_VSCROLL | WS_CLIPCHILDREN,
                       RECT{20, 20, 220, 170});
    Solid(WS_CHILD | WS_VISIBLE, RECT{10, 10, 60, 40}, kBlue, main);
    const Surface onScreen = display->Capture(main);
    HDC screen = GetDC(main);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, onScreen.width, onScreen.height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    SendMessage(main, WM_PRINT, reinterpret_cast<WPARAM>(memory),
                PRF_NONCLIENT | PRF_ERASEBKGND | PRF_CLIENT | PRF_CHILDREN);
    SelectObject(memory, old);
    const Surface printed = SurfaceFromBitmap(bitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(main, screen);
    ASSERT_EQ(printed.width, onScreen.width);
    int different = 0;
    for (std::size_t i = 0; i < printed.pixels.size(); ++i)
        different += printed.pixels[i] != onScreen.pixels[i];
    EXPECT_EQ(different, 0);
}

// What a skinner's WM_NCPAINT handler does: a window DC limited to the
// region the message carries, in screen coordinates.
TEST_F(PaintingTest, WindowDCIntersectedWithTheNonClientPaintRegion) {
    HWND top = Solid(WS_POPUP | WS_VISIBLE | WS_BORDER, RECT{100, 100, 200, 200}, kRed);
    display->Run();
    HRGN screenRegion = CreateRectRgn(100, 100, 150, 200); // the left half, on screen
    HDC hdc = GetDCEx(top, screenRegion, DCX_WINDOW | DCX_INTERSECTRGN | DCX_CACHE);
    DeleteObject(screenRegion); // the DC keeps its own copy
    HBRUSH blue = CreateSolidBrush(kBlue);
    RECT everything{0, 0, 100, 100};
    FillRect(hdc, &everything, blue);
    ReleaseDC(top, hdc);
    DeleteObject(blue);
    const Surface s = display->Capture(top);
    EXPECT_EQ(s.Row(0)[0], Pixel(kBlue)) << "a window DC reaches the frame";
    EXPECT_EQ(s.Row(50)[40], Pixel(kBlue));
    EXPECT_EQ(s.Row(50)[60], Pixel(kRed)) << "outside the region nothing changes";
    // The region 1 of a whole-frame WM_NCPAINT, passed on, limits nothing.
    hdc = GetDCEx(top, reinterpret_cast<HRGN>(1), DCX_WINDOW | DCX_INTERSECTRGN | DCX_CACHE);
    HBRUSH green = CreateSolidBrush(kGreen);
    FillRect(hdc, &everything, green);
    ReleaseDC(top, hdc);
    DeleteObject(green);
    EXPECT_EQ(display->Capture(top).Row(99)[99], Pixel(kGreen));
}

TEST_F(PaintingTest, SetRedrawFalseHoldsPaintingUntilTurnedBackOn) {
    HWND top = Solid(WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, RECT{0, 0, 100, 100}, kRed);
    HWND child = Solid(WS_CHILD | WS_VISIBLE, RECT{0, 0, 50, 50}, kBlue, top);
    display->Run();
    const int before = paints;
    SendMessage(child, WM_SETREDRAW, FALSE, 0);
    InvalidateRect(child, nullptr, TRUE);
    display->Run();
    EXPECT_EQ(paints, before);
    SendMessage(child, WM_SETREDRAW, TRUE, 0);
    EXPECT_TRUE(IsWindowVisible(child));
    InvalidateRect(child, nullptr, TRUE);
    display->Run();
    EXPECT_EQ(paints, before + 1);
}

// The shade of each row that PaintRows draws.
COLORREF RowColor(int y) {
    return RGB(y, 255 - y, 128);
}

// Paints every client row of `hwnd` in its own shade, past the window procedure.
void PaintRows(HWND hwnd) {
    HDC hdc = GetDC(hwnd);
    RECT client;
    GetClientRect(hwnd, &client);
    for (int y = 0; y < client.bottom; ++y) {
        HBRUSH brush = CreateSolidBrush(RowColor(y));
        RECT row{0, y, client.right, y + 1};
        FillRect(hdc, &row, brush);
        DeleteObject(brush);
    }
    ReleaseDC(hwnd, hdc);
}

TEST_F(PaintingTest, ScrollWindowExMovesPixelsAndInvalidatesWhatTheyUncover) {
    const RECT upperHalf{0, 0, 100, 50};
    const struct {
        const char* name;
        int dy;
        const RECT* scroll;
        const RECT* clip;
        RECT update;
        int sampleRow, sourceRow; // sampleRow now shows what sourceRow showed
    } cases[] = {
        {"whole client up", -5, nullptr, nullptr, {0, 95, 100, 100}, 10, 15},
        {"whole client down", 7, nullptr, nullptr, {0, 0, 100, 7}, 90, 83},
        {"scroll rectangle spills below it", 10, &upperHalf, nullptr, {0, 0, 100, 10}, 55, 45},
        {"clip rectangle holds the pixels", 10, nullptr, &upperHalf, {0, 0, 100, 10}, 49, 39},
        {"clip rectangle keeps the rest", 10, nullptr, &upperHalf, {0, 0, 100, 10}, 60, 60},
    };
    for (const auto& c : cases) {
        HWND top = Solid(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100}, kRed);
        display->Run();
        PaintRows(top);
        RECT update;
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(ScrollWindowEx(top, 0, c.dy, c.scroll, c.clip, region, &update, 0), SIMPLEREGION)
            << c.name;
        EXPECT_EQ(update, c.update) << c.name;
        RECT box;
        GetRgnBox(region, &box);
        DeleteObject(region);
        EXPECT_EQ(box, c.update) << c.name;
        EXPECT_EQ(At(top, 50, c.sampleRow), Pixel(RowColor(c.sourceRow))) << c.name;
        // Without SW_INVALIDATE nothing is left to paint.
        EXPECT_FALSE(GetUpdateRect(top, &box, FALSE)) << c.name;
        DestroyWindow(top);
    }
}

TEST_F(PaintingTest, ScrollWindowExRepaintsOnlyTheUncoveredStrip) {
    HWND top = Solid(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100}, kRed);
    display->Run();
    PaintRows(top);
    const int before = paints;
    ScrollWindowEx(top, 0, -5, nullptr, nullptr, nullptr, nullptr, SW_INVALIDATE | SW_ERASE);
    RECT update;
    ASSERT_TRUE(GetUpdateRect(top, &update, FALSE));
    EXPECT_EQ(update, (RECT{0, 95, 100, 100}));
    display->Run();
    EXPECT_EQ(paints, before + 1);
    EXPECT_EQ(At(top, 50, 97), Pixel(kRed)) << "the strip is painted";
    EXPECT_EQ(At(top, 50, 94), Pixel(RowColor(99))) << "the rest keeps its moved pixels";
    EXPECT_TRUE(display->WritePng(top, "scroll_window_ex.png"));
}

// Children stay put and keep their pixels unless SW_SCROLLCHILDREN moves them
// with theirs; parent pixels hidden under a child cannot be moved and are
// invalid at their destination.
TEST_F(PaintingTest, ScrollWindowExWithAndWithoutTheChildren) {
    for (const bool withChildren : {false, true}) {
        SCOPED_TRACE(withChildren ? "SW_SCROLLCHILDREN" : "children stay");
        HWND top = Solid(WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, RECT{0, 0, 100, 100}, kRed);
        HWND child = Solid(WS_CHILD | WS_VISIBLE, RECT{10, 10, 30, 30}, kBlue, top);
        display->Run();
        PaintRows(top);
        const int before = paints;
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        ScrollWindowEx(top, 0, -5, nullptr, nullptr, region, nullptr,
                       withChildren ? SW_SCROLLCHILDREN : 0);
        RECT r;
        GetWindowRect(child, &r);
        EXPECT_EQ(r, withChildren ? (RECT{10, 5, 30, 25}) : (RECT{10, 10, 30, 30}));
        EXPECT_EQ(paints, before) << "moved, not repainted";
        EXPECT_EQ(At(top, 20, 7), Pixel(withChildren ? kBlue : RowColor(7)));
        EXPECT_EQ(At(top, 20, 27), Pixel(withChildren ? RowColor(32) : kBlue));
        EXPECT_EQ(At(top, 50, 27), Pixel(RowColor(32)));
        // Beside the child, or under where it was: the parent's moved pixels.
        EXPECT_EQ(At(top, 20, 31), Pixel(RowColor(36)));
        // Without the children, what lay under the child cannot come up.
        EXPECT_EQ(PtInRegion(region, 20, 7) != FALSE, !withChildren);
        EXPECT_TRUE(PtInRegion(region, 50, 97));
        DeleteObject(region);
        DestroyWindow(top);
    }
}

} // namespace
} // namespace win::test

#include "ControlTestSupport.h"

#include "platform/user/Painting.h"

#include <ostream>

namespace win::test {

namespace {

std::vector<Notification> received;

LRESULT ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && lParam != 0)
        received.push_back({int(LOWORD(wParam)), HIWORD(wParam)});
    if (message == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->code != NM_CUSTOMDRAW)
            received.push_back({int(header->idFrom), header->code});
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}

} // namespace

std::ostream& operator<<(std::ostream& out, const Notification& n) {
    return out << "{" << n.id << ", " << int(n.code) << "}";
}

void ControlTest::SetUp() {
    display = &headless::TestDisplay::Install();
    InitCommonControls();
    WNDCLASS wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = ParentProc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(std::uintptr_t(COLOR_3DFACE + 1));
    wc.lpszClassName = "ControlTestParent";
    RegisterClass(&wc);
    parent = CreateWindowEx(0, "ControlTestParent", "", WS_POPUP | WS_VISIBLE, 0, 0, 640, 480,
                            nullptr, nullptr, nullptr, nullptr);
    display->Run();
    received.clear();
}

void ControlTest::TearDown() {
    DestroyWindow(parent);
    display->Run();
    ReleaseCapture();
    received.clear();
}

HWND ControlTest::Create(const char* className, const char* text, DWORD style, RECT r, int id,
                         DWORD exStyle) {
    HWND hwnd = CreateWindowEx(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, r.left,
                               r.top, r.right - r.left, r.bottom - r.top, parent,
                               reinterpret_cast<HMENU>(std::uintptr_t(id)), nullptr, nullptr);
    display->Run();
    received.clear();
    return hwnd;
}

POINT ControlTest::At(HWND hwnd, int x, int y) const {
    POINT point{x, y};
    ClientToScreen(hwnd, &point);
    return point;
}

void ControlTest::Click(HWND hwnd, int x, int y) {
    display->Clock().Advance(1000); // never part of a double click
    display->Click(At(hwnd, x, y));
}

std::vector<Notification> ControlTest::Take() {
    display->Run();
    std::vector<Notification> taken;
    taken.swap(received);
    return taken;
}

COLORREF ControlTest::Pixel(HWND hwnd, int x, int y) {
    display->Run();
    UpdateWindow(parent);
    HDC hdc = GetDC(hwnd);
    const COLORREF color = GetPixel(hdc, x, y);
    ReleaseDC(hwnd, hdc);
    return color;
}

} // namespace win::test

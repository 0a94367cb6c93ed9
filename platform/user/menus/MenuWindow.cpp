// The "#32768" window class: a popup with a raised three-pixel frame whose
// client area shows the items of one menu level. The tracking loop owns the
// MenuPopup; the window finds it through its extra bytes.

#include "platform/gdi/Controls3D.h"
#include "platform/gdi/Gdi.h"
#include "platform/user/Painting.h"
#include "platform/user/Rects.h"
#include "platform/user/menus/MenuItemPainter.h"
#include "platform/user/menus/MenuPopup.h"

namespace win {

namespace {

MenuPopup* PopupOf(HWND hwnd) {
    return reinterpret_cast<MenuPopup*>(GetWindowLongPtr(hwnd, 0));
}

void PaintItems(HWND hwnd, HDC hdc) {
    const MenuPopup* popup = PopupOf(hwnd);
    const Menu* menu = popup == nullptr ? nullptr : MenuTable::Get().Find(popup->menu);
    if (menu == nullptr)
        return;
    const int saved = SaveDC(hdc);
    SelectObject(hdc, MenuFont());
    const MenuItemColumns columns{popup->layout.textColumn, popup->layout.shortcutColumn};
    const std::size_t count = std::min(menu->items.size(), popup->layout.items.size());
    for (std::size_t i = 0; i < count; ++i)
        if (RectVisible(hdc, &popup->layout.items[i]))
            PaintMenuItem(hdc, *menu, menu->items[i], popup->layout.items[i],
                          int(i) == popup->selected, columns, popup->owner);
    RestoreDC(hdc, saved);
}

// The frame in window coordinates of `hdc`.
void PaintFrame(HWND hwnd, HDC hdc) {
    RECT r;
    GetWindowRect(hwnd, &r);
    r = RECT{0, 0, RectWidth(r), RectHeight(r)};
    DrawEdge(hdc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST);
    FrameRect(hdc, &r, GetSysColorBrush(COLOR_MENU));
}

// WM_PRINT: this window's own frame, then the default printing of the rest.
LRESULT OnPrint(HWND hwnd, WPARAM wParam, LPARAM flags) {
    const auto hdc = reinterpret_cast<HDC>(wParam);
    if (hdc == nullptr)
        return 0;
    if (flags & PRF_NONCLIENT)
        PaintFrame(hwnd, hdc);
    return DefWindowProc(hwnd, WM_PRINT, wParam, flags & ~LPARAM(PRF_NONCLIENT));
}

LRESULT OnNcCalcSize(LPARAM lParam) {
    auto* r = reinterpret_cast<RECT*>(lParam);
    if (r != nullptr)
        InflateRect(r, -kMenuFrame, -kMenuFrame);
    return 0;
}

LRESULT OnPaint(HWND hwnd) {
    PAINTSTRUCT paint;
    if (const HDC hdc = BeginPaint(hwnd, &paint)) {
        PaintItems(hwnd, hdc);
        EndPaint(hwnd, &paint);
    }
    return 0;
}

LRESULT MenuWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE: {
        const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        SetWindowLongPtr(hwnd, 0, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
    case WM_NCCALCSIZE:
        return OnNcCalcSize(lParam);
    case WM_NCHITTEST:
        return HTCLIENT;
    case WM_NCPAINT: {
        const HDC hdc = GetWindowDC(hwnd);
        PaintFrame(hwnd, hdc);
        ReleaseDC(hwnd, hdc);
        return 0;
    }
    case WM_PRINT:
        return OnPrint(hwnd, wParam, lParam);
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_MENU));
        return 1;
    }
    case WM_PAINT:
        return OnPaint(hwnd);
    case WM_PRINTCLIENT:
        PaintItems(hwnd, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case MN_GETHMENU: {
        const MenuPopup* popup = PopupOf(hwnd);
        return popup == nullptr ? 0 : reinterpret_cast<LRESULT>(popup->menu);
    }
    case WM_NCDESTROY:
        SetWindowLongPtr(hwnd, 0, 0);
        return DefWindowProc(hwnd, message, wParam, lParam);
    default:
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

} // namespace

void RegisterMenuWindowClass() {
    static const bool registered = [] {
        WNDCLASS wc;
        wc.style = CS_SAVEBITS | CS_DBLCLKS | CS_GLOBALCLASS;
        wc.lpfnWndProc = MenuWindowProc;
        wc.cbWndExtra = sizeof(LONG_PTR);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = WC_MENU;
        return RegisterClass(&wc) != 0;
    }();
    (void)registered;
}

HWND CreateMenuWindow(MenuPopup& popup, POINT screen) {
    RegisterMenuWindowClass();
    const HWND hwnd =
        CreateWindowEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME, WC_MENU, "",
                       WS_POPUP | WS_CLIPSIBLINGS, screen.x, screen.y, popup.layout.window.cx,
                       popup.layout.window.cy, popup.owner, nullptr, nullptr, &popup);
    popup.window = hwnd;
    if (hwnd != nullptr) {
        ShowWindow(hwnd, SW_SHOWNA);
        UpdateWindow(hwnd);
    }
    return hwnd;
}

void RedrawMenuItem(const MenuPopup& popup, int index) {
    if (popup.window == nullptr || index < 0 || std::size_t(index) >= popup.layout.items.size())
        return;
    InvalidateRect(popup.window, &popup.layout.items[std::size_t(index)], TRUE);
    UpdateWindow(popup.window);
}

} // namespace win

#include "platform/user/menus/MdiClient.h"

#include "platform/user/Rects.h"
#include "platform/user/menus/MenuBar.h"
#include "platform/user/menus/Menus.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

namespace win {

namespace {

std::map<HWND, std::unique_ptr<MdiClient>>& Clients() {
    static std::map<HWND, std::unique_ptr<MdiClient>> clients;
    return clients;
}

constexpr DWORD kChildStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION |
                              WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

LRESULT ClientProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        const auto* create = static_cast<const CLIENTCREATESTRUCT*>(cs->lpCreateParams);
        Clients()[hwnd] =
            std::make_unique<MdiClient>(hwnd, create != nullptr ? *create : CLIENTCREATESTRUCT{});
        return 0;
    }
    if (message == WM_NCDESTROY) {
        Clients().erase(hwnd);
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
    if (MdiClient* client = MdiClient::Of(hwnd))
        return client->Handle(message, wParam, lParam);
    return DefWindowProc(hwnd, message, wParam, lParam);
}

// The buttons a maximised child lends the frame's menu bar, right-justified.
struct BarButton {
    HBITMAP bitmap;
    UINT command;
};

const BarButton kBarButtons[] = {
    {HBMMENU_MBAR_MINIMIZE, SC_MINIMIZE},
    {HBMMENU_MBAR_RESTORE, SC_RESTORE},
    {HBMMENU_MBAR_CLOSE, SC_CLOSE},
};

} // namespace

MdiClient::MdiClient(HWND hwnd, const CLIENTCREATESTRUCT& create)
    : hwnd_(hwnd), firstChildId_(create.idFirstChild), nextId_(create.idFirstChild) {}

MdiClient* MdiClient::Of(HWND client) {
    const auto it = Clients().find(client);
    return it == Clients().end() ? nullptr : it->second.get();
}

void MdiClient::Register() {
    static const bool registered = [] {
        WNDCLASS wc;
        wc.style = CS_DBLCLKS | CS_GLOBALCLASS;
        wc.lpfnWndProc = ClientProc;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(std::uintptr_t(COLOR_APPWORKSPACE + 1));
        wc.lpszClassName = WC_MDICLIENT;
        return RegisterClass(&wc) != 0;
    }();
    (void)registered;
}

HWND MdiClient::Create(const MDICREATESTRUCT& create) {
    RECT area;
    GetClientRect(hwnd_, &area);
    // Default places cascade from the top-left corner.
    const int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME);
    const int offset = (cascadeStep_++ % 8) * step;
    const int cx = create.cx == CW_USEDEFAULT ? RectWidth(area) * 3 / 4 : create.cx;
    const int cy = create.cy == CW_USEDEFAULT ? RectHeight(area) * 3 / 4 : create.cy;
    const int x = create.x == CW_USEDEFAULT ? offset : create.x;
    const int y = create.y == CW_USEDEFAULT ? offset : create.y;
    const bool maximize = maximized_ || (create.style & WS_MAXIMIZE);
    MDICREATESTRUCT passed = create;
    const HWND child = CreateWindowEx(
        WS_EX_MDICHILD | WS_EX_WINDOWEDGE, create.szClass, create.szTitle,
        kChildStyle | (create.style & ~(WS_MAXIMIZE | WS_VISIBLE | WS_POPUP)), x, y, cx, cy, hwnd_,
        reinterpret_cast<HMENU>(std::uintptr_t(nextId_)), create.hOwner, &passed);
    if (child == nullptr)
        return nullptr;
    ++nextId_;
    children_.push_back(child);
    ShowWindow(child, SW_SHOW);
    Activate(child);
    if (maximize)
        Maximize(child);
    return child;
}

void MdiClient::Forget(HWND child) {
    std::erase(children_, child);
    if (active_ == child)
        active_ = nullptr;
}

void MdiClient::Destroy(HWND child) {
    if (std::find(children_.begin(), children_.end(), child) == children_.end())
        return;
    const bool wasMaximized = maximized_ && child == active_;
    Forget(child);
    DestroyWindow(child);
    if (children_.empty()) {
        if (wasMaximized)
            MergeButtons(false);
        maximized_ = false;
        return;
    }
    Activate(children_.front());
    if (wasMaximized)
        Maximize(children_.front());
}

void MdiClient::Activate(HWND child) {
    if (child == active_ || std::find(children_.begin(), children_.end(), child) == children_.end())
        return;
    const HWND previous = active_;
    active_ = child;
    std::erase(children_, child);
    children_.insert(children_.begin(), child);
    if (previous != nullptr && IsWindow(previous)) {
        SendMessage(previous, WM_NCACTIVATE, FALSE, 0);
        SendMessage(previous, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(previous),
                    reinterpret_cast<LPARAM>(child));
    }
    // A maximised child hands the maximised state to the one activated.
    if (maximized_ && previous != nullptr && IsWindow(previous)) {
        ShowWindow(previous, SW_RESTORE);
        ShowWindow(child, SW_MAXIMIZE);
    }
    SetWindowPos(child, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessage(child, WM_NCACTIVATE, TRUE, 0);
    SendMessage(child, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(previous),
                reinterpret_cast<LPARAM>(child));
    if (GetActiveWindow() == GetAncestor(hwnd_, GA_ROOT))
        SetFocus(child);
}

void MdiClient::Maximize(HWND child) {
    Activate(child);
    ShowWindow(child, SW_MAXIMIZE);
    if (!maximized_)
        MergeButtons(true);
    maximized_ = true;
}

void MdiClient::Restore(HWND child) {
    ShowWindow(child, SW_RESTORE);
    if (maximized_ && child == active_) {
        maximized_ = false;
        MergeButtons(false);
    }
}

void MdiClient::Next(HWND from, bool previous) {
    if (children_.size() < 2)
        return;
    auto it = std::find(children_.begin(), children_.end(), from == nullptr ? active_ : from);
    if (it == children_.end())
        return;
    // The list runs most recent first: "next" is the least recently active;
    // "previous" goes the other way round, so the one it leaves goes last.
    if (!previous) {
        Activate(children_.back());
        return;
    }
    const HWND left = *it;
    Activate(*std::next(it));
    std::erase(children_, left);
    children_.push_back(left);
}

RECT MdiClient::MaximizedRect(HWND child) const {
    RECT r;
    GetClientRect(hwnd_, &r);
    AdjustWindowRectEx(&r, DWORD(GetWindowLong(child, GWL_STYLE)) & ~WS_MAXIMIZE, FALSE,
                       DWORD(GetWindowLong(child, GWL_EXSTYLE)));
    return r;
}

void MdiClient::Tile() {
    if (maximized_ && active_ != nullptr)
        Restore(active_);
    std::vector<HWND> tiled;
    for (HWND child : children_)
        if (IsWindowVisible(child) && !IsIconic(child))
            tiled.push_back(child);
    if (tiled.empty())
        return;
    RECT area;
    GetClientRect(hwnd_, &area);
    const int count = int(tiled.size());
    const int columns = int(std::ceil(std::sqrt(double(count))));
    const int rows = (count + columns - 1) / columns;
    for (int i = 0; i < count; ++i) {
        const int column = i % columns, row = i / columns;
        const int left = RectWidth(area) * column / columns;
        const int top = RectHeight(area) * row / rows;
        const int right = RectWidth(area) * (column + 1) / columns;
        const int bottom = RectHeight(area) * (row + 1) / rows;
        SetWindowPos(tiled[std::size_t(i)], nullptr, left, top, right - left, bottom - top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void MdiClient::Cascade() {
    if (maximized_ && active_ != nullptr)
        Restore(active_);
    RECT area;
    GetClientRect(hwnd_, &area);
    const int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME);
    int i = 0;
    // The least recently active goes to the back, the active one in front.
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
        if (!IsWindowVisible(*it) || IsIconic(*it))
            continue;
        SetWindowPos(*it, HWND_TOP, i * step, i * step, RectWidth(area) * 3 / 4,
                     RectHeight(area) * 3 / 4, SWP_NOACTIVATE);
        ++i;
    }
}

void MdiClient::ArrangeIcons() {
    RECT area;
    GetClientRect(hwnd_, &area);
    int x = 0;
    int y = area.bottom;
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
        if (!IsIconic(*it))
            continue;
        RECT box;
        GetWindowRect(*it, &box);
        if (x > 0 && x + RectWidth(box) > area.right) {
            x = 0;
            y -= RectHeight(box);
        }
        SetWindowPos(*it, nullptr, x, y - RectHeight(box), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        x += RectWidth(box);
    }
}

HMENU MdiClient::SetFrameMenu(HMENU frameMenu) {
    const HMENU old = GetMenu(Frame());
    if (frameMenu == nullptr || frameMenu == old)
        return old;
    if (maximized_)
        MergeButtons(false);
    SetMenu(Frame(), frameMenu);
    if (maximized_)
        MergeButtons(true);
    return old;
}

void MdiClient::MergeButtons(bool merge) {
    const HMENU bar = GetMenu(Frame());
    if (bar == nullptr)
        return;
    for (const BarButton& button : kBarButtons) {
        DeleteMenu(bar, button.command, MF_BYCOMMAND);
        if (merge)
            AppendMenu(bar, MF_BITMAP | MF_RIGHTJUSTIFY, button.command,
                       reinterpret_cast<const char*>(button.bitmap));
    }
    DrawMenuBar(Frame());
}

LRESULT MdiClient::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    const auto child = reinterpret_cast<HWND>(wParam);
    switch (message) {
    case WM_MDICREATE:
        return lParam == 0
                   ? 0
                   : reinterpret_cast<LRESULT>(Create(*reinterpret_cast<MDICREATESTRUCT*>(lParam)));
    case WM_MDIDESTROY:
        Destroy(child);
        return 0;
    case WM_MDIACTIVATE:
        Activate(child);
        return 0;
    case WM_MDIGETACTIVE:
        if (lParam != 0)
            *reinterpret_cast<BOOL*>(lParam) = maximized_ ? TRUE : FALSE;
        return reinterpret_cast<LRESULT>(active_);
    case WM_MDIMAXIMIZE:
        Maximize(child);
        return 0;
    case WM_MDIRESTORE:
        Restore(child);
        return 0;
    case WM_MDINEXT:
        Next(child, lParam != 0);
        return 0;
    case WM_MDITILE:
        Tile();
        return TRUE;
    case WM_MDICASCADE:
        Cascade();
        return TRUE;
    case WM_MDIICONARRANGE:
        ArrangeIcons();
        return 0;
    case WM_MDISETMENU:
        return reinterpret_cast<LRESULT>(SetFrameMenu(reinterpret_cast<HMENU>(wParam)));
    case WM_MDIREFRESHMENU:
        DrawMenuBar(Frame());
        return reinterpret_cast<LRESULT>(GetMenu(Frame()));
    case WM_PARENTNOTIFY:
        if (LOWORD(wParam) == WM_DESTROY)
            Forget(reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_SETFOCUS:
        if (active_ != nullptr && IsWindow(active_))
            SetFocus(active_);
        return 0;
    case WM_SIZE:
        if (maximized_ && active_ != nullptr) {
            const RECT r = MaximizedRect(active_);
            SetWindowPos(active_, nullptr, r.left, r.top, RectWidth(r), RectHeight(r),
                         SWP_NOZORDER | SWP_NOACTIVATE);
        }
        return DefWindowProc(hwnd_, message, wParam, lParam);
    default:
        return DefWindowProc(hwnd_, message, wParam, lParam);
    }
}

} // namespace win

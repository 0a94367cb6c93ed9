#include "MenuTestSupport.h"

#include "platform/user/BackendSupport.h"
#include "platform/user/Rects.h"
#include "platform/user/controls/CommCtrl.h"

#include <algorithm>
#include <cstring>

namespace win::test {

namespace {

MenuTest* current = nullptr;

bool IsMenuClass(HWND hwnd) {
    char name[32] = {};
    GetClassName(hwnd, name, sizeof name);
    return std::strcmp(name, WC_MENU) == 0;
}

void Blit(Surface& screen, const Surface& window, POINT at) {
    for (int y = 0; y < window.height; ++y) {
        const int sy = at.y + y;
        if (sy < 0 || sy >= screen.height)
            continue;
        for (int x = 0; x < window.width; ++x) {
            const int sx = at.x + x;
            if (sx >= 0 && sx < screen.width)
                screen.Row(sy)[sx] = window.Row(y)[x];
        }
    }
}

} // namespace

LRESULT MenuTest::OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    MenuTest& t = *current;
    t.received.push_back({message, wParam, lParam});
    switch (message) {
    case WM_ENTERIDLE:
        if (t.steps.empty()) {
            t.ranOut = true;
            if (!EndMenu())
                KeyPress(VK_ESCAPE); // a dialog's loop
        } else {
            auto step = std::move(t.steps.front());
            t.steps.pop_front();
            step();
        }
        return 0;
    case WM_MEASUREITEM: {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        measure->itemWidth = UINT(t.measured.cx);
        measure->itemHeight = UINT(t.measured.cy);
        return TRUE;
    }
    case WM_DRAWITEM: {
        const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        t.drawnStates.push_back(draw->itemState);
        if (t.drawItem)
            t.drawItem(draw->hDC, draw->rcItem);
        return TRUE;
    }
    default:
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

LRESULT MenuTest::CbtProc(int code, WPARAM wParam, LPARAM lParam) {
    const auto hwnd = reinterpret_cast<HWND>(wParam);
    if (current != nullptr && code == HCBT_CREATEWND) {
        const auto* create = reinterpret_cast<const CBT_CREATEWND*>(lParam);
        if (create->lpcs->lpszClass != nullptr &&
            std::strcmp(create->lpcs->lpszClass, WC_MENU) == 0)
            current->created.push_back(hwnd);
    }
    if (current != nullptr && code == HCBT_DESTROYWND && IsMenuClass(hwnd))
        current->destroyed.push_back(hwnd);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void MenuTest::SetUp() {
    current = this;
    display = &headless::TestDisplay::Install();
    InitCommonControls();
    WNDCLASS wc;
    wc.lpfnWndProc = OwnerProc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(std::uintptr_t(COLOR_3DFACE + 1));
    wc.lpszClassName = "MenuTestOwner";
    RegisterClass(&wc);
    owner = CreateWindowEx(0, "MenuTestOwner", "菜单", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                           400, 300, nullptr, nullptr, nullptr, nullptr);
    SetActiveWindow(owner);
    display->Run();
    hook_ = SetWindowsHookEx(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
    received.clear();
}

void MenuTest::TearDown() {
    UnhookWindowsHookEx(hook_);
    DestroyWindow(owner);
    display->Run();
    ReleaseCapture();
    current = nullptr;
}

void MenuTest::Script(std::vector<std::function<void()>> list) {
    steps.assign(list.begin(), list.end());
    ranOut = false;
}

std::vector<Received> MenuTest::Messages(UINT kind) const {
    std::vector<Received> out;
    std::copy_if(received.begin(), received.end(), std::back_inserter(out),
                 [kind](const Received& r) { return r.message == kind; });
    return out;
}

std::vector<HWND> MenuTest::MenuWindows() const {
    std::vector<HWND> alive;
    for (HWND hwnd : created)
        if (IsWindow(hwnd))
            alive.push_back(hwnd);
    return alive;
}

POINT MenuTest::ItemCentre(HMENU menu, int position) const {
    RECT r{};
    EXPECT_TRUE(GetMenuItemRect(owner, menu, UINT(position), &r));
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

Surface MenuTest::Screen() const {
    Surface screen(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    std::vector<HWND> stack;
    for (HWND hwnd = GetTopWindow(nullptr); hwnd != nullptr; hwnd = GetWindow(hwnd, GW_HWNDNEXT))
        if (IsWindowVisible(hwnd))
            stack.push_back(hwnd);
    for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
        RECT r;
        GetWindowRect(*it, &r);
        if (const Surface* surface = GetWindowSurface(*it))
            Blit(screen, *surface, POINT{r.left, r.top});
    }
    return screen;
}

void KeyPress(int virtualKey) {
    InjectKey(virtualKey, KeyTransition::Down);
    InjectKey(virtualKey, KeyTransition::Up);
}

void MouseTo(POINT screen) {
    InjectMouseMove(screen);
}

void ClickAt(POINT screen) {
    InjectMouseMove(screen);
    InjectMouseButton(MouseButton::Left, KeyTransition::Down, screen);
    InjectMouseButton(MouseButton::Left, KeyTransition::Up, screen);
}

} // namespace win::test

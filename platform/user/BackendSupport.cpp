// Events only a display can report: activation given or taken and windows
// moved from outside.

#include "platform/user/BackendSupport.h"

#include "platform/user/Desktop.h"
#include "platform/user/Rects.h"
#include "platform/user/WinUser.h"
#include "platform/user/WindowInternals.h"
#include "platform/user/WindowTree.h"

namespace win {

namespace {

// A window disabled by a modal loop passes activation to the enabled window
// it owns (the dialog), as Windows does when such a window is chosen.
HWND ActivatableFor(Window& top) {
    if (IsEnabledWindow(top))
        return top.handle;
    for (Window* w : Desktop::Get().Root().children)
        if (w->owner == top.handle && w->IsVisible() && !w->destroying)
            return ActivatableFor(*w);
    return nullptr;
}

} // namespace

void ActivateFromDisplay(HWND hwnd) {
    Desktop& desktop = Desktop::Get();
    if (hwnd == nullptr) {
        ActivateWindow(nullptr, WA_INACTIVE);
        return;
    }
    Window* window = desktop.Find(hwnd);
    if (window == nullptr || window->destroying)
        return;
    const HWND target = ActivatableFor(desktop.TopLevelOf(*window));
    if (target != nullptr && target != desktop.Input().active)
        ActivateWindow(target, WA_ACTIVE);
}

void MoveFromDisplay(HWND hwnd, const RECT& screen) {
    Desktop& desktop = Desktop::Get();
    Window* window = desktop.Find(hwnd);
    if (window == nullptr || window->destroying || !desktop.IsTopLevel(*window) ||
        (window->style & WS_MINIMIZE) || EqualRect(&window->rect, &screen))
        return;
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (RectWidth(screen) == RectWidth(window->rect) &&
        RectHeight(screen) == RectHeight(window->rect))
        flags |= SWP_NOSIZE;
    SetWindowPos(hwnd, nullptr, screen.left, screen.top, RectWidth(screen), RectHeight(screen),
                 flags);
}

} // namespace win

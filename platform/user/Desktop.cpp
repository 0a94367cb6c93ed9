#include "platform/user/Desktop.h"

#include "platform/user/NoDisplayBackend.h"
#include "platform/user/Threads.h"
#include "platform/user/WinUser.h"

namespace win {

namespace {

LRESULT DesktopProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProc(hwnd, message, wParam, lParam);
}

} // namespace

Desktop& Desktop::Get() {
    static Desktop desktop;
    return desktop;
}

Desktop::Desktop()
    : backend_(std::make_unique<NoDisplayBackend>()), clock_(std::make_unique<SystemClock>()),
      guiThread_(CurrentThreadId()) {
    WNDCLASS desktopClass;
    desktopClass.lpfnWndProc = DesktopProc;
    desktopClass.lpszClassName = "#32769";
    classes_.Register(desktopClass);
    auto root = std::make_unique<Window>();
    root->windowClass = classes_.Find("#32769");
    root->style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    root->proc = DesktopProc;
    root->rect = backend_->ScreenRect();
    root->client =
        RECT{0, 0, root->rect.right - root->rect.left, root->rect.bottom - root->rect.top};
    root->created = true;
    root->threadId = guiThread_;
    root_ = &windows_.Add(std::move(root));
}

Window* Desktop::Find(HWND hwnd) const {
    return windows_.Find(hwnd);
}

Window& Desktop::TopLevelOf(Window& window) {
    Window* w = &window;
    while (w->parent != nullptr && w->parent != root_)
        w = w->parent;
    return *w;
}

void Desktop::SetBackend(std::unique_ptr<Backend> backend) {
    backend_ = std::move(backend);
    root_->rect = backend_->ScreenRect();
    root_->client =
        RECT{0, 0, root_->rect.right - root_->rect.left, root_->rect.bottom - root_->rect.top};
}

void Desktop::SetClock(std::unique_ptr<Clock> clock) {
    clock_ = std::move(clock);
}

void InstallBackend(std::unique_ptr<Backend> backend) {
    Desktop::Get().SetBackend(std::move(backend));
}

void InstallClock(std::unique_ptr<Clock> clock) {
    Desktop::Get().SetClock(std::move(clock));
}

} // namespace win

#include "platform/user/ModalLoop.h"

#include "platform/user/Dispatch.h"
#include "platform/user/WinUser.h"

#include <vector>

namespace win {

namespace {

std::vector<HWND> DisableOwners(const ModalLoop& loop) {
    std::vector<HWND> windows;
    if (loop.scope == ModalScope::Thread) {
        for (HWND w = GetTopWindow(nullptr); w != nullptr; w = GetWindow(w, GW_HWNDNEXT))
            if (IsWindowEnabled(w) && w != loop.window)
                windows.push_back(w);
    } else if (loop.owner != nullptr && IsWindowEnabled(loop.owner)) {
        windows.push_back(loop.owner);
    }
    for (HWND w : windows)
        EnableWindow(w, FALSE);
    return windows;
}

// Waits for the next message after the idle work, unless the idle work ended
// the loop or queued something.
void Idle(const ModalLoop& loop, const std::function<bool()>& done) {
    if (loop.owner != nullptr)
        Send(loop.owner, WM_ENTERIDLE, WPARAM(loop.filterCode),
             reinterpret_cast<LPARAM>(loop.window));
    if (loop.idle)
        loop.idle();
    MSG msg;
    if (!done() && IsWindow(loop.window) && !PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE))
        WaitMessage();
}

} // namespace

void RunModalLoop(const ModalLoop& loop, const std::function<bool()>& done) {
    const std::vector<HWND> disabled = DisableOwners(loop);
    ShowWindow(loop.window, SW_SHOW);
    SetActiveWindow(loop.window);
    MSG msg;
    while (!done() && IsWindow(loop.window)) {
        if (!PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            Idle(loop, done);
            continue;
        }
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam));
            break;
        }
        if (CallMsgFilter(&msg, loop.filterCode) || (loop.preTranslate && loop.preTranslate(msg)))
            continue;
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    // Enabled before the modal window goes, so that activation can return.
    for (HWND w : disabled)
        if (IsWindow(w))
            EnableWindow(w, TRUE);
    if (loop.owner != nullptr && IsWindow(loop.owner))
        SetActiveWindow(loop.owner);
}

} // namespace win

#include "platform/user/Dispatch.h"

#include "platform/user/Desktop.h"
#include "platform/user/Threads.h"
#include "platform/user/WinUser.h"

namespace win {

LRESULT Send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessage(hwnd, message, wParam, lParam);
}

bool CbtRefuses(int code, WPARAM wParam, LPARAM lParam) {
    auto& hooks = Desktop::Get().Hooks();
    return hooks.Any(WH_CBT) && hooks.CallChain(WH_CBT, code, wParam, lParam) != 0;
}

LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Desktop& desktop = Desktop::Get();
    Window* window = desktop.Find(hwnd);
    if (window == nullptr || window->proc == nullptr)
        return 0;
    const WNDPROC proc = window->proc;
    desktop.EnterSend();
    struct Leave {
        Desktop& d;
        ~Leave() { d.LeaveSend(); }
    } leave{desktop};
    return proc(hwnd, message, wParam, lParam);
}

LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (proc == nullptr)
        return 0;
    return proc(hwnd, message, wParam, lParam);
}

BOOL PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Desktop& desktop = Desktop::Get();
    if (hwnd == HWND_BROADCAST)
        return FALSE;
    // Only the GUI thread may look at the window table; other threads trust
    // the handle and the loop drops messages for windows that are gone.
    if (hwnd != nullptr && CurrentThreadId() == desktop.GuiThread() &&
        desktop.Find(hwnd) == nullptr)
        return FALSE;
    QueuedMessage queued;
    queued.msg.hwnd = hwnd;
    queued.msg.message = message;
    queued.msg.wParam = wParam;
    queued.msg.lParam = lParam;
    queued.msg.time = desktop.Time().Now();
    desktop.Queue().Post(queued);
    desktop.Display().Wake();
    return TRUE;
}

BOOL PostThreadMessage(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam) {
    if (threadId != Desktop::Get().GuiThread())
        return FALSE;
    return PostMessage(nullptr, message, wParam, lParam);
}

void PostQuitMessage(int exitCode) {
    Desktop::Get().Queue().PostQuit(exitCode);
    Desktop::Get().Display().Wake();
}

BOOL InSendMessage() {
    return FALSE; // every message is sent from the window's own thread
}

DWORD GetCurrentThreadId() {
    return CurrentThreadId();
}

LRESULT DispatchMessage(const MSG* msg) {
    if (msg == nullptr)
        return 0;
    if (msg->message == WM_TIMER && msg->lParam != 0) {
        const auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
        proc(msg->hwnd, WM_TIMER, msg->wParam, msg->time);
        return 0;
    }
    if (msg->hwnd == nullptr)
        return 0;
    InputState& input = Desktop::Get().Input();
    input.messageTime = msg->time;
    input.messagePos = msg->pt;
    return SendMessage(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

DWORD GetMessageTime() {
    return Desktop::Get().Input().messageTime;
}

DWORD GetMessagePos() {
    const POINT p = Desktop::Get().Input().messagePos;
    return MAKELONG(WORD(p.x), WORD(p.y));
}

} // namespace win

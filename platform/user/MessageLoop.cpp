// GetMessage and PeekMessage: posted messages and input first, then WM_QUIT,
// then WM_PAINT for windows with an update region, then due timers.

#include "platform/user/Desktop.h"
#include "platform/user/InputRouting.h"
#include "platform/user/PaintInternals.h"
#include "platform/user/WinUser.h"

#include <algorithm>

namespace win {

namespace {

struct Filter {
    HWND hwnd;
    UINT min;
    UINT max;

    bool Accepts(UINT message) const {
        return (min == 0 && max == 0) || (message >= min && message <= max);
    }
    bool AnyWindow() const { return hwnd == nullptr; }
    bool Matches(const MSG& msg) const {
        if (!Accepts(msg.message))
            return false;
        if (hwnd == reinterpret_cast<HWND>(-1))
            return msg.hwnd == nullptr;
        return hwnd == nullptr || msg.hwnd == hwnd;
    }
};

std::optional<MSG> TakeQuit(const Filter& filter, bool remove) {
    MessageQueue& queue = Desktop::Get().Queue();
    const auto code = queue.QuitCode();
    if (!code || !filter.Accepts(WM_QUIT))
        return std::nullopt;
    if (remove)
        queue.ClearQuit();
    MSG msg;
    msg.message = WM_QUIT;
    msg.wParam = WPARAM(*code);
    return msg;
}

std::optional<MSG> TakePaint(const Filter& filter) {
    if (!filter.Accepts(WM_PAINT))
        return std::nullopt;
    const HWND hwnd = FindWindowToPaint(filter.hwnd);
    if (hwnd == nullptr)
        return std::nullopt;
    MSG msg;
    msg.hwnd = hwnd;
    msg.message = WM_PAINT;
    return msg;
}

std::optional<MSG> TakeMessage(const Filter& filter, UINT flags) {
    Desktop& desktop = Desktop::Get();
    const bool remove = (flags & PM_REMOVE) != 0;
    auto msg = desktop.Queue().Take(
        RouteInput, [&](const MSG& m) { return filter.Matches(m); }, remove);
    if (!msg)
        msg = TakeQuit(filter, remove);
    if (!msg)
        msg = TakePaint(filter);
    if (!msg && filter.Accepts(WM_TIMER) && filter.hwnd != reinterpret_cast<HWND>(-1))
        msg =
            desktop.Timers().TakeDue(desktop.Time().Now(), filter.hwnd, filter.AnyWindow(), remove);
    if (!msg)
        return std::nullopt;
    if (msg->time == 0)
        msg->time = desktop.Time().Now();
    if (msg->message != WM_QUIT && msg->pt.x == 0 && msg->pt.y == 0)
        msg->pt = desktop.Input().cursorPos;
    if (remove)
        NoteKeyState(*msg);
    return msg;
}

} // namespace

BOOL PeekMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags) {
    Desktop& desktop = Desktop::Get();
    const Filter filter{hwnd, filterMin, filterMax};
    auto taken = TakeMessage(filter, removeFlags);
    if (!taken) {
        desktop.Display().PumpEvents(0);
        taken = TakeMessage(filter, removeFlags);
    }
    if (!taken) {
        PresentChangedSurfaces();
        return FALSE;
    }
    if (msg != nullptr)
        *msg = *taken;
    return TRUE;
}

BOOL GetMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax) {
    Desktop& desktop = Desktop::Get();
    MSG taken;
    while (!PeekMessage(&taken, hwnd, filterMin, filterMax, PM_REMOVE))
        desktop.Display().PumpEvents(desktop.Timers().TimeToNext(desktop.Time().Now()));
    if (msg != nullptr)
        *msg = taken;
    return taken.message == WM_QUIT ? FALSE : TRUE;
}

BOOL WaitMessage() {
    Desktop& desktop = Desktop::Get();
    if (PeekMessage(nullptr, nullptr, 0, 0, PM_NOREMOVE))
        return TRUE;
    desktop.Display().PumpEvents(desktop.Timers().TimeToNext(desktop.Time().Now()));
    return TRUE;
}

bool ProcessPendingMessages() {
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam));
            return false;
        }
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    return true;
}

// Characters for the keys that text input does not report (Enter, Backspace,
// Tab, Escape, Ctrl+letter), and WM_SYSCHAR for Alt+key.
BOOL TranslateMessage(const MSG* msg) {
    if (msg == nullptr || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN))
        return FALSE;
    const int vk = int(msg->wParam);
    char32_t character = 0;
    if (vk == VK_RETURN || vk == VK_BACK || vk == VK_TAB || vk == VK_ESCAPE)
        character = char32_t(vk);
    else if (vk == VK_SPACE && msg->message == WM_SYSKEYDOWN)
        character = U' ';
    else if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) {
        if (msg->message == WM_SYSKEYDOWN)
            character = vk >= 'A' && vk <= 'Z' ? char32_t(vk + 32) : char32_t(vk);
        else if (GetKeyState(VK_CONTROL) < 0 && vk >= 'A' && vk <= 'Z')
            character = char32_t(vk - 'A' + 1);
    }
    if (character == 0)
        return FALSE;
    QueuedMessage queued;
    queued.msg.hwnd = msg->hwnd;
    queued.msg.message = msg->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
    queued.msg.wParam = WPARAM(character);
    queued.msg.lParam = msg->lParam;
    queued.msg.time = msg->time;
    queued.msg.pt = msg->pt;
    Desktop::Get().Queue().PostFront(queued);
    return TRUE;
}

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
    Desktop& desktop = Desktop::Get();
    if (hwnd != nullptr && !IsWindow(hwnd))
        return 0;
    const UINT_PTR result = desktop.Timers().Set(hwnd, id, elapse, proc, desktop.Time().Now());
    desktop.Display().Wake();
    // With a window, SetTimer answers non-zero rather than the id.
    return hwnd != nullptr && result != 0 ? (id != 0 ? id : 1) : result;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
    return Desktop::Get().Timers().Kill(hwnd, id) ? TRUE : FALSE;
}

} // namespace win

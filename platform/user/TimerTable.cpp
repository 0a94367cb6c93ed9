#include "platform/user/TimerTable.h"

#include "platform/user/Backend.h"
#include "platform/user/Messages.h"

#include <algorithm>

namespace win {

namespace {

constexpr UINT kMinimumElapse = 10; // USER_TIMER_MINIMUM
constexpr UINT kMaximumElapse = 0x7FFFFFFF;

// Tick counts wrap: compare by signed distance.
bool IsDue(DWORD due, DWORD now) {
    return static_cast<std::int32_t>(now - due) >= 0;
}

} // namespace

UINT_PTR TimerTable::Set(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc, DWORD now) {
    elapse = std::clamp(elapse, kMinimumElapse, kMaximumElapse);
    if (hwnd == nullptr && id == 0)
        id = ++nextThreadTimerId_;
    auto existing = std::find_if(timers_.begin(), timers_.end(),
                                 [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
    Timer timer{hwnd, id, elapse, proc, now + elapse};
    if (existing != timers_.end())
        *existing = timer; // Windows replaces the timer and restarts its period
    else
        timers_.push_back(timer);
    return id;
}

bool TimerTable::Kill(HWND hwnd, UINT_PTR id) {
    return std::erase_if(timers_, [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; }) > 0;
}

void TimerTable::KillAll(HWND hwnd) {
    std::erase_if(timers_, [&](const Timer& t) { return t.hwnd == hwnd; });
}

std::optional<MSG> TimerTable::TakeDue(DWORD now, HWND filter, bool anyWindow, bool remove) {
    Timer* earliest = nullptr;
    for (Timer& timer : timers_) {
        if (!IsDue(timer.due, now) || (!anyWindow && timer.hwnd != filter))
            continue;
        if (earliest == nullptr || static_cast<std::int32_t>(timer.due - earliest->due) < 0)
            earliest = &timer;
    }
    if (earliest == nullptr)
        return std::nullopt;
    MSG msg;
    msg.hwnd = earliest->hwnd;
    msg.message = WM_TIMER;
    msg.wParam = earliest->id;
    msg.lParam = reinterpret_cast<LPARAM>(earliest->proc);
    msg.time = now;
    if (remove)
        earliest->due = now + earliest->elapse;
    return msg;
}

DWORD TimerTable::TimeToNext(DWORD now) const {
    DWORD best = INFINITE;
    for (const Timer& timer : timers_) {
        const auto left = static_cast<std::int32_t>(timer.due - now);
        best = std::min<DWORD>(best, left <= 0 ? 0 : DWORD(left));
    }
    return best;
}

} // namespace win

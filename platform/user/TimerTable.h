#pragma once
// Window and thread timers. A due timer yields one WM_TIMER when the loop finds
// nothing else to do; it never piles up several.

#include "platform/user/UserTypes.h"

#include <optional>
#include <vector>

namespace win {

class TimerTable {
public:
    // Returns the id in use (new for a null window with id 0), 0 on failure.
    UINT_PTR Set(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc, DWORD now);
    bool Kill(HWND hwnd, UINT_PTR id);
    void KillAll(HWND hwnd);

    // The first due timer whose message passes `matches`; with `remove`, the
    // timer is rescheduled from `now`.
    std::optional<MSG> TakeDue(DWORD now, HWND filter, bool anyWindow, bool remove);
    // Milliseconds until the next timer is due (INFINITE when none).
    DWORD TimeToNext(DWORD now) const;
    std::size_t Count() const { return timers_.size(); }

private:
    struct Timer {
        HWND hwnd = nullptr;
        UINT_PTR id = 0;
        UINT elapse = 0;
        TIMERPROC proc = nullptr;
        DWORD due = 0;
    };
    std::vector<Timer> timers_;
    UINT_PTR nextThreadTimerId_ = 0x7FFF;
};

} // namespace win

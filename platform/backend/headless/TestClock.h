#pragma once
// A clock that moves only when told to, so timers fire exactly when a test
// says. Its date starts at the real one, so what a tool renders with it shows
// today, until a test sets another.

#include "platform/user/Clock.h"

#include <atomic>
#include <chrono>

namespace win::headless {

class TestClock final : public Clock {
public:
    explicit TestClock(DWORD start = 1000) : now_(start) {}
    DWORD Now() const override { return now_.load(); }
    std::int64_t UnixTime() const override { return unixMilliseconds_.load() / 1000; }
    void Advance(DWORD milliseconds) {
        now_ += milliseconds;
        unixMilliseconds_ += milliseconds;
    }
    void SetUnixTime(std::int64_t seconds) { unixMilliseconds_ = seconds * 1000; }

private:
    static std::int64_t RealUnixMilliseconds() {
        const auto since = std::chrono::system_clock::now().time_since_epoch();
        return std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
    }

    std::atomic<DWORD> now_;
    std::atomic<std::int64_t> unixMilliseconds_{RealUnixMilliseconds()};
};

} // namespace win::headless

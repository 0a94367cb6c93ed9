#pragma once
// A clock that moves only when told to, so timers fire exactly when a test
// says.

#include "platform/user/Clock.h"

#include <atomic>

namespace win::headless {

class TestClock final : public Clock {
public:
    explicit TestClock(DWORD start = 1000) : now_(start) {}
    DWORD Now() const override { return now_.load(); }
    void Advance(DWORD milliseconds) { now_ += milliseconds; }

private:
    std::atomic<DWORD> now_;
};

} // namespace win::headless

#pragma once
// The time source of the GUI thread's loop (timers, message times, double
// clicks, GetTickCount). Tests replace it with a clock they advance by hand.

#include "platform/kernel/WinTypes.h"

namespace win {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start; wraps like GetTickCount.
    virtual DWORD Now() const = 0;
};

class SystemClock final : public Clock {
public:
    DWORD Now() const override;
};

} // namespace win

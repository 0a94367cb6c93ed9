#pragma once
// The time source of the GUI thread's loop (timers, message times, double
// clicks, GetTickCount) and of the date the program shows by. Tests replace it
// with a clock they set and advance by hand.

#include "platform/kernel/WinTypes.h"

#include <cstdint>

namespace win {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start; wraps like GetTickCount.
    virtual DWORD Now() const = 0;
    // The current date and time as UTC seconds since 1970-01-01.
    virtual std::int64_t UnixTime() const = 0;
};

class SystemClock final : public Clock {
public:
    DWORD Now() const override;
    std::int64_t UnixTime() const override;
};

// The installed clock's date and time, as UTC seconds since 1970-01-01.
std::int64_t GetUnixTime();

} // namespace win

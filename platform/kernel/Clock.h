#pragma once
// Time: sleeping, the millisecond tick count, and the current date and time.

#include "platform/kernel/WinTypes.h"

#include <cstdint>

namespace win {

struct SYSTEMTIME {
    WORD wYear = 0;
    WORD wMonth = 0;     // 1..12
    WORD wDayOfWeek = 0; // 0 = Sunday
    WORD wDay = 0;
    WORD wHour = 0;
    WORD wMinute = 0;
    WORD wSecond = 0;
    WORD wMilliseconds = 0;
};

void Sleep(DWORD milliseconds);
// Milliseconds since an arbitrary start, from a clock that never goes backwards.
DWORD GetTickCount();
std::uint64_t GetTickCount64();
// The current date and time in the local time zone, and in UTC.
void GetLocalTime(SYSTEMTIME* time);
void GetSystemTime(SYSTEMTIME* time);

} // namespace win

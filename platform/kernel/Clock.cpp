#include "platform/kernel/Clock.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace win {

namespace {

enum class Zone { Local, Utc };

SYSTEMTIME Now(Zone zone) {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm parts{};
    if (zone == Zone::Local) {
        localtime_r(&now.tv_sec, &parts);
    } else {
        gmtime_r(&now.tv_sec, &parts);
    }
    SYSTEMTIME time;
    time.wYear = static_cast<WORD>(parts.tm_year + 1900);
    time.wMonth = static_cast<WORD>(parts.tm_mon + 1);
    time.wDayOfWeek = static_cast<WORD>(parts.tm_wday);
    time.wDay = static_cast<WORD>(parts.tm_mday);
    time.wHour = static_cast<WORD>(parts.tm_hour);
    time.wMinute = static_cast<WORD>(parts.tm_min);
    // A leap second (tm_sec 60) is folded into the last second, as Windows has none.
    time.wSecond = static_cast<WORD>(parts.tm_sec > 59 ? 59 : parts.tm_sec);
    time.wMilliseconds = static_cast<WORD>(now.tv_nsec / 1000000);
    return time;
}

} // namespace

void Sleep(DWORD milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

std::uint64_t GetTickCount64() {
    auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

DWORD GetTickCount() {
    return static_cast<DWORD>(GetTickCount64());
}

void GetLocalTime(SYSTEMTIME* time) {
    *time = Now(Zone::Local);
}

void GetSystemTime(SYSTEMTIME* time) {
    *time = Now(Zone::Utc);
}

} // namespace win

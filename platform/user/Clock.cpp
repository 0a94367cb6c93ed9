#include "platform/user/Clock.h"

#include "platform/user/Desktop.h"

#include <chrono>

namespace win {

DWORD SystemClock::Now() const {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

std::int64_t SystemClock::UnixTime() const {
    const auto since = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::seconds>(since).count();
}

std::int64_t GetUnixTime() {
    return Desktop::Get().Time().UnixTime();
}

} // namespace win

#include "platform/user/Clock.h"

#include <chrono>

namespace win {

DWORD SystemClock::Now() const {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

} // namespace win

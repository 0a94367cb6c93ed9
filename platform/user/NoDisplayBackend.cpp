#include "platform/user/NoDisplayBackend.h"

#include <chrono>

namespace win {

void NoDisplayBackend::PumpEvents(DWORD timeout) {
    std::unique_lock lock(mutex_);
    if (timeout == INFINITE)
        woken_.wait(lock, [this] { return wakePending_; });
    else
        woken_.wait_for(lock, std::chrono::milliseconds(timeout), [this] { return wakePending_; });
    wakePending_ = false;
}

void NoDisplayBackend::Wake() {
    {
        std::lock_guard lock(mutex_);
        wakePending_ = true;
    }
    woken_.notify_all();
}

} // namespace win

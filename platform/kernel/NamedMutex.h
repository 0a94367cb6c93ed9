#pragma once
// The kernel object behind a named mutex handle: an open lock file and whether
// this handle owns the lock.

#include "platform/kernel/Handle.h"

#include <string>
#include <string_view>

namespace win {

class NamedMutex : public KernelObject {
public:
    // Opens (creating if needed) the lock file; throws nothing: check IsOpen().
    explicit NamedMutex(const std::string& lockPath);
    ~NamedMutex() override;
    NamedMutex(const NamedMutex&) = delete;
    NamedMutex& operator=(const NamedMutex&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    // Takes the lock without waiting; false when another holder has it.
    bool TryAcquire();
    // Takes the lock, waiting at most milliseconds (INFINITE: no limit).
    bool Acquire(DWORD milliseconds);
    // Gives up one level of ownership; false when this handle does not own it.
    bool Release();
    // True while some other holder has the lock.
    bool IsHeldElsewhere();

    static std::string LockPathFor(std::string_view name);

private:
    int fd_;
    unsigned ownership_ = 0;
};

} // namespace win

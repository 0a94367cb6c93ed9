#include "platform/kernel/NamedMutex.h"

#include "platform/kernel/Clock.h"
#include "platform/kernel/Mutex.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace win {

namespace {

constexpr DWORD kPollMilliseconds = 10;

bool IsDirectory(const char* path) {
    struct stat info {};
    return path != nullptr && *path != '\0' && stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

// Slashes would make the name a path; any other character is fine in a file name.
std::string FileNameFor(std::string_view name) {
    std::string safe(name);
    for (char& c : safe) {
        if (c == '/' || c == '\\') {
            c = '_';
        }
    }
    return safe;
}

bool LockWithoutWaiting(int fd) {
    int result;
    do {
        result = flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

} // namespace

std::string NamedMutex::LockPathFor(std::string_view name) {
    const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    if (IsDirectory(runtimeDir)) {
        return std::string(runtimeDir) + "/" + FileNameFor(name) + ".lock";
    }
    return "/tmp/" + FileNameFor(name) + "-" + std::to_string(getuid()) + ".lock";
}

// O_NOFOLLOW: in a shared folder such as /tmp, a planted symbolic link must not
// redirect the open to some other file.
NamedMutex::NamedMutex(const std::string& lockPath)
    : fd_(open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600)) {}

NamedMutex::~NamedMutex() {
    if (fd_ >= 0) {
        close(fd_);
    }
}

bool NamedMutex::TryAcquire() {
    if (ownership_ > 0) {
        ++ownership_;
        return true;
    }
    if (!LockWithoutWaiting(fd_)) {
        return false;
    }
    ownership_ = 1;
    return true;
}

bool NamedMutex::Acquire(DWORD milliseconds) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        if (TryAcquire()) {
            return true;
        }
        if (milliseconds != INFINITE && Clock::now() >= deadline) {
            return false;
        }
        Sleep(kPollMilliseconds);
    }
}

bool NamedMutex::Release() {
    if (ownership_ == 0) {
        return false;
    }
    if (--ownership_ == 0) {
        flock(fd_, LOCK_UN);
    }
    return true;
}

bool NamedMutex::IsHeldElsewhere() {
    if (ownership_ > 0) {
        return false;
    }
    if (!LockWithoutWaiting(fd_)) {
        return true;
    }
    flock(fd_, LOCK_UN);
    return false;
}

} // namespace win

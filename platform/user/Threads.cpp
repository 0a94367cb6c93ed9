#include "platform/user/Threads.h"

#include <sys/syscall.h>
#include <unistd.h>

namespace win {

DWORD CurrentThreadId() {
    thread_local const DWORD id = static_cast<DWORD>(::syscall(SYS_gettid));
    return id;
}

} // namespace win

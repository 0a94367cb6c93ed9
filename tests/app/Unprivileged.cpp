#include "tests/app/Unprivileged.h"

#include <sys/wait.h>
#include <unistd.h>

namespace testing_support {

bool RunUnprivileged(const std::function<bool()>& check) {
    const pid_t child = ::fork();
    if (child == 0) {
        constexpr uid_t nobody = 65534;
        if (::geteuid() == 0 && (::setgid(nobody) != 0 || ::setuid(nobody) != 0))
            ::_exit(2);
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

} // namespace testing_support

#include "platform/shell/Process.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace win {

namespace {

class SpawnAttributes {
public:
    SpawnAttributes() {
        posix_spawnattr_init(&attributes_);
        posix_spawn_file_actions_init(&actions_);
        sigset_t none;
        sigemptyset(&none);
        sigset_t handled;
        sigemptyset(&handled);
        sigaddset(&handled, SIGPIPE);
        sigaddset(&handled, SIGCHLD);
        posix_spawnattr_setsigmask(&attributes_, &none);
        posix_spawnattr_setsigdefault(&attributes_, &handled);
        flags_ = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
    }
    ~SpawnAttributes() {
        posix_spawn_file_actions_destroy(&actions_);
        posix_spawnattr_destroy(&attributes_);
    }
    SpawnAttributes(const SpawnAttributes&) = delete;
    SpawnAttributes& operator=(const SpawnAttributes&) = delete;

    void NewSession() { flags_ |= POSIX_SPAWN_SETSID; }
    void NullInput() {
        posix_spawn_file_actions_addopen(&actions_, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    }
    void NullOutput() {
        posix_spawn_file_actions_addopen(&actions_, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions_, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    }
    void WorkingDirectory(const std::string& folder) {
        if (!folder.empty()) {
            posix_spawn_file_actions_addchdir_np(&actions_, folder.c_str());
        }
    }

    // Returns 0 or an errno value.
    int Spawn(const std::vector<std::string>& argv, pid_t* pid) {
        if (argv.empty()) {
            return EINVAL;
        }
        std::vector<char*> args;
        for (const std::string& arg : argv) {
            args.push_back(const_cast<char*>(arg.c_str()));
        }
        args.push_back(nullptr);
        posix_spawnattr_setflags(&attributes_, static_cast<short>(flags_));
        return posix_spawnp(pid, args[0], &actions_, &attributes_, args.data(), environ);
    }

private:
    posix_spawnattr_t attributes_;
    posix_spawn_file_actions_t actions_;
    int flags_ = 0;
};

void Reap(pid_t pid) {
    while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
}

} // namespace

int StartDetachedProcess(const std::vector<std::string>& argv, const std::string& workingDirectory,
                         ProgramOutput output) {
    SpawnAttributes spawn;
    spawn.NewSession();
    spawn.NullInput();
    if (output == ProgramOutput::Discarded) {
        spawn.NullOutput();
    }
    spawn.WorkingDirectory(workingDirectory);
    pid_t pid = 0;
    if (int error = spawn.Spawn(argv, &pid); error != 0) {
        return error;
    }
    try {
        std::thread(Reap, pid).detach();
    } catch (const std::system_error&) {
        // Without a reaper the child still runs; it stays a zombie until we end.
    }
    return 0;
}

bool RunProcessWithTimeLimit(const std::vector<std::string>& argv, DWORD milliseconds) {
    SpawnAttributes spawn;
    spawn.NullInput();
    spawn.NullOutput();
    pid_t pid = 0;
    if (spawn.Spawn(argv, &pid) != 0) {
        return false;
    }
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    int status = 0;
    for (;;) {
        pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        }
        if (done < 0 && errno != EINTR) {
            return false;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            kill(pid, SIGKILL);
            Reap(pid);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

} // namespace win

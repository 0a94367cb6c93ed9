#include "XvfbServer.h"

#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace win::test {

XvfbServer::XvfbServer() {
    for (int number = 90; number < 140; ++number) {
        if (std::filesystem::exists("/tmp/.X" + std::to_string(number) + "-lock"))
            continue;
        display_ = ":" + std::to_string(number);
        const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
        std::array<const char*, 8> argv{"Xvfb",        display_.c_str(), "-screen", "0",
                                        "1024x768x24", "-nolisten",      "tcp",     nullptr};
        if (posix_spawnp(&pid_, "Xvfb", nullptr, nullptr, const_cast<char**>(argv.data()),
                         environ) != 0) {
            pid_ = -1;
            return;
        }
        for (int wait = 0; wait < 100 && !std::filesystem::exists(socket); ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        // Another server may have taken the number meanwhile: ours must live.
        if (std::filesystem::exists(socket) && waitpid(pid_, nullptr, WNOHANG) == 0)
            return;
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
}

XvfbServer::~XvfbServer() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
}

std::string RunWithDisplay(const std::string& display, const std::string& command) {
    const std::string line = "DISPLAY=" + display + " " + command;
    FILE* pipe = popen(line.c_str(), "r");
    if (pipe == nullptr)
        return {};
    std::string output;
    std::array<char, 256> buffer{};
    while (std::fgets(buffer.data(), int(buffer.size()), pipe) != nullptr)
        output += buffer.data();
    pclose(pipe);
    return output;
}

} // namespace win::test

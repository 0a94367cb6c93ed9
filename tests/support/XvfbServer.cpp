#include "tests/support/XvfbServer.h"

#include <X11/Xlib.h>
#include <array>
#include <csignal>
#include <cstdio>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace win::test {

// Xvfb picks a free display number itself and writes it to the pipe once it
// accepts connections: no race with other servers starting at the same time.
XvfbServer::XvfbServer() {
    int ready[2];
    if (pipe(ready) != 0)
        return;
    const std::string fd = std::to_string(ready[1]);
    std::array<const char*, 10> argv{"Xvfb",        "-displayfd", fd.c_str(), "-screen", "0",
                                     "1024x768x24", "-nolisten",  "tcp",      nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, ready[0]);
    const int spawned =
        posix_spawnp(&pid_, "Xvfb", &actions, nullptr, const_cast<char**>(argv.data()), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(ready[1]);
    if (spawned != 0) {
        pid_ = -1;
        close(ready[0]);
        return;
    }
    std::string number;
    pollfd wait{ready[0], POLLIN, 0};
    char c = 0;
    while (poll(&wait, 1, 10000) == 1 && read(ready[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(ready[0]);
    if (c == '\n' && !number.empty()) {
        display_ = ":" + number;
        return;
    }
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

XvfbServer::~XvfbServer() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
}

XClientWindow::XClientWindow(const std::string& display, int x, int y, int width, int height)
    : connection_(XOpenDisplay(display.c_str())) {
    if (connection_ == nullptr)
        return;
    const int screen = DefaultScreen(connection_);
    window_ = XCreateSimpleWindow(connection_, RootWindow(connection_, screen), x, y,
                                  unsigned(width), unsigned(height), 0,
                                  BlackPixel(connection_, screen), WhitePixel(connection_, screen));
    XMapWindow(connection_, window_);
    XSync(connection_, False);
}

XClientWindow::~XClientWindow() {
    if (connection_ != nullptr)
        XCloseDisplay(connection_);
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

#pragma once
// A private X server for end-to-end tests: Xvfb on a display number it finds
// free, stopped (by its own process id) when the object goes.

#include <string>
#include <sys/types.h>

struct _XDisplay; // Xlib's connection

namespace win::test {

class XvfbServer {
public:
    XvfbServer();
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    bool Running() const { return pid_ > 0; }
    const std::string& Display() const { return display_; }

private:
    pid_t pid_ = -1;
    std::string display_;
};

// A plain window of another X client (its own connection), mapped at once;
// it goes with the object.
class XClientWindow {
public:
    XClientWindow(const std::string& display, int x, int y, int width, int height);
    ~XClientWindow();
    XClientWindow(const XClientWindow&) = delete;
    XClientWindow& operator=(const XClientWindow&) = delete;

    bool Open() const { return connection_ != nullptr; }
    unsigned long Id() const { return window_; }

private:
    ::_XDisplay* connection_ = nullptr;
    unsigned long window_ = 0;
};

// Runs a shell command with DISPLAY set; returns its standard output.
std::string RunWithDisplay(const std::string& display, const std::string& command);

} // namespace win::test

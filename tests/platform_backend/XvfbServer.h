#pragma once
// A private X server for end-to-end tests: Xvfb on the first free display
// number, stopped (by its own process id) when the object goes.

#include <string>
#include <sys/types.h>

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

// Runs a shell command with DISPLAY set; returns its standard output.
std::string RunWithDisplay(const std::string& display, const std::string& command);

} // namespace win::test

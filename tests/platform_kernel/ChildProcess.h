#pragma once
// A child process for tests: started with pipes on its standard input and
// output, so a test can read what it says and end it by closing its input or by
// a signal.

#include <string>
#include <sys/types.h>
#include <vector>

namespace testing_support {

class ChildProcess {
public:
    explicit ChildProcess(const std::vector<std::string>& argv);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // One line of the child's output without its line feed; empty at the end.
    std::string ReadLine();
    void CloseInput();
    void Kill(int signal);
    // Waits for the child to end and returns its wait status.
    int Wait();

private:
    pid_t pid_ = -1;
    int input_ = -1;
    int output_ = -1;
};

} // namespace testing_support

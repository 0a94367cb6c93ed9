#include "app/InstanceGuard.h"

#include "platform/kernel/Handle.h"
#include "tests/platform_shell/TempFolder.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <thread>

namespace {

using testing_support::ScopedEnvironment;
using testing_support::TempFolder;

// What a started copy printed, and its exit code.
struct Outcome {
    std::string output;
    int exitCode = -1;
};

Outcome StartCopy(const std::string& arguments) {
    const std::string command =
        std::string("'") + APP_INSTANCE_PROBE + "' " + arguments + " </dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    Outcome outcome;
    if (pipe == nullptr)
        return outcome;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
        outcome.output += buffer;
    const int status = ::pclose(pipe);
    outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

// The lock files live in a runtime folder of the test's own.
class InstanceGuardTest : public testing::Test {
protected:
    InstanceGuardTest() : runtime_("XDG_RUNTIME_DIR", folder_.path().string()) {}

    TempFolder folder_;
    ScopedEnvironment runtime_;
};

TEST_F(InstanceGuardTest, SecondCopyEndsSilently) {
    EXPECT_EQ(StartCopy("").output, "started\n") << "nobody holds the mutex yet";

    win::HANDLE first = TakeInstanceMutex(kInstanceMutexName, 0);
    ASSERT_NE(first, nullptr);
    for (const char* arguments : {"", "some/file.txt"}) {
        const Outcome second = StartCopy(arguments);
        EXPECT_EQ(second.output, "") << arguments;
        EXPECT_EQ(second.exitCode, 0) << arguments;
    }
    win::CloseHandle(first);
}

TEST_F(InstanceGuardTest, UpdateStartWaitsForTheEndingInstance) {
    win::HANDLE ending = TakeInstanceMutex(kInstanceMutexName, 0);
    ASSERT_NE(ending, nullptr);
    std::thread release([ending] {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        win::CloseHandle(ending);
    });
    const Outcome update = StartCopy("-UP");
    release.join();
    EXPECT_EQ(update.output, "started\n");
}

TEST_F(InstanceGuardTest, OnlyOneHolderInOneProcessToo) {
    win::HANDLE first = TakeInstanceMutex("TelvoraGuardTest", 0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(TakeInstanceMutex("TelvoraGuardTest", 0), nullptr);
    EXPECT_EQ(TakeInstanceMutex("TelvoraGuardTest", 50), nullptr);
    win::CloseHandle(first);
    win::HANDLE again = TakeInstanceMutex("TelvoraGuardTest", 0);
    EXPECT_NE(again, nullptr);
    win::CloseHandle(again);
}

} // namespace

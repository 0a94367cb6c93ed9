#include "platform/kernel/Mutex.h"

#include "platform/kernel/Clock.h"
#include "platform/kernel/SystemMessage.h"
#include "tests/platform_kernel/ChildProcess.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace win;
using testing_support::ChildProcess;

// Test cases run in parallel processes: each uses a name of its own.
std::string UniqueName(const char* what) {
    return std::string("TelvoraTest-") + what + "-" + std::to_string(getpid());
}

struct OwnedMutex {
    HANDLE handle;
    DWORD error;
};

OwnedMutex Create(const std::string& name, BOOL initialOwner = TRUE) {
    SetLastError(0xBAD);
    HANDLE handle = CreateMutex(nullptr, initialOwner, name);
    return {handle, GetLastError()};
}

TEST(Mutex, FirstCreatorOwnsAndASecondInTheSameProcessSeesItExists) {
    const std::string name = UniqueName("same-process");
    OwnedMutex first = Create(name);
    ASSERT_NE(first.handle, nullptr);
    EXPECT_EQ(first.error, ERROR_SUCCESS);
    OwnedMutex second = Create(name);
    ASSERT_NE(second.handle, nullptr);
    EXPECT_EQ(second.error, ERROR_ALREADY_EXISTS);
    EXPECT_EQ(Create(name, FALSE).error, ERROR_ALREADY_EXISTS);
    EXPECT_TRUE(CloseHandle(second.handle));
    EXPECT_TRUE(CloseHandle(first.handle));
    OwnedMutex third = Create(name);
    EXPECT_EQ(third.error, ERROR_SUCCESS);
    EXPECT_TRUE(CloseHandle(third.handle));
    EXPECT_FALSE(CloseHandle(third.handle));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

TEST(Mutex, AnotherProcessHoldingItMakesItExistUntilThatProcessExits) {
    const std::string name = UniqueName("other-process");
    ChildProcess holder({TEST_LOCK_HOLDER_PATH, name});
    ASSERT_EQ(holder.ReadLine(), "held");
    OwnedMutex mine = Create(name);
    EXPECT_EQ(mine.error, ERROR_ALREADY_EXISTS);
    EXPECT_EQ(WaitForSingleObject(mine.handle, 50), WAIT_TIMEOUT);
    holder.CloseInput();
    holder.Wait();
    EXPECT_EQ(WaitForSingleObject(mine.handle, 0), WAIT_OBJECT_0);
    CloseHandle(mine.handle);
}

TEST(Mutex, KillNineReleasesIt) {
    const std::string name = UniqueName("kill");
    ChildProcess holder({TEST_LOCK_HOLDER_PATH, name});
    ASSERT_EQ(holder.ReadLine(), "held");
    holder.Kill(SIGKILL);
    int status = holder.Wait();
    ASSERT_TRUE(WIFSIGNALED(status));
    OwnedMutex mine = Create(name);
    EXPECT_EQ(mine.error, ERROR_SUCCESS);
    CloseHandle(mine.handle);
}

TEST(Mutex, WaitReturnsAsSoonAsTheHolderLetsGo) {
    const std::string name = UniqueName("wait");
    ChildProcess holder({TEST_LOCK_HOLDER_PATH, name});
    ASSERT_EQ(holder.ReadLine(), "held");
    OwnedMutex mine = Create(name);
    ASSERT_EQ(mine.error, ERROR_ALREADY_EXISTS);
    std::thread releaser([&] {
        Sleep(200);
        holder.CloseInput();
    });
    EXPECT_EQ(WaitForSingleObject(mine.handle, 20000), WAIT_OBJECT_0);
    releaser.join();
    // Now this process holds it: a new process sees it exists.
    ChildProcess second({TEST_LOCK_HOLDER_PATH, name});
    EXPECT_EQ(second.ReadLine(), "exists");
    CloseHandle(mine.handle);
}

TEST(Mutex, ProgramsStartedByTheOwnerDoNotInheritIt) {
    const std::string name = UniqueName("inherit");
    OwnedMutex mine = Create(name);
    ASSERT_EQ(mine.error, ERROR_SUCCESS);
    // A long-running child started while the lock is held, holding a different name.
    ChildProcess bystander({TEST_LOCK_HOLDER_PATH, UniqueName("bystander")});
    ASSERT_EQ(bystander.ReadLine(), "held");
    CloseHandle(mine.handle);
    // Had the bystander inherited the lock file, the lock would still be held.
    ChildProcess next({TEST_LOCK_HOLDER_PATH, name});
    EXPECT_EQ(next.ReadLine(), "held");
}

TEST(Mutex, OwnershipIsRecursiveAndOnlyTheOwnerReleases) {
    const std::string name = UniqueName("recursive");
    OwnedMutex mine = Create(name);
    EXPECT_EQ(WaitForSingleObject(mine.handle, 0), WAIT_OBJECT_0);
    EXPECT_TRUE(ReleaseMutex(mine.handle));
    EXPECT_EQ(Create(name, FALSE).error, ERROR_ALREADY_EXISTS) << "still owned once";
    EXPECT_TRUE(ReleaseMutex(mine.handle));
    EXPECT_FALSE(ReleaseMutex(mine.handle));
    EXPECT_EQ(GetLastError(), ERROR_NOT_OWNER);
    OwnedMutex other = Create(name, FALSE);
    EXPECT_EQ(other.error, ERROR_SUCCESS);
    EXPECT_EQ(WaitForSingleObject(other.handle, 0), WAIT_OBJECT_0);
    CloseHandle(other.handle);
    CloseHandle(mine.handle);
    EXPECT_EQ(WaitForSingleObject(mine.handle, 0), WAIT_FAILED);
}

TEST(Mutex, LockFileLivesInTheRuntimeFolder) {
    const std::filesystem::path runtime =
        std::filesystem::path(testing::TempDir()) / ("runtime-" + std::to_string(getpid()));
    std::filesystem::create_directories(runtime);
    const char* previous = getenv("XDG_RUNTIME_DIR");
    const std::string saved = previous ? previous : "";
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    OwnedMutex mine = Create("Telvora/Test");
    EXPECT_TRUE(std::filesystem::exists(runtime / "Telvora_Test.lock"));
    CloseHandle(mine.handle);
    if (previous) {
        setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
    } else {
        unsetenv("XDG_RUNTIME_DIR");
    }
    std::filesystem::remove_all(runtime);
    EXPECT_EQ(CreateMutex(nullptr, TRUE, ""), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

} // namespace

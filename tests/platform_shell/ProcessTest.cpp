#include "platform/shell/Process.h"

#include "platform/kernel/Clock.h"

#include <chrono>
#include <dirent.h>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

using namespace win;

// Children of this process that have ended but were never waited for.
int ZombieChildren() {
    int zombies = 0;
    DIR* proc = opendir("/proc");
    while (dirent* entry = readdir(proc)) {
        std::ifstream stat(std::string("/proc/") + entry->d_name + "/stat");
        std::string line;
        if (!std::getline(stat, line) || line.rfind(')') == std::string::npos) {
            continue;
        }
        // Fields after the command name: state, then the parent's id.
        std::istringstream rest(line.substr(line.rfind(')') + 2));
        char state = 0;
        pid_t parent = 0;
        rest >> state >> parent;
        zombies += state == 'Z' && parent == getpid() ? 1 : 0;
    }
    closedir(proc);
    return zombies;
}

TEST(Process, DetachedProgramsAreReapedWhenTheyEnd) {
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(StartDetachedProcess({"true"}, "", ProgramOutput::Discarded), 0);
    }
    int zombies = -1;
    for (int tries = 0; tries < 100 && zombies != 0; ++tries) {
        Sleep(20);
        zombies = ZombieChildren();
    }
    EXPECT_EQ(zombies, 0);
    EXPECT_EQ(StartDetachedProcess({"/no/such/program"}, "", ProgramOutput::Discarded), ENOENT);
}

TEST(Process, RunWithTimeLimitReportsExitAndKillsWhatOverruns) {
    EXPECT_TRUE(RunProcessWithTimeLimit({"true"}, 5000));
    EXPECT_FALSE(RunProcessWithTimeLimit({"false"}, 5000));
    EXPECT_FALSE(RunProcessWithTimeLimit({"/no/such/program"}, 5000));
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(RunProcessWithTimeLimit({"sleep", "30"}, 100));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    EXPECT_EQ(ZombieChildren(), 0);
}

} // namespace

#include "app/StartMode.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

TEST(StartMode, ArgumentsDecideTheStart) {
    struct Case {
        std::vector<std::string> arguments;
        bool normalStart;
        int updateRequests;
    };
    const Case cases[] = {
        {{}, true, 0},
        {{"-up"}, false, 1},
        {{"-UP"}, false, 1},
        {{"-Up"}, false, 1},
        {{"-up", "-up"}, false, 2},
        {{"/home/u/schedule.txt"}, false, 0},
        {{""}, false, 0},
        {{"-up "}, false, 0},
        {{"up"}, false, 0},
        {{"x", "-uP"}, false, 1},
        // Only ASCII letters are lower-cased: a full-width letter is not "u".
        {{"-\xef\xbd\x95p"}, false, 0},
    };
    for (const Case& c : cases) {
        const TStartMode mode = StartModeFor(c.arguments);
        const std::string shown = c.arguments.empty() ? "(none)" : c.arguments.front();
        EXPECT_EQ(mode.NormalStart, c.normalStart) << shown;
        EXPECT_EQ(mode.UpdateRequests, c.updateRequests) << shown;
        EXPECT_EQ(mode.UpdateStart(), c.updateRequests > 0) << shown;
    }
}

} // namespace

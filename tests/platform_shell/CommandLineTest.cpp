#include "platform/shell/CommandLine.h"

#include <gtest/gtest.h>

namespace {

using Arguments = std::vector<std::string>;

TEST(CommandLine, SplitsByWindowsRules) {
    const struct {
        const char* parameters;
        Arguments expected;
    } cases[] = {
        {"", {}},
        {"   ", {}},
        {"-up", {"-up"}},
        {"  a\tb  c ", {"a", "b", "c"}},
        {R"("with space" x)", {"with space", "x"}},
        {R"(a"b c"d)", {"ab cd"}},
        {R"("")", {""}},
        {R"(a\b\\c)", {R"(a\b\\c)"}},  // backslashes not before a quote are literal
        {R"(a\"b)", {R"(a"b)"}},       // 2n+1 backslashes: literal quote
        {R"(a\\"b c")", {R"(a\b c)"}}, // 2n backslashes: the quote groups
        {R"("a""b")", {R"(a"b)"}},     // "" inside quotes
        {R"("unterminated text)", {"unterminated text"}},
        {"中文 参数", {"中文", "参数"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(win::SplitCommandLine(c.parameters), c.expected) << c.parameters;
    }
}

} // namespace

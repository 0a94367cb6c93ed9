// telvora-tool read FILE: a schedule file's lines as the schedule view shows them.

#include "catalogue/ScheduleText.h"
#include "tools/telvora-tool/CommandTable.h"

#include <cstdio>

namespace {

int RunRead(std::span<const std::string> args) {
    if (args.size() != 1) {
        throw tool::UsageError("expected one file");
    }
    const std::vector<std::string> lines = catalogue::ReadScheduleFile(args[0]);
    std::string out;
    for (const std::string& line : lines) {
        out += line;
        out += '\n';
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return tool::kExitOk;
}

const tool::CommandRegistrar kRead({"read", "FILE", "print a schedule file's decoded lines",
                                    RunRead});

} // namespace

// telvora-tool names NAME...: the display name of each channel file name.

#include "catalogue/ChannelName.h"
#include "tools/telvora-tool/CommandTable.h"

#include <cstdio>

namespace {

int RunNames(std::span<const std::string> args) {
    if (args.empty()) {
        throw tool::UsageError("no name given");
    }
    std::string out;
    for (const std::string& name : args) {
        out += catalogue::ChannelDisplayName(name);
        out += '\n';
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return tool::kExitOk;
}

const tool::CommandRegistrar kNames({"names", "NAME...",
                                     "print the display name of each channel file name", RunNames});

} // namespace

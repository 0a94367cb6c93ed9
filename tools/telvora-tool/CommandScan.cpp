// telvora-tool scan DIR: the channel list a catalogue load of DIR fills.

#include "catalogue/function_module.h"
#include "tools/telvora-tool/CommandTable.h"

#include <cstdio>

namespace {

int RunScan(std::span<const std::string> args) {
    if (args.size() != 1) {
        throw tool::UsageError("expected one folder");
    }
    if (args[0].empty()) {
        throw tool::UsageError("the folder name is empty");
    }
    fw::TStringList names;
    fw::TStringList paths;
    fw::TStringList folders;
    const std::string status = catalogue::ScanListingFolder(args[0], {names, paths, folders});
    std::string out;
    for (int i = 0; i < names.Count(); ++i) {
        out += names.Strings(i);
        out += '\t';
        out += paths.Strings(i);
        out += '\n';
    }
    out += status;
    out += '\n';
    std::fwrite(out.data(), 1, out.size(), stdout);
    return tool::kExitOk;
}

const tool::CommandRegistrar
    kScan({"scan", "DIR", "list the channels under DIR in walk order, then the status", RunScan});

} // namespace

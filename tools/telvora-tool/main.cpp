// telvora-tool: a command-line companion over the program's own code.

#include "tools/telvora-tool/CommandTable.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

void PrintUsage(std::FILE* to) {
    std::fprintf(to, "usage: telvora-tool COMMAND [ARGS...]\n\ncommands:\n");
    for (const tool::Command& c : tool::Commands()) {
        std::string line = std::string(c.name) + " " + std::string(c.usage);
        // Two blanks at least, so a long usage never runs into its summary.
        std::fprintf(to, "  %-36s  %.*s\n", line.c_str(), int(c.summary.size()), c.summary.data());
    }
}

// Errors are one line: a message's own line breaks become single spaces.
std::string OneLine(std::string_view message) {
    std::string out;
    for (std::size_t i = 0; i < message.size(); ++i) {
        char ch = message[i];
        if (ch == '\r' || ch == '\n') {
            if (ch == '\r' && i + 1 < message.size() && message[i + 1] == '\n') {
                ++i;
            }
            out += ' ';
        } else {
            out += ch;
        }
    }
    return out;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h") {
        PrintUsage(argc < 2 ? stderr : stdout);
        return argc < 2 ? tool::kExitUsage : tool::kExitOk;
    }
    const tool::Command* command = tool::FindCommand(argv[1]);
    if (command == nullptr) {
        std::fprintf(stderr, "telvora-tool: unknown command \"%s\"\n", argv[1]);
        return tool::kExitUsage;
    }
    std::vector<std::string> args(argv + 2, argv + argc);
    try {
        return command->run(args);
    } catch (const tool::UsageError& e) {
        std::fprintf(stderr, "telvora-tool %.*s: %s\nusage: telvora-tool %.*s %.*s\n",
                     int(command->name.size()), command->name.data(), OneLine(e.what()).c_str(),
                     int(command->name.size()), command->name.data(), int(command->usage.size()),
                     command->usage.data());
        return tool::kExitUsage;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", OneLine(e.what()).c_str());
        return tool::kExitFailure;
    }
}

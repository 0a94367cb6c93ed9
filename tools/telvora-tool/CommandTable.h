#pragma once
// The table of telvora-tool subcommands. A subcommand lives in a file of its own
// and registers itself with a static CommandRegistrar, so subsystems add their
// commands without touching the tool's entry point.

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tool {

enum ExitCode : int { kExitOk = 0, kExitFailure = 1, kExitUsage = 2 };

// Thrown by a command whose arguments are wrong; the tool prints the message
// and the command's usage and exits with kExitUsage.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Command {
    std::string_view name;
    std::string_view usage;   // the arguments after the name, e.g. "ARCHIVE DIR"
    std::string_view summary; // one line for the tool's help
    // Runs with the arguments after the name; returns an ExitCode. Failures are
    // reported by throwing: the tool prints the message as one line on stderr.
    int (*run)(std::span<const std::string> args);
};

class CommandRegistrar {
public:
    explicit CommandRegistrar(const Command& command);
};

const std::vector<Command>& Commands();
const Command* FindCommand(std::string_view name);

} // namespace tool

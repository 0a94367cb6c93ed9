#pragma once
// Starting other programs. Detached programs get their own session and /dev/null
// as standard input, and are reaped by a thread of their own, so they neither
// stop with this program's terminal nor linger as zombies. Default signal
// handling is restored for them (this program may ignore SIGPIPE).

#include "platform/kernel/WinTypes.h"

#include <string>
#include <vector>

namespace win {

enum class ProgramOutput { Inherited, Discarded };

// Starts argv[0] (searched in PATH when it has no slash) in workingDirectory
// (empty: this program's) and does not wait for it. Returns 0 or an errno value.
int StartDetachedProcess(const std::vector<std::string>& argv, const std::string& workingDirectory,
                         ProgramOutput output);

// Runs argv[0] (searched in PATH when it has no slash) with its output discarded
// and waits at most milliseconds for it, killing it when the time is up.
// Returns true when it ran and exited with status 0.
bool RunProcessWithTimeLimit(const std::vector<std::string>& argv, DWORD milliseconds);

} // namespace win

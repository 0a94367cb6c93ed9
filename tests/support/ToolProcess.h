#pragma once
// Runs a program to its end as a script would, with its standard output and
// error caught in files of a scratch folder, and gives back both and the exit
// status.

#include <string>
#include <vector>

struct ToolProcessRun {
    int exitCode; // -1 when the program did not run to its end
    std::string out;
    std::string err;
};

// program: its path; scratch: an existing folder for the caught output.
ToolProcessRun RunToolProcess(const std::string& program, std::vector<std::string> args,
                              const std::string& scratch);

#pragma once
// Runs a program to its end and measures it as a whole: wall time, processor
// time (user and system) and peak resident memory.

#include <string>
#include <vector>

struct ProcessMeasure {
    double seconds;    // wall time
    double cpuSeconds; // user + system
    long peakKiB;      // peak resident set
};

// Standard output goes to /dev/null. Raises std::runtime_error when the program
// cannot start or does not exit with 0.
ProcessMeasure RunMeasured(std::vector<std::string> args);

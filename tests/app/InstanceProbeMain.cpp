// Stands in for the program: prints "started" when the instance guard lets it
// run, and holds the instance mutex until its standard input closes.
#include "app/ProcessEntry.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return RunProcessEntry(arguments, [] {
        std::puts("started");
        std::fflush(stdout);
        while (std::getchar() != EOF) {
        }
        return 0;
    });
}

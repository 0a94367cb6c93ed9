#pragma once
// The process entry before any window exists: the single-instance guard, then
// the application.

#include <functional>
#include <span>
#include <string>

// Takes the instance mutex (an update start first waits for the ending
// instance to let it go) and then runs runApplication, returning its exit code.
// A refused instance ends at once with code 0, silently, without running it.
int RunProcessEntry(std::span<const std::string> arguments,
                    const std::function<int()>& runApplication);

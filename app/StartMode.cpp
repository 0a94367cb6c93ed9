#include "app/StartMode.h"

#include <algorithm>

namespace {

bool IsUpdateOption(const std::string& argument) {
    std::string lower = argument;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) {
        return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : char(c);
    });
    return lower == "-up";
}

} // namespace

TStartMode StartModeFor(std::span<const std::string> arguments) {
    TStartMode mode;
    mode.NormalStart = arguments.empty();
    mode.UpdateRequests =
        static_cast<int>(std::count_if(arguments.begin(), arguments.end(), IsUpdateOption));
    return mode;
}

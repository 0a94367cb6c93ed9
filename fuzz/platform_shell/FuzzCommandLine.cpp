// The parameter splitter: every input splits, and no argument is longer than the input.

#include "platform/shell/CommandLine.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const std::string& argument : win::SplitCommandLine(text)) {
        if (argument.size() > size) {
            std::abort();
        }
    }
    return 0;
}

// The user-dirs reader: every value it accepts is an absolute folder.

#include "platform/shell/UserDirs.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const auto& [key, folder] : win::ParseUserDirs(text, "/home/user")) {
        if (key.empty() || folder.empty() || folder.front() != '/') {
            std::abort();
        }
    }
    return 0;
}

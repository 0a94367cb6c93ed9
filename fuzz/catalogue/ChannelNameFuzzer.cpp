// Display-name rules on arbitrary file names: never a crash, and the result is
// always text the list box can show.

#include "catalogue/ChannelName.h"
#include "catalogue/Utf8Text.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view name(reinterpret_cast<const char*>(data), size);
    const std::string displayName = catalogue::ChannelDisplayName(name);
    if (!catalogue::IsValidUtf8(displayName)) {
        std::abort();
    }
    catalogue::IsChannelFileName(name);
    return 0;
}

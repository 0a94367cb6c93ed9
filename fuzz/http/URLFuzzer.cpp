// URL splitting and path resolution.

#include "http/NetURI.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::size_t split = text.find('\n');
    TNetURI uri(text.substr(0, split));
    if (split != std::string_view::npos) {
        TNetURI::ProcessPath(uri.Path(), TNetURI(text.substr(split + 1)).Path());
    }
    return 0;
}

// The scan of HTML pages for the header values they declare.

#include "http/NetHTMLMeta.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TNetHeaderList declared;
    ParseMetaHTTPEquiv(std::string_view(reinterpret_cast<const char*>(data), size), declared);
    return 0;
}

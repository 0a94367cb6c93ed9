// Raw zip item-name bytes to UTF-8: any input decodes, and the result is always
// well-formed UTF-8 that a path check can take apart.

#include "archive/ExtractTarget.h"
#include "archive/Utf8Reader.h"
#include "archive/ZipItemName.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string raw(reinterpret_cast<const char*>(data), size);
    const std::string name = archive::DecodeZipItemName(raw);
    if (!archive::TUtf8Reader::IsValid(name))
        std::abort();
    if (auto segments = archive::TExtractTarget::SafeSegments(name)) {
        for (std::string_view segment : *segments) {
            if (segment.empty() || segment == "..")
                std::abort();
        }
    }
    return 0;
}

// Format and FormatDateTime over arbitrary patterns: either a result or
// EConvertError, never a crash or an oversized result.

#include "framework/Exception.h"
#include "framework/Format.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view pattern(reinterpret_cast<const char*>(data), size);
    try {
        const std::string text = fw::Format(pattern, 42, -7, "电视", 2.5, std::uint64_t(1) << 63,
                                            static_cast<const void*>(data), "x");
        // Field sizes are capped, so the output is bounded by the pattern.
        if (text.size() > (size + 1) * (1 << 17))
            std::abort();
    } catch (const fw::EConvertError&) {
    }
    try {
        fw::FormatDateTime(pattern, fw::EncodeDateTime(2011, 9, 12, 23, 59, 58, 999));
    } catch (const fw::EConvertError&) {
    }
    return 0;
}

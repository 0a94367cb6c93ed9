// The decoders: any bytes decode to valid UTF-8, and valid UTF-8 survives the
// round trip through the ANSI code page.

#include "platform/kernel/CodePage.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

bool IsValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        auto c = static_cast<unsigned char>(text[i]);
        std::size_t length = c < 0x80         ? 1
                             : (c >> 5) == 6  ? 2
                             : (c >> 4) == 14 ? 3
                             : (c >> 3) == 30 ? 4
                                              : 0;
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string fromAnsi = win::AnsiToUtf8(bytes);
    if (!IsValidUtf8(fromAnsi) || !IsValidUtf8(win::Utf16LeToUtf8(bytes)) ||
        !IsValidUtf8(win::Utf16BeToUtf8(bytes))) {
        std::abort();
    }
    // Decoded text holds no invalid UTF-8; U+FFFD itself is encodable, so the
    // round trip must give the same text back.
    if (win::AnsiToUtf8(win::Utf8ToAnsi(fromAnsi)) != fromAnsi) {
        std::abort();
    }
    return 0;
}

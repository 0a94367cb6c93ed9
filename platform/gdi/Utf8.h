#pragma once
// Decoding UTF-8 one character at a time, without allocating: malformed
// sequences decode as U+FFFD and consume one byte, so any input makes progress.

#include <cstddef>
#include <string_view>

namespace win {

struct Utf8Char {
    char32_t code;
    std::size_t length;
};

constexpr Utf8Char DecodeUtf8(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char b0 = byte(at);
    if (b0 < 0x80)
        return {b0, 1};
    std::size_t length = 0;
    char32_t code = 0;
    char32_t minimum = 0;
    if ((b0 & 0xE0) == 0xC0) {
        length = 2, code = b0 & 0x1F, minimum = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        length = 3, code = b0 & 0x0F, minimum = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        length = 4, code = b0 & 0x07, minimum = 0x10000;
    } else {
        return {0xFFFD, 1};
    }
    if (at + length > text.size())
        return {0xFFFD, 1};
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return {0xFFFD, 1};
        code = (code << 6) | (byte(at + i) & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return {0xFFFD, 1};
    return {code, length};
}

} // namespace win

#include "framework/Utf8.h"

namespace fw {

namespace {

// Bytes in the sequence starting at text[pos], clipped to the text.
std::size_t SequenceLength(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    std::size_t n = 1;
    while (n < length && pos + n < text.size() &&
           (static_cast<unsigned char>(text[pos + n]) & 0xC0) == 0x80)
        ++n;
    return n;
}

} // namespace

std::size_t Utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += SequenceLength(text, pos))
        ++count;
    return count;
}

std::string_view Utf8Prefix(std::string_view text, std::size_t count) {
    std::size_t pos = 0;
    for (; pos < text.size() && count > 0; --count)
        pos += SequenceLength(text, pos);
    return text.substr(0, pos);
}

} // namespace fw

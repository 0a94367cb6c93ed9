#include "archive/Utf8Reader.h"

namespace archive {

namespace {

// The first byte decides the sequence length, the smallest value the sequence may
// encode (shorter forms are overlong) and the payload bits it carries.
struct TLeadByte {
    std::size_t length;
    char32_t minimum;
    char32_t payload;
};

std::optional<TLeadByte> ClassifyLead(unsigned char b) {
    if (b < 0x80)
        return TLeadByte{1, 0, b};
    if ((b & 0xE0) == 0xC0)
        return TLeadByte{2, 0x80, static_cast<char32_t>(b & 0x1F)};
    if ((b & 0xF0) == 0xE0)
        return TLeadByte{3, 0x800, static_cast<char32_t>(b & 0x0F)};
    if ((b & 0xF8) == 0xF0)
        return TLeadByte{4, 0x10000, static_cast<char32_t>(b & 0x07)};
    return std::nullopt;
}

} // namespace

std::optional<unsigned char> TUtf8Reader::Peek(std::size_t offset) const {
    if (FBytes.size() - FPosition <= offset)
        return std::nullopt;
    return static_cast<unsigned char>(FBytes[FPosition + offset]);
}

std::optional<char32_t> TUtf8Reader::Next() {
    const std::optional<unsigned char> first = Peek(0);
    if (!first)
        return std::nullopt;
    const std::optional<TLeadByte> lead = ClassifyLead(*first);
    if (!lead) {
        ++FPosition;
        return std::nullopt;
    }
    char32_t value = lead->payload;
    for (std::size_t i = 1; i < lead->length; ++i) {
        const std::optional<unsigned char> next = Peek(i);
        if (!next || (*next & 0xC0) != 0x80) {
            ++FPosition;
            return std::nullopt;
        }
        value = (value << 6) | (*next & 0x3F);
    }
    if (value < lead->minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        ++FPosition;
        return std::nullopt;
    }
    FPosition += lead->length;
    return value;
}

bool TUtf8Reader::IsValid(std::string_view bytes) {
    TUtf8Reader reader(bytes);
    while (!reader.AtEnd()) {
        if (!reader.Next())
            return false;
    }
    return true;
}

} // namespace archive

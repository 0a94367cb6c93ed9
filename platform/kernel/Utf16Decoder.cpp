#include "platform/kernel/Utf16Decoder.h"

namespace win {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(std::uint16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(std::uint16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

std::uint16_t Utf16Decoder::UnitAt(std::string_view bytes, std::size_t offset) const {
    auto first = static_cast<unsigned char>(bytes[offset]);
    auto second = static_cast<unsigned char>(bytes[offset + 1]);
    return order_ == ByteOrder::LittleEndian ? std::uint16_t(first | (second << 8))
                                             : std::uint16_t((first << 8) | second);
}

std::string Utf16Decoder::Decode(std::string_view bytes) const {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    std::size_t offset = 0;
    while (offset + 2 <= bytes.size()) {
        std::uint16_t unit = UnitAt(bytes, offset);
        offset += 2;
        if (IsHighSurrogate(unit) && offset + 2 <= bytes.size() &&
            IsLowSurrogate(UnitAt(bytes, offset))) {
            std::uint16_t low = UnitAt(bytes, offset);
            offset += 2;
            AppendUtf8(out, 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (low - 0xDC00));
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            AppendUtf8(out, kReplacement);
        } else {
            AppendUtf8(out, unit);
        }
    }
    if (offset < bytes.size()) {
        AppendUtf8(out, kReplacement);
    }
    return out;
}

} // namespace win

#include "platform/kernel/Utf16Decoder.h"

#include "platform/kernel/Utf8Encoder.h"

namespace win {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(std::uint16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(std::uint16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
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

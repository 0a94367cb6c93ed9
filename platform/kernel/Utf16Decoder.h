#pragma once
// UTF-16 to UTF-8. Lone surrogates and a trailing odd byte become U+FFFD.

#include <cstdint>
#include <string>
#include <string_view>

namespace win {

class Utf16Decoder {
public:
    enum class ByteOrder { LittleEndian, BigEndian };

    explicit Utf16Decoder(ByteOrder order) : order_(order) {}

    std::string Decode(std::string_view bytes) const;

private:
    std::uint16_t UnitAt(std::string_view bytes, std::size_t offset) const;

    ByteOrder order_;
};

} // namespace win

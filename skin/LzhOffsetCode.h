#pragma once
// The fixed prefix code of a match offset's upper six bits. Lengths grow from 3
// to 8 bits; the codes are canonical in index order, so both the encoder's table
// and the decoder's 256-entry inverse table follow from the lengths alone.

#include <array>
#include <cstdint>

namespace skin::lzh {

struct OffsetCodeTables {
    std::array<std::uint8_t, 64> p_len{};   // code length by upper-bits index
    std::array<std::uint8_t, 64> p_code{};  // code, left-aligned in a byte
    std::array<std::uint8_t, 256> d_code{}; // index whose code prefixes a byte
    std::array<std::uint8_t, 256> d_len{};  // that code's length
};

constexpr std::uint8_t OffsetCodeLength(int index) {
    if (index < 1)
        return 3;
    if (index < 4)
        return 4;
    if (index < 12)
        return 5;
    if (index < 24)
        return 6;
    if (index < 48)
        return 7;
    return 8;
}

constexpr OffsetCodeTables MakeOffsetCodeTables() {
    OffsetCodeTables t;
    unsigned code = 0;
    unsigned previousLength = OffsetCodeLength(0);
    for (int index = 0; index < 64; ++index) {
        const unsigned length = OffsetCodeLength(index);
        if (index > 0)
            code = (code + 1) << (length - previousLength);
        previousLength = length;
        t.p_len[index] = static_cast<std::uint8_t>(length);
        t.p_code[index] = static_cast<std::uint8_t>(code << (8 - length));
        // Every byte that starts with this code decodes to this index.
        const unsigned first = code << (8 - length);
        for (unsigned b = first; b < first + (1u << (8 - length)); ++b) {
            t.d_code[b] = static_cast<std::uint8_t>(index);
            t.d_len[b] = static_cast<std::uint8_t>(length);
        }
    }
    return t;
}

inline constexpr OffsetCodeTables kOffsetCode = MakeOffsetCodeTables();

static_assert(kOffsetCode.p_code[0] == 0x00 && kOffsetCode.p_code[1] == 0x20 &&
              kOffsetCode.p_code[4] == 0x50 && kOffsetCode.p_code[5] == 0x58 &&
              kOffsetCode.p_code[48] == 0xF0 && kOffsetCode.p_code[63] == 0xFF);

} // namespace skin::lzh

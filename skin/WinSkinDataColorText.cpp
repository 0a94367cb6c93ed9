#include "skin/WinSkinDataColorText.h"

#include <array>
#include <cstdint>

namespace skin {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A run of digits as a number; nothing when it does not fit 32 bits.
std::optional<std::uint32_t> RunValue(std::string_view run) {
    std::uint64_t value = 0;
    for (char c : run) {
        value = value * 10 + static_cast<unsigned>(c - '0');
        if (value > 0x7FFFFFFF)
            return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

} // namespace

std::optional<fw::TColor> ParseColorText(std::string_view text) {
    text = Trim(text);
    if (text.empty())
        return std::nullopt;
    std::array<std::uint32_t, 3> numbers{};
    int taken = 0;
    std::size_t runStart = 0;
    std::size_t runLength = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsDigit(text[i])) {
            if (runLength == 0)
                runStart = i;
            ++runLength;
            continue;
        }
        if (runLength > 0 && taken < 3) {
            const auto value = RunValue(text.substr(runStart, runLength));
            if (!value)
                return std::nullopt;
            numbers[static_cast<std::size_t>(taken++)] = *value;
        }
        runLength = 0;
    }
    if (taken == 2 && runLength > 0) {
        const auto value = RunValue(text.substr(runStart, runLength));
        if (!value)
            return std::nullopt;
        numbers[2] = *value;
    }
    // Red and green are added unmasked, as the skins were written against.
    const std::uint32_t color = numbers[0] + (numbers[1] << 8) + ((numbers[2] & 0xFF) << 16);
    return static_cast<fw::TColor>(static_cast<std::int32_t>(color));
}

} // namespace skin

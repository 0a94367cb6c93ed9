#include "archive/ZipItemName.h"

#include "archive/Utf8Reader.h"
#include "archive/WideString.h"
#include "platform/kernel/CodePage.h"

#include <algorithm>
#include <array>

namespace archive {

namespace {

// Code page 437, the DOS code page of the zip tradition, for bytes 0x80 to 0xFF.
constexpr std::array<char16_t, 128> kCp437High = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF,
    0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA,
    0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557,
    0x255D, 0x255C, 0x255B, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559,
    0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4, 0x03A6, 0x0398, 0x03A9, 0x03B4,
    0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};

// GBK's two-byte structure: a lead byte 0x81-0xFE, then a trail byte 0x40-0x7E or
// 0x80-0xFE; single bytes are ASCII.
class TGbkValidator {
public:
    bool Accept(std::string_view bytes) {
        for (char ch : bytes) {
            if (!Step(static_cast<unsigned char>(ch)))
                return false;
        }
        return FState == TState::Single;
    }

private:
    enum class TState { Single, Trail };

    bool Step(unsigned char b) {
        if (FState == TState::Trail) {
            FState = TState::Single;
            return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFE);
        }
        if (b < 0x80)
            return true;
        if (b == 0x80 || b == 0xFF)
            return false;
        FState = TState::Trail;
        return true;
    }

    TState FState = TState::Single;
};

std::string DecodeCp437(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        AppendUtf8(out, b < 0x80 ? char32_t(b) : char32_t(kCp437High[b - 0x80]));
    }
    return out;
}

} // namespace

std::string DecodeZipItemName(std::string_view raw) {
    if (TUtf8Reader::IsValid(raw))
        return std::string(raw);
    if (TGbkValidator().Accept(raw))
        return win::AnsiToUtf8(raw);
    return DecodeCp437(raw);
}

std::string ItemNameFromLibrary(std::wstring_view name, TNameEncoding encoding) {
    const bool beyondBytes =
        std::any_of(name.begin(), name.end(), [](wchar_t c) { return c > 0xFF; });
    if (encoding == TNameEncoding::Utf8Flagged || beyondBytes)
        return WideToUtf8(name);
    std::string raw(name.size(), '\0');
    std::transform(name.begin(), name.end(), raw.begin(),
                   [](wchar_t c) { return static_cast<char>(c); });
    return DecodeZipItemName(raw);
}

} // namespace archive

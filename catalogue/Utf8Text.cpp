#include "catalogue/Utf8Text.h"

#include <cstdint>

namespace catalogue {

namespace {

struct Sequence {
    std::size_t length; // bytes consumed
    bool valid;
};

// The allowed range of the first continuation byte depends on the lead byte
// (this excludes overlong forms, surrogates and code points above U+10FFFF);
// later continuation bytes are always 80..BF.
struct LeadByte {
    int continuations;
    std::uint8_t firstLow;
    std::uint8_t firstHigh;
};

LeadByte Classify(std::uint8_t lead) {
    if (lead < 0x80) {
        return {0, 0, 0};
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return {1, 0x80, 0xBF};
    }
    if (lead == 0xE0) {
        return {2, 0xA0, 0xBF};
    }
    if (lead == 0xED) {
        return {2, 0x80, 0x9F};
    }
    if (lead >= 0xE1 && lead <= 0xEF) {
        return {2, 0x80, 0xBF};
    }
    if (lead == 0xF0) {
        return {3, 0x90, 0xBF};
    }
    if (lead >= 0xF1 && lead <= 0xF3) {
        return {3, 0x80, 0xBF};
    }
    if (lead == 0xF4) {
        return {3, 0x80, 0x8F};
    }
    return {-1, 0, 0};
}

Sequence NextSequence(std::string_view text, std::size_t at) {
    const LeadByte lead = Classify(static_cast<std::uint8_t>(text[at]));
    if (lead.continuations < 0) {
        return {1, false};
    }
    std::size_t length = 1;
    for (int i = 0; i < lead.continuations; ++i) {
        if (at + length >= text.size()) {
            return {length, false};
        }
        const auto byte = static_cast<std::uint8_t>(text[at + length]);
        const std::uint8_t low = i == 0 ? lead.firstLow : 0x80;
        const std::uint8_t high = i == 0 ? lead.firstHigh : 0xBF;
        if (byte < low || byte > high) {
            return {length, false};
        }
        ++length;
    }
    return {length, true};
}

} // namespace

bool IsValidUtf8(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size()) {
        if (static_cast<std::uint8_t>(text[at]) < 0x80) {
            ++at;
            continue;
        }
        const Sequence sequence = NextSequence(text, at);
        if (!sequence.valid) {
            return false;
        }
        at += sequence.length;
    }
    return true;
}

std::string RepairUtf8(std::string_view text) {
    if (IsValidUtf8(text)) {
        return std::string(text);
    }
    std::string repaired;
    repaired.reserve(text.size() + text.size() / 2);
    std::size_t at = 0;
    while (at < text.size()) {
        const Sequence sequence = NextSequence(text, at);
        if (sequence.valid) {
            repaired.append(text.substr(at, sequence.length));
        } else {
            repaired.append("\xEF\xBF\xBD");
        }
        at += sequence.length;
    }
    return repaired;
}

} // namespace catalogue

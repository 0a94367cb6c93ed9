#include "catalogue/ChannelName.h"

#include "catalogue/Utf8Text.h"
#include "platform/kernel/CodePage.h"

#include <array>
#include <cstdint>

namespace catalogue {

namespace {

struct NameRule {
    std::string_view pattern;
    std::string_view replacement;
};

// Applied one after another in this order, which is part of the result:
// "shanxitai" must go before "shanxi", and every number rule must consume its
// ".txt" before the last rule removes the rest. The upper-case "ORVO-" the first
// rules insert is never matched again, because the name was lower-cased first.
constexpr std::array<NameRule, 67> kNameRules{{
    {"01.txt", "ORVO-1台"},
    {"02.txt", "ORVO-2台"},
    {"03.txt", "ORVO-3台"},
    {"04.txt", "ORVO-4台"},
    {"04(亚洲).txt", "ORVO-4亚洲台"},
    {"04(欧洲).txt", "ORVO-4欧洲台"},
    {"04(美洲).txt", "ORVO-4美洲台"},
    {"05.txt", "ORVO-5台"},
    {"06.txt", "ORVO-6台"},
    {"07.txt", "ORVO-7台"},
    {"08.txt", "ORVO-8台"},
    {"09(英).txt", "ORVO-9英语台"},
    {"09.txt", "ORVO-9台"},
    {"10.txt", "ORVO-10台"},
    {"11.txt", "ORVO-11台"},
    {"12.txt", "ORVO-12台"},
    {"13.txt", "ORVO-13台"},
    {"14.txt", "ORVO-14台"},
    {"15.txt", "ORVO-15台"},
    {"16.txt", "ORVO-16台"},
    {"17.txt", "ORVO-17台"},
    {"18.txt", "ORVO-18台"},
    {"news", "ORVO-新闻台"},
    {"俄语", "ORVO-俄语台"},
    {"少儿", "ORVO-少儿台"},
    {"高清", "ORVO-高清台"},
    {"法语", "ORVO-法语台"},
    {"西语", "ORVO-西语台"},
    {"阿语", "ORVO-阿语台"},
    {"音乐", "ORVO-音乐台"},
    {"dongfang", ""},
    {"yunnan", ""},
    {"meimenggu", ""},
    {"neimenggu", ""},
    {"jilin", ""},
    {"sichuan", ""},
    {"tianjin1", ""},
    {"tianjin2", ""},
    {"fujian", ""},
    {"ningxia", ""},
    {"tianjinweishi", ""},
    {"shandong", ""},
    {"shanxitai", ""},
    {"shanxi", ""},
    {"guangdong", ""},
    {"guangxi", ""},
    {"jiaoyu", ""},
    {"luyou", ""},
    {"xinjiang", ""},
    {"anhui", ""},
    {"henan", ""},
    {"hebei", ""},
    {"jiangsu", ""},
    {"jiangxi", ""},
    {"zhejiang", ""},
    {"hubei", ""},
    {"hunan", ""},
    {"gansu", ""},
    {"xizang", ""},
    {"xiamen", ""},
    {"guizhou", ""},
    {"liaoning", ""},
    {"heilongjiang", ""},
    {"chongqing", ""},
    {"qinghai", ""},
    {"电视台", ""},
    {".txt", ""},
}};

char AsciiLower(char ch) {
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

// The set of byte values in a text. A rule whose pattern holds a byte the name
// lacks cannot match, which rules out most of the table without a search.
class ByteSet {
public:
    constexpr ByteSet() = default;
    constexpr explicit ByteSet(std::string_view text) {
        for (const char ch : text) {
            const auto byte = static_cast<std::uint8_t>(ch);
            FBits[byte / 64] |= std::uint64_t{1} << (byte % 64);
        }
    }

    constexpr bool ContainsAll(const ByteSet& other) const {
        for (std::size_t i = 0; i < FBits.size(); ++i) {
            if ((other.FBits[i] & ~FBits[i]) != 0) {
                return false;
            }
        }
        return true;
    }

private:
    std::array<std::uint64_t, 4> FBits{};
};

constexpr auto kPatternBytes = [] {
    std::array<ByteSet, kNameRules.size()> sets{};
    for (std::size_t i = 0; i < kNameRules.size(); ++i) {
        sets[i] = ByteSet(kNameRules[i].pattern);
    }
    return sets;
}();

// Every occurrence, left to right, without overlap; the inserted text is not
// searched again by the same rule. Returns whether the text changed.
bool ReplaceAll(std::string& text, const NameRule& rule) {
    std::size_t found = text.find(rule.pattern);
    if (found == std::string::npos) {
        return false;
    }
    std::string result;
    result.reserve(text.size() + rule.replacement.size());
    std::size_t copied = 0;
    while (found != std::string::npos) {
        result.append(text, copied, found - copied);
        result.append(rule.replacement);
        copied = found + rule.pattern.size();
        found = text.find(rule.pattern, copied);
    }
    result.append(text, copied, std::string::npos);
    text = std::move(result);
    return true;
}

// GBK trail bytes include ASCII letters, so the name is decoded before it is
// lower-cased.
std::string NameAsUtf8(std::string_view fileName) {
    if (IsValidUtf8(fileName)) {
        return std::string(fileName);
    }
    return win::AnsiToUtf8(fileName);
}

bool EndsInTxt(std::string_view text) {
    if (text.size() < 3) {
        return false;
    }
    const std::string_view tail = text.substr(text.size() - 3);
    return AsciiLower(tail[0]) == 't' && AsciiLower(tail[1]) == 'x' && AsciiLower(tail[2]) == 't';
}

} // namespace

// In UTF-8 an ASCII byte is always a whole character, so the bytes decide; in a
// GBK name an ASCII letter may be the second byte of a character.
bool IsChannelFileName(std::string_view fileName) {
    if (!EndsInTxt(fileName)) {
        return false;
    }
    return IsValidUtf8(fileName) || EndsInTxt(win::AnsiToUtf8(fileName));
}

std::string ChannelDisplayName(std::string_view fileName) {
    std::string name = NameAsUtf8(fileName);
    for (char& ch : name) {
        ch = AsciiLower(ch);
    }
    ByteSet present(name);
    for (std::size_t i = 0; i < kNameRules.size(); ++i) {
        if (present.ContainsAll(kPatternBytes[i]) && ReplaceAll(name, kNameRules[i])) {
            present = ByteSet(name);
        }
    }
    return name;
}

} // namespace catalogue

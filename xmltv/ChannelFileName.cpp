#include "xmltv/ChannelFileName.h"

#include "catalogue/ChannelName.h"
#include "framework/Utf8.h"
#include "xmltv/NameText.h"

#include <array>
#include <optional>
#include <span>

namespace xmltv {

namespace {

constexpr std::string_view kExtension = ".txt";
constexpr std::size_t kMaxFileName = 255;
// Room for a " (N)" that sets a name apart from a taken one.
constexpr std::size_t kSuffixRoom = 12;
// The only word the rules drop that says nothing about which channel it is.
constexpr std::string_view kGenericWord = "电视台";
// What the rules' numbered CCTV names ("ORVO-1台" ... "ORVO-18台") start with,
// before their number; the upper case never comes from a name, which the rules
// lower-case first.
constexpr std::string_view kCctvNamePrefix = "ORVO-";

struct CctvName {
    std::string_view keyword; // lower-case
    std::string_view fileName;
};

// The rules' own names for the national broadcaster's international channels.
constexpr auto kCgtnNames = std::to_array<CctvName>({
    {"法语", "法语.txt"},
    {"français", "法语.txt"},
    {"francais", "法语.txt"},
    {"french", "法语.txt"},
    {"西班牙", "西语.txt"},
    {"西语", "西语.txt"},
    {"español", "西语.txt"},
    {"espanol", "西语.txt"},
    {"spanish", "西语.txt"},
    {"阿拉伯", "阿语.txt"},
    {"阿语", "阿语.txt"},
    {"arabic", "阿语.txt"},
    {"俄语", "俄语.txt"},
    {"russian", "俄语.txt"},
    {"русский", "俄语.txt"},
    {"纪录", "09(英).txt"},
    {"documentary", "09(英).txt"},
});

constexpr auto kCctv4Names = std::to_array<CctvName>({
    {"欧洲", "04(欧洲).txt"},
    {"europe", "04(欧洲).txt"},
    {"美洲", "04(美洲).txt"},
    {"america", "04(美洲).txt"},
    {"亚洲", "04(亚洲).txt"},
    {"asia", "04(亚洲).txt"},
});

std::optional<std::string_view> FindKeyword(std::string_view name,
                                            std::span<const CctvName> table) {
    for (const CctvName& entry : table) {
        if (name.find(entry.keyword) != std::string_view::npos) {
            return entry.fileName;
        }
    }
    return std::nullopt;
}

bool IsAsciiAlnum(char ch) {
    return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'z');
}

// "cctv-1", "CCTV1 综合", "CCTV 13": the channel number 1..18 after "cctv";
// "cctv-5+" and "cctv-4k" are channels of their own that the rules do not name.
std::optional<int> CctvNumber(std::string_view name) {
    const std::size_t at = name.find("cctv");
    if (at == std::string_view::npos) {
        return std::nullopt;
    }
    name.remove_prefix(at + 4);
    while (!name.empty() && (name.front() == '-' || name.front() == ' ' || name.front() == '_')) {
        name.remove_prefix(1);
    }
    int number = 0;
    std::size_t digits = 0;
    while (digits < name.size() && digits < 3 && name[digits] >= '0' && name[digits] <= '9') {
        number = number * 10 + (name[digits] - '0');
        ++digits;
    }
    const bool followed =
        digits < name.size() && (IsAsciiAlnum(name[digits]) || name[digits] == '+');
    if (digits == 0 || followed || number < 1 || number > 18) {
        return std::nullopt;
    }
    return number;
}

std::optional<std::string> RulesCctvFileName(std::string_view lowered) {
    if (lowered.find("cgtn") != std::string_view::npos) {
        return std::string(FindKeyword(lowered, kCgtnNames).value_or("news.txt"));
    }
    if (lowered.find("cctv") == std::string_view::npos) {
        return std::nullopt;
    }
    if (lowered.find("news") != std::string_view::npos) {
        return "news.txt";
    }
    const std::optional<int> number = CctvNumber(lowered);
    if (!number) {
        return std::nullopt;
    }
    if (*number == 4) {
        if (const auto variant = FindKeyword(lowered, kCctv4Names)) {
            return std::string(*variant);
        }
    }
    const char digits[3] = {char('0' + *number / 10), char('0' + *number % 10), '\0'};
    return std::string(digits) + std::string(kExtension);
}

// The name as a file name without its extension: no "/", no control
// characters, no leading dot, short enough for the extension and a suffix,
// never cutting a character in two.
std::string FileStem(std::string_view name) {
    std::string stem(name);
    for (char& ch : stem) {
        if (ch == '/') {
            ch = ' ';
        }
    }
    stem = CollapsedBlanks(stem);
    const std::size_t dots = stem.find_first_not_of(". ");
    stem.erase(0, dots == std::string::npos ? stem.size() : dots);
    const std::size_t limit = kMaxFileName - kExtension.size() - kSuffixRoom;
    if (stem.size() > limit) {
        std::size_t cut = limit;
        while (cut > 0 && (static_cast<unsigned char>(stem[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        stem.resize(cut);
    }
    return stem;
}

std::string WithoutGenericWord(std::string text) {
    for (std::size_t at = text.find(kGenericWord); at != std::string::npos;
         at = text.find(kGenericWord, at)) {
        text.erase(at, kGenericWord.size());
    }
    return text;
}

bool HoldsNumberedCctvName(std::string_view shown) {
    for (std::size_t at = shown.find(kCctvNamePrefix); at != std::string_view::npos;
         at = shown.find(kCctvNamePrefix, at + 1)) {
        const std::size_t digit = at + kCctvNamePrefix.size();
        if (digit < shown.size() && shown[digit] >= '0' && shown[digit] <= '9') {
            return true;
        }
    }
    return false;
}

// Every letter, digit and non-ASCII character of the name appears in the
// display name in the same order; what the rules add around them is allowed,
// except a numbered CCTV name ("channel 13" would list as "channel ORVO-13台").
bool IdentifiesTheChannel(const std::string& stem) {
    const std::string wanted = WithoutGenericWord(AsciiLowered(stem));
    const std::string shown = catalogue::ChannelDisplayName(stem + std::string(kExtension));
    if (HoldsNumberedCctvName(shown)) {
        return false;
    }
    std::size_t from = 0;
    bool any = false;
    for (std::string_view rest = wanted; !rest.empty();) {
        const std::string_view character = fw::Utf8Prefix(rest, 1);
        rest.remove_prefix(character.size());
        if (character.size() == 1 && !IsAsciiAlnum(character.front())) {
            continue;
        }
        const std::size_t found = shown.find(character, from);
        if (found == std::string::npos) {
            return false;
        }
        from = found + character.size();
        any = true;
    }
    return any;
}

} // namespace

bool FolderNames::IsTaken(const std::string& fileName) const {
    return FTaken.contains(AsciiLowered(fileName));
}

void FolderNames::Take(const std::string& fileName) {
    FTaken.insert(AsciiLowered(fileName));
}

std::string ChooseChannelFileName(const std::vector<std::string>& names, FolderNames& folder) {
    const auto take = [&folder](std::string fileName) {
        folder.Take(fileName);
        return fileName;
    };
    for (const std::string& name : names) {
        const std::optional<std::string> cctv = RulesCctvFileName(AsciiLowered(name));
        if (cctv && !folder.IsTaken(*cctv)) {
            return take(*cctv);
        }
    }
    std::vector<std::string> stems;
    for (const std::string& name : names) {
        std::string stem = FileStem(name);
        if (!stem.empty()) {
            stems.push_back(std::move(stem));
        }
    }
    for (const std::string& stem : stems) {
        const std::string fileName = stem + std::string(kExtension);
        if (!folder.IsTaken(fileName) && IdentifiesTheChannel(stem)) {
            return take(fileName);
        }
    }
    const std::string first = stems.empty() ? std::string("channel") : stems.front();
    for (int copy = 1;; ++copy) {
        const std::string fileName =
            first + (copy == 1 ? "" : " (" + std::to_string(copy) + ")") + std::string(kExtension);
        if (!folder.IsTaken(fileName)) {
            return take(fileName);
        }
    }
}

} // namespace xmltv

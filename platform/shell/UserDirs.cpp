#include "platform/shell/UserDirs.h"

#include <optional>

namespace win {

namespace {

bool IsKeyCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// One line: KEY="VALUE" with optional blanks around; nothing but blanks after.
class UserDirsLine {
public:
    UserDirsLine(std::string_view line, std::string_view home) : line_(line), home_(home) {}

    bool Parse(std::string& key, std::string& value) {
        SkipBlanks();
        if (!ReadKey(key) || !Expect('=') || !Expect('"')) {
            return false;
        }
        std::optional<std::string> quoted = ReadQuotedValue();
        if (!quoted) {
            return false;
        }
        SkipBlanks();
        if (at_ != line_.size()) {
            return false;
        }
        return Resolve(*quoted, value);
    }

private:
    void SkipBlanks() {
        while (at_ < line_.size() && (line_[at_] == ' ' || line_[at_] == '\t')) {
            ++at_;
        }
    }

    bool ReadKey(std::string& key) {
        std::size_t start = at_;
        while (at_ < line_.size() && IsKeyCharacter(line_[at_])) {
            ++at_;
        }
        key = line_.substr(start, at_ - start);
        return !key.empty();
    }

    bool Expect(char c) {
        if (at_ < line_.size() && line_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }

    // Up to the closing quote; a backslash takes the next character literally.
    std::optional<std::string> ReadQuotedValue() {
        std::string value;
        while (at_ < line_.size()) {
            char c = line_[at_++];
            if (c == '"') {
                return value;
            }
            if (c == '\\') {
                if (at_ == line_.size()) {
                    return std::nullopt;
                }
                c = line_[at_++];
            }
            value += c;
        }
        return std::nullopt;
    }

    bool Resolve(const std::string& quoted, std::string& value) const {
        constexpr std::string_view kHome = "$HOME";
        if (quoted.starts_with(kHome) &&
            (quoted.size() == kHome.size() || quoted[kHome.size()] == '/')) {
            value = std::string(home_) + quoted.substr(kHome.size());
            return true;
        }
        if (quoted.starts_with('/')) {
            value = quoted;
            return true;
        }
        return false;
    }

    std::string_view line_;
    std::string_view home_;
    std::size_t at_ = 0;
};

} // namespace

std::map<std::string, std::string> ParseUserDirs(std::string_view text, std::string_view home) {
    std::map<std::string, std::string> folders;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        std::string key;
        std::string value;
        if (UserDirsLine(line, home).Parse(key, value)) {
            folders[key] = value;
        }
    }
    return folders;
}

} // namespace win

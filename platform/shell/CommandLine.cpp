#include "platform/shell/CommandLine.h"

namespace win {

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

class CommandLineSplitter {
public:
    explicit CommandLineSplitter(std::string_view text) : text_(text) {}

    std::vector<std::string> Split() {
        while (at_ < text_.size()) {
            if (IsSpace(text_[at_]) && !quoted_) {
                EndArgument();
                ++at_;
            } else if (text_[at_] == '\\') {
                ReadBackslashes();
            } else if (text_[at_] == '"') {
                ReadQuote();
            } else {
                Append(text_[at_++]);
            }
        }
        EndArgument();
        return std::move(arguments_);
    }

private:
    void Append(char c) {
        current_ += c;
        inArgument_ = true;
    }

    void EndArgument() {
        if (inArgument_) {
            arguments_.push_back(std::move(current_));
            current_.clear();
            inArgument_ = false;
        }
    }

    void ReadBackslashes() {
        std::size_t count = 0;
        while (at_ < text_.size() && text_[at_] == '\\') {
            ++count;
            ++at_;
        }
        bool beforeQuote = at_ < text_.size() && text_[at_] == '"';
        std::size_t literal = beforeQuote ? count / 2 : count;
        current_.append(literal, '\\');
        inArgument_ = true;
        if (beforeQuote && count % 2 == 1) {
            Append('"');
            ++at_;
        }
    }

    void ReadQuote() {
        ++at_;
        inArgument_ = true;
        if (quoted_ && at_ < text_.size() && text_[at_] == '"') {
            Append('"');
            ++at_;
            return;
        }
        quoted_ = !quoted_;
    }

    std::string_view text_;
    std::size_t at_ = 0;
    bool quoted_ = false;
    bool inArgument_ = false;
    std::string current_;
    std::vector<std::string> arguments_;
};

} // namespace

std::vector<std::string> SplitCommandLine(std::string_view parameters) {
    return CommandLineSplitter(parameters).Split();
}

} // namespace win

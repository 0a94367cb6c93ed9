#include "framework/DelimitedText.h"

#include "framework/StringUtils.h"

namespace fw {

namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// Reads items one at a time over a bounds-checked cursor. States: before an item
// (blanks skipped unless strict), in a quoted item, in a plain item, after an item
// (where a delimiter may follow).
class DelimitedTextSplitter {
public:
    DelimitedTextSplitter(std::string_view text, const TDelimitedTextFormat& format)
        : FText(text), FFormat(format) {}

    std::vector<std::string> Run() {
        SkipBlanks();
        while (!AtEnd()) {
            FItems.push_back(Peek() == FFormat.quote ? ReadQuoted() : ReadPlain());
            SkipBlanks();
            if (!AtEnd() && Peek() == FFormat.delimiter) {
                ++FPos;
                // A delimiter at the very end stands before one more, empty, item.
                if (AtEnd())
                    FItems.emplace_back();
                SkipBlanks();
            }
        }
        return std::move(FItems);
    }

private:
    bool AtEnd() const { return FPos >= FText.size(); }
    char Peek() const { return FText[FPos]; }

    void SkipBlanks() {
        while (!FFormat.strict && !AtEnd() && IsBlank(Peek()))
            ++FPos;
    }

    // From an opening quote to its closing quote; a doubled quote stands for one.
    // Without a closing quote the item runs to the end of the text.
    std::string ReadQuoted() {
        std::string item;
        ++FPos;
        while (!AtEnd()) {
            const char c = FText[FPos++];
            if (c != FFormat.quote) {
                item += c;
            } else if (!AtEnd() && Peek() == FFormat.quote) {
                item += c;
                ++FPos;
            } else {
                break;
            }
        }
        return item;
    }

    std::string ReadPlain() {
        const std::size_t start = FPos;
        while (!AtEnd() && Peek() != FFormat.delimiter && (FFormat.strict || !IsBlank(Peek())))
            ++FPos;
        return std::string(FText.substr(start, FPos - start));
    }

    std::string_view FText;
    const TDelimitedTextFormat& FFormat;
    std::size_t FPos = 0;
    std::vector<std::string> FItems;
};

bool NeedsQuotes(const std::string& item, const TDelimitedTextFormat& format) {
    for (char c : item)
        if (c == format.quote || c == format.delimiter || (!format.strict && IsBlank(c)))
            return true;
    return false;
}

} // namespace

std::vector<std::string> SplitDelimitedText(std::string_view text,
                                            const TDelimitedTextFormat& format) {
    return DelimitedTextSplitter(text, format).Run();
}

std::string JoinDelimitedText(const std::vector<std::string>& items,
                              const TDelimitedTextFormat& format) {
    // A lone empty item would read back as no item at all, so it is written quoted.
    if (items.size() == 1 && items[0].empty())
        return std::string(2, format.quote);
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            out += format.delimiter;
        out += NeedsQuotes(items[i], format) ? QuotedStr(items[i], format.quote) : items[i];
    }
    return out;
}

} // namespace fw

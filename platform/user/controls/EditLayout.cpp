#include "platform/user/controls/EditLayout.h"

#include <algorithm>

namespace win::controls {

namespace {

// Length of the line break at `at` (0 when there is none).
std::size_t BreakAt(const std::string& text, std::size_t at) {
    if (text[at] == '\n')
        return 1;
    if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
        return 2;
    return 0;
}

} // namespace

bool EditLayout::IsSoft(std::size_t index) const {
    return index + 1 < lines_.size() && lines_[index].next == lines_[index].end;
}

void EditLayout::LayOutParagraph(std::string_view text, std::size_t base, std::size_t breakLength,
                                 std::vector<EditLine>& out) const {
    std::size_t at = 0;
    while (wrapWidth_ > 0 && at < text.size()) {
        const std::string_view rest = text.substr(at);
        std::size_t fits = std::min(fit_(rest, wrapWidth_), rest.size());
        if (fits >= rest.size())
            break;
        // Break after the last space that fits; spaces stay on the line.
        const std::size_t space = rest.substr(0, fits + 1).find_last_of(' ');
        if (space != std::string_view::npos && space > 0)
            fits = space + 1;
        if (fits == 0)
            fits = 1;
        while (fits < rest.size() && (static_cast<unsigned char>(rest[fits]) & 0xC0) == 0x80)
            ++fits; // never inside a character
        out.push_back({base + at, base + at + fits, base + at + fits});
        at += fits;
    }
    out.push_back({base + at, base + text.size(), base + text.size() + breakLength});
}

void EditLayout::LayOut(const std::string& text, std::size_t from, std::size_t to, bool toEnd,
                        std::vector<EditLine>& out) const {
    std::size_t start = from;
    for (std::size_t at = from; at < to; ++at) {
        const std::size_t breakLength = BreakAt(text, at);
        if (breakLength == 0)
            continue;
        LayOutParagraph(std::string_view(text).substr(start, at - start), start, breakLength, out);
        at += breakLength - 1;
        start = at + 1;
    }
    // The text's last line exists even when empty; a range that stops at a
    // break leaves the following line to the lines kept after it.
    if (toEnd || start < to)
        LayOutParagraph(std::string_view(text).substr(start, to - start), start, 0, out);
}

void EditLayout::Rebuild(const std::string& text) {
    lines_.clear();
    LayOut(text, 0, text.size(), true, lines_);
}

void EditLayout::Update(const std::string& text, std::size_t start, std::size_t removed,
                        std::size_t inserted) {
    // First affected line: the start of the paragraph holding `start`.
    std::size_t first = LineOf(start);
    while (first > 0 && IsSoft(first - 1))
        --first;
    // Last affected line: the end of the paragraph holding the old end of the change.
    const std::size_t oldEnd = start + removed;
    std::size_t last = first;
    while (last + 1 < lines_.size() && (IsSoft(last) || lines_[last].end < oldEnd))
        ++last;
    const bool toEnd = last + 1 == lines_.size();
    const std::ptrdiff_t delta = std::ptrdiff_t(inserted) - std::ptrdiff_t(removed);
    const std::size_t from = lines_[first].start;
    const std::size_t to =
        toEnd ? text.size() : std::size_t(std::ptrdiff_t(lines_[last].next) + delta);

    std::vector<EditLine> fresh;
    LayOut(text, from, to, toEnd, fresh);
    for (std::size_t i = last + 1; i < lines_.size(); ++i) {
        EditLine shifted = lines_[i];
        shifted.start = std::size_t(std::ptrdiff_t(shifted.start) + delta);
        shifted.end = std::size_t(std::ptrdiff_t(shifted.end) + delta);
        shifted.next = std::size_t(std::ptrdiff_t(shifted.next) + delta);
        fresh.push_back(shifted);
    }
    lines_.erase(lines_.begin() + std::ptrdiff_t(first), lines_.end());
    lines_.insert(lines_.end(), fresh.begin(), fresh.end());
}

std::size_t EditLayout::LineOf(std::size_t offset) const {
    auto after = std::upper_bound(
        lines_.begin(), lines_.end(), offset,
        [](std::size_t value, const EditLine& line) { return value < line.start; });
    return after == lines_.begin() ? 0 : std::size_t(after - lines_.begin()) - 1;
}

} // namespace win::controls

#include "platform/user/controls/EditBuffer.h"

#include "platform/gdi/Utf8.h"

#include <algorithm>

namespace win::controls {

namespace {

bool IsContinuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// Words are runs of letters and digits; every CJK character is a word of its
// own, since Chinese text has no spaces to break at.
enum class CharClass { Space, Word, Ideograph, Punctuation };

CharClass ClassOf(char32_t c) {
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == 0x3000)
        return CharClass::Space;
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_')
        return CharClass::Word;
    if (c >= 0x2E80)
        return CharClass::Ideograph;
    return c >= 0x80 ? CharClass::Word : CharClass::Punctuation;
}

} // namespace

std::string_view EditBuffer::Selected() const {
    return std::string_view(text_).substr(SelectionStart(), SelectionEnd() - SelectionStart());
}

std::size_t EditBuffer::Boundary(std::size_t offset) const {
    if (offset >= text_.size())
        return text_.size();
    // Walk back to the start of the character that holds `offset`.
    for (std::size_t back = 0; back < 4 && offset >= back; ++back) {
        const std::size_t start = offset - back;
        if (!IsContinuation(text_[start]) || start == 0) {
            if (start + DecodeUtf8(text_, start).length > offset)
                return start;
            break;
        }
    }
    return offset;
}

std::size_t EditBuffer::NextChar(std::size_t offset) const {
    if (offset >= text_.size())
        return text_.size();
    // A CR LF pair is one step, as the edit treats it as one line break.
    if (text_.compare(offset, 2, "\r\n") == 0)
        return offset + 2;
    return offset + DecodeUtf8(text_, offset).length;
}

std::size_t EditBuffer::PreviousChar(std::size_t offset) const {
    if (offset == 0)
        return 0;
    offset = std::min(offset, text_.size());
    if (offset >= 2 && text_.compare(offset - 2, 2, "\r\n") == 0)
        return offset - 2;
    return Boundary(offset - 1);
}

std::size_t EditBuffer::NextWord(std::size_t offset) const {
    const std::size_t end = text_.size();
    if (offset >= end)
        return end;
    const CharClass first = ClassOf(DecodeUtf8(text_, offset).code);
    std::size_t at = NextChar(offset);
    if (first != CharClass::Ideograph && first != CharClass::Space)
        while (at < end && ClassOf(DecodeUtf8(text_, at).code) == first)
            at = NextChar(at);
    while (at < end && ClassOf(DecodeUtf8(text_, at).code) == CharClass::Space)
        at = NextChar(at);
    return at;
}

std::size_t EditBuffer::PreviousWord(std::size_t offset) const {
    std::size_t at = Boundary(offset);
    while (at > 0 && ClassOf(DecodeUtf8(text_, PreviousChar(at)).code) == CharClass::Space)
        at = PreviousChar(at);
    if (at == 0)
        return 0;
    const CharClass kind = ClassOf(DecodeUtf8(text_, PreviousChar(at)).code);
    at = PreviousChar(at);
    if (kind != CharClass::Ideograph)
        while (at > 0 && ClassOf(DecodeUtf8(text_, PreviousChar(at)).code) == kind)
            at = PreviousChar(at);
    return at;
}

void EditBuffer::Select(std::size_t anchor, std::size_t caret) {
    anchor_ = Boundary(anchor);
    caret_ = Boundary(caret);
}

std::size_t EditBuffer::Room() const {
    const std::size_t kept = text_.size() - (SelectionEnd() - SelectionStart());
    return kept >= limit_ ? 0 : limit_ - kept;
}

bool EditBuffer::ReplaceSelection(std::string_view replacement, bool undoable) {
    std::size_t fits = std::min(replacement.size(), Room());
    // Never split a character at the limit.
    while (fits > 0 && fits < replacement.size() && IsContinuation(replacement[fits]))
        --fits;
    replacement = replacement.substr(0, fits);
    if (replacement.empty() && !HasSelection())
        return false;
    const std::size_t start = SelectionStart();
    if (undoable)
        RecordUndo(start, SelectionEnd() - start, replacement.size());
    text_.replace(start, SelectionEnd() - start, replacement);
    lastInserted_ = replacement.size();
    // Malformed bytes on either side of the seam may join into one character:
    // the caret goes to that character's start rather than inside it.
    anchor_ = caret_ = Boundary(start + replacement.size());
    return true;
}

void EditBuffer::SetText(std::string_view text) {
    text_.assign(text);
    anchor_ = caret_ = 0;
    canUndo_ = false;
}

void EditBuffer::RecordUndo(std::size_t start, std::size_t removedLength,
                            std::size_t insertedLength) {
    const bool continuesTyping =
        canUndo_ && removedLength == 0 && start == undoStart_ + undoInserted_;
    if (continuesTyping) {
        undoInserted_ += insertedLength;
        return;
    }
    undoStart_ = start;
    undoInserted_ = insertedLength;
    undoRemoved_.assign(text_, start, removedLength);
    canUndo_ = true;
}

bool EditBuffer::Undo() {
    if (!canUndo_)
        return false;
    std::string inserted = text_.substr(undoStart_, undoInserted_);
    text_.replace(undoStart_, undoInserted_, undoRemoved_);
    undoInserted_ = undoRemoved_.size();
    undoRemoved_ = std::move(inserted);
    // Windows leaves the restored text selected.
    anchor_ = Boundary(undoStart_);
    caret_ = Boundary(undoStart_ + undoInserted_);
    return true;
}

} // namespace win::controls

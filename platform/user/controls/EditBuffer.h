#pragma once
// The text of an edit control with its selection and one level of undo, as
// UTF-8 with byte offsets that always fall on character boundaries (malformed
// bytes count as one character each). Knows nothing of windows or drawing.

#include <cstddef>
#include <string>
#include <string_view>

namespace win::controls {

class EditBuffer {
public:
    const std::string& Text() const { return text_; }
    std::size_t Size() const { return text_.size(); }
    // The anchor stays where a selection began; the caret moves.
    std::size_t Anchor() const { return anchor_; }
    std::size_t Caret() const { return caret_; }
    std::size_t SelectionStart() const { return std::min(anchor_, caret_); }
    std::size_t SelectionEnd() const { return std::max(anchor_, caret_); }
    bool HasSelection() const { return anchor_ != caret_; }
    std::string_view Selected() const;

    // Offsets beyond the text clamp to its end; inside a character, to its start.
    void Select(std::size_t anchor, std::size_t caret);
    // Replaces the selection; the caret ends after the new text. Text beyond
    // the limit is cut at a character boundary. False when nothing changed.
    bool ReplaceSelection(std::string_view replacement, bool undoable);
    // Bytes the last replacement put in (after the cut at the limit).
    std::size_t LastInserted() const { return lastInserted_; }
    void SetText(std::string_view text);
    std::size_t Limit() const { return limit_; }
    void SetLimit(std::size_t limit) { limit_ = limit; }
    // How many bytes of `replacement` fit under the limit at the selection.
    std::size_t Room() const;

    bool CanUndo() const { return canUndo_; }
    // Puts back what the last change replaced; a second undo redoes it.
    // Typing in one run (insertions, each right after the previous one) is
    // undone as one change.
    bool Undo();
    void ForgetUndo() { canUndo_ = false; }

    std::size_t Boundary(std::size_t offset) const;
    std::size_t NextChar(std::size_t offset) const;
    std::size_t PreviousChar(std::size_t offset) const;
    std::size_t NextWord(std::size_t offset) const;
    std::size_t PreviousWord(std::size_t offset) const;

private:
    void RecordUndo(std::size_t start, std::size_t removedLength, std::size_t insertedLength);

    std::string text_;
    std::size_t anchor_ = 0;
    std::size_t caret_ = 0;
    std::size_t lastInserted_ = 0;
    std::size_t limit_ = 0x7FFFFFFE; // Windows' default for EM_LIMITTEXT 0
    // The last change: [undoStart_, undoStart_ + undoInserted_) replaced undoRemoved_.
    std::size_t undoStart_ = 0;
    std::size_t undoInserted_ = 0;
    std::string undoRemoved_;
    bool canUndo_ = false;
};

} // namespace win::controls

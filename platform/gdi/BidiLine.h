#pragma once
// The visual order of one line of text by the Unicode bidirectional algorithm:
// runs of Hebrew and Arabic read right to left among left-to-right runs, and
// brackets at right-to-left levels mirrored.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace win {

enum class ReadingOrder { LeftToRight, RightToLeft };

// Whether a character is strongly right-to-left or starts a right-to-left
// embedding; a left-to-right line without one shows in logical order.
bool IsRightToLeft(char32_t c);

// Holds its buffers between lines so that warm drawing does not allocate.
class BidiLine {
public:
    void Clear();
    void Add(char32_t c);
    // Resolves the levels of the characters added and reorders them.
    void Reorder(ReadingOrder base);

    std::size_t Size() const { return codes_.size(); }
    // The logical index of the character shown at a visual position.
    std::size_t LogicalAt(std::size_t visual) const {
        return reordered_ ? std::size_t(visualToLogical_[visual]) : visual;
    }
    char32_t Logical(std::size_t logical) const { return char32_t(codes_[logical]); }
    // The character to show for a logical index (its mirror image where needed).
    char32_t Shown(std::size_t logical) const {
        return char32_t(reordered_ ? shown_[logical] : codes_[logical]);
    }

private:
    bool reordered_ = false;
    std::vector<std::uint32_t> codes_;
    std::vector<std::uint32_t> shown_;
    std::vector<std::uint32_t> types_;
    std::vector<std::uint32_t> brackets_;
    std::vector<signed char> levels_;
    std::vector<int> visualToLogical_;
};

} // namespace win

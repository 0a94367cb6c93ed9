#include "platform/gdi/BidiLine.h"

#include <algorithm>
#include <fribidi.h>
#include <numeric>
#include <type_traits>

namespace win {

// The buffers in the header hold the library's own types.
static_assert(std::is_same_v<FriBidiChar, std::uint32_t>);
static_assert(std::is_same_v<FriBidiCharType, std::uint32_t>);
static_assert(std::is_same_v<FriBidiBracketType, std::uint32_t>);
static_assert(std::is_same_v<FriBidiLevel, signed char>);
static_assert(std::is_same_v<FriBidiStrIndex, int>);

bool IsRightToLeft(char32_t c) {
    const FriBidiCharType type = fribidi_get_bidi_type(FriBidiChar(c));
    return FRIBIDI_IS_RTL(type) || type == FRIBIDI_TYPE_AN || type == FRIBIDI_TYPE_RLE ||
           type == FRIBIDI_TYPE_RLO || type == FRIBIDI_TYPE_RLI;
}

void BidiLine::Clear() {
    codes_.clear();
}

void BidiLine::Add(char32_t c) {
    codes_.push_back(std::uint32_t(c));
}

void BidiLine::Reorder(ReadingOrder base) {
    // A left-to-right line with nothing right-to-left in it keeps its logical order
    // without a call into the library (the common case, and allocation-free).
    reordered_ = base == ReadingOrder::RightToLeft ||
                 std::any_of(codes_.begin(), codes_.end(),
                             [](std::uint32_t c) { return IsRightToLeft(char32_t(c)); });
    if (!reordered_)
        return;
    const int n = int(codes_.size());
    shown_ = codes_;
    types_.resize(codes_.size());
    brackets_.resize(codes_.size());
    levels_.resize(codes_.size());
    visualToLogical_.resize(codes_.size());
    std::iota(visualToLogical_.begin(), visualToLogical_.end(), 0);
    if (n == 0)
        return;
    fribidi_get_bidi_types(codes_.data(), n, types_.data());
    fribidi_get_bracket_types(codes_.data(), n, types_.data(), brackets_.data());
    FriBidiParType direction =
        base == ReadingOrder::RightToLeft ? FRIBIDI_PAR_RTL : FRIBIDI_PAR_LTR;
    if (fribidi_get_par_embedding_levels_ex(types_.data(), brackets_.data(), n, &direction,
                                            levels_.data()) == 0) {
        reordered_ = false; // out of memory inside the library: show the logical order
        return;
    }
    fribidi_shape_mirroring(levels_.data(), n, shown_.data());
    if (fribidi_reorder_line(FRIBIDI_FLAGS_DEFAULT, types_.data(), n, 0, direction, levels_.data(),
                             nullptr, visualToLogical_.data()) == 0)
        reordered_ = false; // as above
}

} // namespace win

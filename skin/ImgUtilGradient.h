#pragma once
// Two-colour gradients filled line by line, with the tables of line colours
// kept in a small process-wide cache: painters ask for the same few gradients
// (toolbar, caption) on every paint.

#include "framework/Color.h"
#include "platform/gdi/GdiTypes.h"

#include <array>
#include <vector>

namespace skin {

// The colours of a gradient of n lines (n ≥ 1, else EAssertionFailed
// "Assertion failure") from first to last, both plain RGB: per channel
// first + ⌊(c / 2 + i × (last − first)) / c⌋ with c = n − 1, so the table
// starts at first and ends at last exactly; one line is the halfway colour.
std::vector<win::COLORREF> BuildGradientTable(int n, win::COLORREF first, win::COLORREF last);

// Sixteen tables, each found again by its length, first and last colour,
// replaced round-robin.
class TGradientCache {
public:
    static constexpr int kSlots = 16;

    struct TSlot {
        int length = 0;
        std::vector<win::COLORREF> colors;
    };

    // The table for (n, first, last): the highest slot holding it, else a new
    // one built into the next slot in turn.
    const std::vector<win::COLORREF>& Table(int n, win::COLORREF first, win::COLORREF last);

    const TSlot& Slot(int index) const { return FSlots[std::size_t(index)]; }
    // The slot the next table built will overwrite.
    int NextSlot() const { return FNext; }

private:
    std::array<TSlot, kSlots> FSlots;
    int FNext = 0;
};

// The cache GradientFill uses.
TGradientCache& GradientTables();

enum class TGradientDirection { LeftToRight = 0, TopToBottom = 1 };

// Fills rect with one-pixel lines (rows from top to bottom or columns from left
// to right) running from `first` to `last`; only the lines inside the DC's clip
// box are painted, in the colours the whole gradient has there.
void GradientFill(win::HDC dc, const win::RECT& rect, fw::TColor first,
                  TGradientDirection direction, fw::TColor last);

} // namespace skin

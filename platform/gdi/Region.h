#pragma once
// A set of pixels as y-x banded rectangles: rectangles sorted by top, then left;
// rectangles of one band share top and bottom and do not touch; bands do not
// overlap, and two adjacent bands never hold the same spans (they are merged).
// That canonical form makes equality a plain comparison and every boolean
// operation one sweep over both operands.

#include "platform/kernel/WinTypes.h"

#include <span>
#include <vector>

namespace win {

class Region {
public:
    enum class Op { And, Or, Xor, Diff };
    struct Span {
        LONG left;
        LONG right;
    };

    Region() = default;
    explicit Region(const RECT& rect);
    // The union of any rectangles (empty and inverted ones are ignored).
    static Region FromRects(std::span<const RECT> rects);
    // Rows of spans from `top` down, one list per pixel row, each sorted and disjoint.
    static Region FromRows(LONG top, const std::vector<std::vector<Span>>& rows);

    static Region Combine(const Region& a, const Region& b, Op op);
    // The same into `out` (which may be `a` or `b`), reusing its storage, so a
    // warm repaint combines clip regions without touching the heap.
    static void CombineInto(const Region& a, const Region& b, Op op, Region& out);
    // Becomes `rect`, keeping the storage already held.
    void Assign(const RECT& rect);

    bool IsEmpty() const { return rects_.empty(); }
    const std::vector<RECT>& Rects() const { return rects_; }
    RECT Bounds() const;
    // NULLREGION, SIMPLEREGION or COMPLEXREGION.
    int Complexity() const;
    bool Contains(LONG x, LONG y) const;
    bool Intersects(const RECT& rect) const;
    void Offset(LONG dx, LONG dy);
    // Offsets unless the region would leave the 27-bit coordinate space drawing
    // uses (as Windows limits it); false, and unchanged, then.
    bool OffsetWithinLimits(LONG dx, LONG dy);
    static constexpr LONG kCoordinateLimit = 1 << 27;
    // The rectangles of one pixel row, in left-to-right order.
    std::span<const RECT> RowAt(LONG y) const;

    // Calls f(RECT) for each part of `rect` inside the region, top to bottom.
    template <class F> void ForEachPart(const RECT& rect, F&& f) const {
        for (const RECT& r : rects_) {
            if (r.top >= rect.bottom)
                break;
            RECT part{r.left > rect.left ? r.left : rect.left, r.top > rect.top ? r.top : rect.top,
                      r.right < rect.right ? r.right : rect.right,
                      r.bottom < rect.bottom ? r.bottom : rect.bottom};
            if (part.left < part.right && part.top < part.bottom)
                f(part);
        }
    }

    friend bool operator==(const Region&, const Region&);

private:
    class Builder;
    std::vector<RECT> rects_;
};

} // namespace win

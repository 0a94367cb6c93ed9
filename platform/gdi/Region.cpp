#include "platform/gdi/Region.h"

#include <algorithm>
#include <limits>

namespace win {

namespace {

bool IsEmptyRect(const RECT& r) {
    return r.left >= r.right || r.top >= r.bottom;
}

bool Keeps(Region::Op op, bool inA, bool inB) {
    switch (op) {
    case Region::Op::And:
        return inA && inB;
    case Region::Op::Or:
        return inA || inB;
    case Region::Op::Xor:
        return inA != inB;
    case Region::Op::Diff:
        return inA && !inB;
    }
    return false;
}

using Spans = std::vector<Region::Span>;

// Combines two sorted, disjoint span lists by sweeping their edges.
void CombineSpans(std::span<const RECT> a, std::span<const RECT> b, Region::Op op, Spans& out) {
    out.clear();
    std::size_t ia = 0, ib = 0;
    bool inA = false, inB = false;
    LONG openedAt = 0;
    bool open = false;
    while (ia < a.size() * 2 || ib < b.size() * 2) {
        const LONG xa = ia < a.size() * 2 ? (ia % 2 ? a[ia / 2].right : a[ia / 2].left)
                                          : std::numeric_limits<LONG>::max();
        const LONG xb = ib < b.size() * 2 ? (ib % 2 ? b[ib / 2].right : b[ib / 2].left)
                                          : std::numeric_limits<LONG>::max();
        const LONG x = std::min(xa, xb);
        if (xa == x) {
            inA = !inA;
            ++ia;
        }
        if (xb == x) {
            inB = !inB;
            ++ib;
        }
        const bool keep = Keeps(op, inA, inB);
        if (keep && !open) {
            openedAt = x;
            open = true;
        } else if (!keep && open) {
            open = false;
            if (!out.empty() && out.back().right == openedAt)
                out.back().right = x;
            else if (x > openedAt)
                out.push_back({openedAt, x});
        }
    }
}

} // namespace

// Appends bands from top to bottom, merging a band into the one above when
// they touch and hold the same spans.
class Region::Builder {
public:
    explicit Builder(std::vector<RECT>& out) : out_(out) { out_.clear(); }

    void AddBand(LONG top, LONG bottom, const Spans& spans) {
        if (spans.empty() || top >= bottom)
            return;
        if (lastBandStart_ != kNone && out_.back().bottom == top && SameSpans(spans)) {
            for (std::size_t i = lastBandStart_; i < out_.size(); ++i)
                out_[i].bottom = bottom;
            return;
        }
        lastBandStart_ = out_.size();
        for (const Span& s : spans)
            out_.push_back({s.left, top, s.right, bottom});
    }

private:
    static constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();

    bool SameSpans(const Spans& spans) const {
        if (out_.size() - lastBandStart_ != spans.size())
            return false;
        for (std::size_t i = 0; i < spans.size(); ++i) {
            const RECT& r = out_[lastBandStart_ + i];
            if (r.left != spans[i].left || r.right != spans[i].right)
                return false;
        }
        return true;
    }

    std::vector<RECT>& out_;
    std::size_t lastBandStart_ = kNone;
};

Region::Region(const RECT& rect) {
    if (!IsEmptyRect(rect))
        rects_.push_back(rect);
}

namespace {

// The band of `rects` starting at index `i`: [i, end).
std::size_t BandEnd(const std::vector<RECT>& rects, std::size_t i) {
    std::size_t end = i;
    while (end < rects.size() && rects[end].top == rects[i].top)
        ++end;
    return end;
}

} // namespace

Region Region::Combine(const Region& a, const Region& b, Op op) {
    Region result;
    CombineInto(a, b, op, result);
    return result;
}

void Region::Assign(const RECT& rect) {
    rects_.clear();
    if (!IsEmptyRect(rect))
        rects_.push_back(rect);
}

void Region::CombineInto(const Region& a, const Region& b, Op op, Region& out) {
    // The result is built aside, as `out` may be an operand, then copied in:
    // both keep their storage for the next call.
    thread_local std::vector<RECT> result;
    thread_local Spans spans;
    Builder builder(result);
    const auto& ra = a.rects_;
    const auto& rb = b.rects_;
    std::size_t ia = 0, ib = 0;
    LONG y = std::numeric_limits<LONG>::min();
    while (ia < ra.size() || ib < rb.size()) {
        // Skip bands that end at or above the sweep line.
        while (ia < ra.size() && ra[ia].bottom <= y)
            ia = BandEnd(ra, ia);
        while (ib < rb.size() && rb[ib].bottom <= y)
            ib = BandEnd(rb, ib);
        if (ia >= ra.size() && ib >= rb.size())
            break;
        const LONG maxL = std::numeric_limits<LONG>::max();
        const LONG topA = ia < ra.size() ? std::max(ra[ia].top, y) : maxL;
        const LONG topB = ib < rb.size() ? std::max(rb[ib].top, y) : maxL;
        const LONG top = std::min(topA, topB);
        const bool aHere = topA == top;
        const bool bHere = topB == top;
        LONG bottom = maxL;
        if (aHere)
            bottom = std::min(bottom, ra[ia].bottom);
        else if (ia < ra.size())
            bottom = std::min(bottom, topA);
        if (bHere)
            bottom = std::min(bottom, rb[ib].bottom);
        else if (ib < rb.size())
            bottom = std::min(bottom, topB);
        const std::span<const RECT> spansA =
            aHere ? std::span<const RECT>(ra).subspan(ia, BandEnd(ra, ia) - ia)
                  : std::span<const RECT>();
        const std::span<const RECT> spansB =
            bHere ? std::span<const RECT>(rb).subspan(ib, BandEnd(rb, ib) - ib)
                  : std::span<const RECT>();
        CombineSpans(spansA, spansB, op, spans);
        builder.AddBand(top, bottom, spans);
        y = bottom;
    }
    out.rects_.assign(result.begin(), result.end());
}

Region Region::FromRects(std::span<const RECT> rects) {
    // Sweep the distinct horizontal edges; between two of them the region's row
    // is the union of the rectangles that cover it.
    std::vector<LONG> edges;
    std::vector<RECT> valid;
    for (const RECT& r : rects) {
        if (IsEmptyRect(r))
            continue;
        valid.push_back(r);
        edges.push_back(r.top);
        edges.push_back(r.bottom);
    }
    Region result;
    if (valid.empty())
        return result;
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    std::sort(valid.begin(), valid.end(),
              [](const RECT& l, const RECT& r) { return l.top < r.top; });
    Builder builder(result.rects_);
    std::vector<RECT> active;
    std::vector<Span> covering;
    Spans spans;
    std::size_t next = 0;
    for (std::size_t e = 0; e + 1 < edges.size(); ++e) {
        const LONG top = edges[e], bottom = edges[e + 1];
        std::erase_if(active, [&](const RECT& r) { return r.bottom <= top; });
        while (next < valid.size() && valid[next].top <= top)
            active.push_back(valid[next++]);
        covering.clear();
        for (const RECT& r : active)
            covering.push_back({r.left, r.right});
        std::sort(covering.begin(), covering.end(),
                  [](const Span& l, const Span& r) { return l.left < r.left; });
        spans.clear();
        for (const Span& s : covering) {
            if (!spans.empty() && s.left <= spans.back().right)
                spans.back().right = std::max(spans.back().right, s.right);
            else
                spans.push_back(s);
        }
        builder.AddBand(top, bottom, spans);
    }
    return result;
}

Region Region::FromRows(LONG top, const std::vector<std::vector<Span>>& rows) {
    Region result;
    Builder builder(result.rects_);
    Spans spans;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        spans.clear();
        for (const Span& s : rows[i]) {
            if (s.left >= s.right)
                continue;
            if (!spans.empty() && s.left <= spans.back().right)
                spans.back().right = std::max(spans.back().right, s.right);
            else
                spans.push_back(s);
        }
        const LONG y = top + LONG(i);
        builder.AddBand(y, y + 1, spans);
    }
    return result;
}

RECT Region::Bounds() const {
    if (rects_.empty())
        return {};
    RECT box{rects_.front().left, rects_.front().top, rects_.front().right, rects_.back().bottom};
    for (const RECT& r : rects_) {
        box.left = std::min(box.left, r.left);
        box.right = std::max(box.right, r.right);
    }
    return box;
}

int Region::Complexity() const {
    if (rects_.empty())
        return 1;
    return rects_.size() == 1 ? 2 : 3;
}

std::span<const RECT> Region::RowAt(LONG y) const {
    auto first = std::partition_point(rects_.begin(), rects_.end(),
                                      [y](const RECT& r) { return r.bottom <= y; });
    if (first == rects_.end() || first->top > y)
        return {};
    auto last = first;
    while (last != rects_.end() && last->top == first->top)
        ++last;
    return {&*first, std::size_t(last - first)};
}

bool Region::Contains(LONG x, LONG y) const {
    for (const RECT& r : RowAt(y))
        if (x >= r.left && x < r.right)
            return true;
    return false;
}

bool Region::Intersects(const RECT& rect) const {
    if (IsEmptyRect(rect))
        return false;
    for (const RECT& r : rects_) {
        if (r.top >= rect.bottom)
            break;
        if (r.bottom > rect.top && r.left < rect.right && r.right > rect.left)
            return true;
    }
    return false;
}

void Region::Offset(LONG dx, LONG dy) {
    for (RECT& r : rects_) {
        r.left += dx;
        r.right += dx;
        r.top += dy;
        r.bottom += dy;
    }
}

bool Region::OffsetWithinLimits(LONG dx, LONG dy) {
    if (rects_.empty())
        return true;
    const RECT box = Bounds();
    auto inside = [](long long v) { return v >= -kCoordinateLimit && v <= kCoordinateLimit; };
    if (!inside((long long)box.left + dx) || !inside((long long)box.right + dx) ||
        !inside((long long)box.top + dy) || !inside((long long)box.bottom + dy))
        return false;
    Offset(dx, dy);
    return true;
}

bool operator==(const Region& a, const Region& b) {
    return a.rects_ == b.rects_;
}

} // namespace win

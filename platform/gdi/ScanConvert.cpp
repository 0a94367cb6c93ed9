#include "platform/gdi/ScanConvert.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace win {

namespace {

using SpanRows = std::vector<std::vector<Region::Span>>;

// Half the width of an ellipse of radii (a, b) at vertical distance dy from its
// centre; 0 outside.
double HalfWidth(double a, double b, double dy) {
    if (b <= 0)
        return 0;
    const double t = 1.0 - (dy * dy) / (b * b);
    return t > 0 ? a * std::sqrt(t) : 0;
}

LONG Round(double v) {
    return LONG(std::floor(v + 0.5));
}

// The rows of [top, bottom) that lie in the window.
std::pair<LONG, LONG> Visible(LONG top, LONG bottom, RowWindow window) {
    return {std::max(top, window.top), std::min(bottom, window.bottom)};
}

// Builds a region from one span per row, spanOf(y) giving [left, right).
template <class SpanOf> Region RowsOf(LONG top, LONG bottom, SpanOf&& spanOf) {
    if (top >= bottom)
        return {};
    SpanRows rows(std::size_t(bottom - top));
    for (LONG y = top; y < bottom; ++y) {
        const Region::Span span = spanOf(y);
        if (span.left < span.right)
            rows[std::size_t(y - top)].push_back(span);
    }
    return Region::FromRows(top, rows);
}

} // namespace

Region EllipseRegion(const RECT& box, RowWindow window) {
    if (box.right <= box.left || box.bottom <= box.top)
        return {};
    const double a = (double(box.right) - box.left) / 2.0, b = (double(box.bottom) - box.top) / 2.0;
    const double cx = box.left + a, cy = box.top + b;
    const auto [top, bottom] = Visible(box.top, box.bottom, window);
    return RowsOf(top, bottom, [&](LONG y) {
        const double dx = HalfWidth(a, b, y + 0.5 - cy);
        return Region::Span{Round(cx - dx), Round(cx + dx)};
    });
}

Region RoundRectRegion(const RECT& box, int cornerWidth, int cornerHeight, RowWindow window) {
    if (box.right <= box.left || box.bottom <= box.top)
        return {};
    const double w = double(box.right) - box.left, h = double(box.bottom) - box.top;
    const double a = std::min<double>(std::abs(double(cornerWidth)), w) / 2.0;
    const double b = std::min<double>(std::abs(double(cornerHeight)), h) / 2.0;
    const auto [top, bottom] = Visible(box.top, box.bottom, window);
    return RowsOf(top, bottom, [&](LONG y) {
        const double fromTop = y + 0.5 - box.top, fromBottom = box.bottom - (y + 0.5);
        const double nearest = std::min(fromTop, fromBottom);
        const double inset = nearest < b ? a - HalfWidth(a, b, b - nearest) : 0;
        return Region::Span{Round(box.left + inset), Round(box.right - inset)};
    });
}

Region PolygonRegion(std::span<const POINT> points, bool winding, RowWindow window) {
    if (points.size() < 3)
        return {};
    LONG minY = points[0].y, maxY = points[0].y;
    for (const POINT& p : points) {
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    const auto [top, bottom] = Visible(minY, maxY, window);
    if (top >= bottom)
        return {};
    SpanRows rows(std::size_t(bottom - top));
    struct Crossing {
        double x;
        int direction;
    };
    std::vector<Crossing> crossings;
    for (LONG y = top; y < bottom; ++y) {
        const double sy = y + 0.5;
        crossings.clear();
        for (std::size_t i = 0; i < points.size(); ++i) {
            const POINT& p0 = points[i];
            const POINT& p1 = points[(i + 1) % points.size()];
            if (p0.y == p1.y)
                continue;
            const bool down = p1.y > p0.y;
            const double y0 = down ? p0.y : p1.y, y1 = down ? p1.y : p0.y;
            if (sy < y0 || sy >= y1)
                continue;
            const double t = (sy - p0.y) / (double(p1.y) - p0.y);
            crossings.push_back({p0.x + t * (double(p1.x) - p0.x), down ? 1 : -1});
        }
        std::sort(crossings.begin(), crossings.end(),
                  [](const Crossing& l, const Crossing& r) { return l.x < r.x; });
        auto& row = rows[std::size_t(y - top)];
        int inside = 0;
        for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
            inside += winding ? crossings[i].direction : 1;
            const bool filled = winding ? inside != 0 : (inside & 1);
            if (!filled)
                continue;
            const LONG left = LONG(std::ceil(crossings[i].x - 0.5));
            const LONG right = LONG(std::ceil(crossings[i + 1].x - 0.5));
            if (left < right)
                row.push_back({left, right});
        }
        std::sort(row.begin(), row.end(),
                  [](const Region::Span& l, const Region::Span& r) { return l.left < r.left; });
    }
    return Region::FromRows(top, rows);
}

Region FrameOf(const Region& area, int width, int height) {
    Region inner = area;
    for (const POINT shift :
         {POINT{width, 0}, POINT{-width, 0}, POINT{0, height}, POINT{0, -height}}) {
        Region moved = area;
        moved.Offset(shift.x, shift.y);
        inner = Region::Combine(inner, moved, Region::Op::And);
    }
    return Region::Combine(area, inner, Region::Op::Diff);
}

} // namespace win

// StretchBlt and TransparentBlt: scaled copies. COLORONCOLOR (and any
// enlargement) samples the source pixel under each destination pixel's centre,
// so stretches are exact and repeatable; shrinking in BLACKONWHITE or
// WHITEONBLACK mode ANDs or ORs the source pixels a destination pixel covers,
// HALFTONE averages them.

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Raster.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace win {

namespace {

// One axis of a stretch: for each destination index in [from, to) of an extent
// of `destExtent` pixels, the first source index it covers and how many (at
// least one). Only the visible indices are mapped, so a huge, mostly clipped
// stretch costs what its visible part costs. Mirrored when the two extents
// differ in sign.
struct AxisMap {
    std::vector<int> first;
    std::vector<int> count;

    AxisMap(int destExtent, int srcOrigin, int srcExtent, bool mirror, bool boxes, int from,
            int to) {
        const long long n = std::abs(destExtent), m = std::abs(srcExtent);
        const std::size_t size = to > from ? std::size_t(to - from) : 0;
        first.resize(size);
        count.resize(size);
        for (std::size_t k = 0; k < size; ++k) {
            const long long i = from + (long long)k;
            long long lo, hi;
            if (boxes && m > n) {
                lo = i * m / n;
                hi = (i + 1) * m / n;
            } else {
                lo = (2 * i + 1) * m / (2 * n);
                hi = lo + 1;
            }
            const long long len = std::max(1LL, hi - lo);
            first[k] = int(mirror ? srcOrigin + m - lo - len : srcOrigin + lo);
            count[k] = int(len);
        }
    }
};

std::uint32_t Combine(int mode, const std::uint32_t* pixels, int n) {
    if (mode == HALFTONE) {
        unsigned r = 0, g = 0, b = 0;
        for (int i = 0; i < n; ++i) {
            r += (pixels[i] >> 16) & 0xFF;
            g += (pixels[i] >> 8) & 0xFF;
            b += pixels[i] & 0xFF;
        }
        const unsigned h = unsigned(n) / 2;
        return (((r + h) / unsigned(n)) << 16) | (((g + h) / unsigned(n)) << 8) |
               ((b + h) / unsigned(n));
    }
    std::uint32_t v = pixels[0];
    for (int i = 1; i < n; ++i)
        v = mode == BLACKONWHITE ? (v & pixels[i]) : (v | pixels[i]);
    return v;
}

struct Stretch {
    DeviceContext* dest;
    DeviceContext* src;
    RECT mapped;    // the visible part of the destination, target coordinates
    AxisMap xs, ys; // source target coordinates per destination pixel
    bool sampled;   // one source pixel per destination pixel
    int mode;
};

// Builds the mapping; false when there is nothing to draw.
std::optional<Stretch> PrepareStretch(HDC dest, int x, int y, int width, int height, HDC src,
                                      int xSrc, int ySrc, int srcWidth, int srcHeight,
                                      bool allowBoxes) {
    DeviceContext* d = LookupDC(dest);
    DeviceContext* s = LookupDC(src);
    if (!d || !s || width == 0 || height == 0 || srcWidth == 0 || srcHeight == 0)
        return std::nullopt;
    const POINT d0 = d->ToTarget(POINT{x, y});
    const POINT d1 = d->ToTarget(POINT{x + width, y + height});
    const POINT s0 = s->ToTarget(POINT{xSrc, ySrc});
    const POINT s1 = s->ToTarget(POINT{xSrc + srcWidth, ySrc + srcHeight});
    const bool mirrorX = (d1.x < d0.x) != (s1.x < s0.x);
    const bool mirrorY = (d1.y < d0.y) != (s1.y < s0.y);
    const int mode = d->state.stretchMode;
    const bool boxes = allowBoxes && mode != COLORONCOLOR;
    const RECT full{std::min(d0.x, d1.x), std::min(d0.y, d1.y), std::max(d0.x, d1.x),
                    std::max(d0.y, d1.y)};
    const RECT bounds = d->Clip().Bounds();
    const RECT mapped{std::max(full.left, bounds.left), std::max(full.top, bounds.top),
                      std::min(full.right, bounds.right), std::min(full.bottom, bounds.bottom)};
    if (mapped.left >= mapped.right || mapped.top >= mapped.bottom)
        return std::nullopt;
    Stretch st{d,
               s,
               mapped,
               AxisMap(d1.x - d0.x, std::min(s0.x, s1.x), s1.x - s0.x, mirrorX, boxes,
                       mapped.left - full.left, mapped.right - full.left),
               AxisMap(d1.y - d0.y, std::min(s0.y, s1.y), s1.y - s0.y, mirrorY, boxes,
                       mapped.top - full.top, mapped.bottom - full.top),
               !boxes || (std::abs(s1.x - s0.x) <= std::abs(d1.x - d0.x) &&
                          std::abs(s1.y - s0.y) <= std::abs(d1.y - d0.y)),
               mode};
    return st;
}

// The destination range [first, last) (relative to the stretch's left or top)
// whose source pixels lie inside [0, limit); the maps are monotonic, so it is
// one contiguous range.
std::pair<int, int> ValidRange(const AxisMap& map, int limit) {
    const int n = int(map.first.size());
    auto inside = [&](int i) {
        return map.first[std::size_t(i)] >= 0 &&
               map.first[std::size_t(i)] + map.count[std::size_t(i)] <= limit;
    };
    int first = 0;
    while (first < n && !inside(first))
        ++first;
    int last = first;
    while (last < n && inside(last))
        ++last;
    return {first, last};
}

// Runs `emit(row, left, n, pixels, convert)` for each clipped destination run,
// with the stretched source pixels (still in source colour terms when `convert`
// is set). Destination pixels whose source lies outside the source target are
// left alone. Consecutive rows taken from the same source row reuse the run.
template <class Emit> void ForEachStretchedRun(Stretch& st, Emit&& emit) {
    const PixelView srcView = st.src->Target();
    RowReader reader(srcView);
    const bool convert = NeedsConversion(*st.src, *st.dest);
    const auto [x0, x1] = ValidRange(st.xs, srcView.width);
    const auto [y0, y1] = ValidRange(st.ys, srcView.height);
    const RECT valid{st.mapped.left + x0, st.mapped.top + y0, st.mapped.left + x1,
                     st.mapped.top + y1};
    if (valid.left >= valid.right || valid.top >= valid.bottom)
        return;
    std::vector<std::uint32_t> run, box, built;
    st.dest->Clip().ForEachPart(valid, [&](const RECT& part) {
        const int n = part.right - part.left;
        const std::size_t first = std::size_t(part.left - st.mapped.left);
        int builtFrom = -1;
        for (int row = part.top; row < part.bottom; ++row) {
            const std::size_t yi = std::size_t(row - st.mapped.top);
            if (!st.sampled || st.ys.first[yi] != builtFrom) {
                built.resize(std::size_t(n));
                if (st.sampled) {
                    const int sx0 =
                        std::min(st.xs.first[first], st.xs.first[first + std::size_t(n) - 1]);
                    const int sx1 =
                        std::max(st.xs.first[first], st.xs.first[first + std::size_t(n) - 1]) + 1;
                    const std::uint32_t* line = reader.Read(st.ys.first[yi], sx0, sx1 - sx0);
                    for (int i = 0; i < n; ++i)
                        built[std::size_t(i)] = line[st.xs.first[first + std::size_t(i)] - sx0];
                    builtFrom = st.ys.first[yi];
                } else {
                    for (int i = 0; i < n; ++i) {
                        const std::size_t xi = first + std::size_t(i);
                        box.clear();
                        for (int sy = st.ys.first[yi]; sy < st.ys.first[yi] + st.ys.count[yi]; ++sy)
                            for (int sx = st.xs.first[xi]; sx < st.xs.first[xi] + st.xs.count[xi];
                                 ++sx)
                                box.push_back(srcView.Get(sx, sy));
                        built[std::size_t(i)] = Combine(st.mode, box.data(), int(box.size()));
                    }
                }
            }
            // The emitter may convert the run in place, so it gets a copy.
            run.assign(built.begin(), built.end());
            emit(row, part.left, n, run.data(), convert);
        }
    });
}

} // namespace

BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC src, int xSrc, int ySrc,
                int srcWidth, int srcHeight, DWORD rop) {
    const std::uint8_t code = RopIndex(rop);
    if (!RopUsesSource(code))
        return PatBlt(dest, x, y, width, height, rop);
    auto st = PrepareStretch(dest, x, y, width, height, src, xSrc, ySrc, srcWidth, srcHeight, true);
    if (!st)
        return LookupDC(dest) && LookupDC(src) ? TRUE : FALSE;
    Brush* brush = RopUsesPattern(code) ? LookupBrush(*st->dest, st->dest->state.brush) : nullptr;
    const PixelView target = st->dest->Target();
    RowEditor editor(target);
    std::vector<std::uint32_t> pattern;
    ForEachStretchedRun(*st, [&](int row, int left, int n, std::uint32_t* pixels, bool convert) {
        if (convert)
            ConvertRow(*st->src, *st->dest, pixels, n);
        std::uint32_t solid = 0;
        bool varies = false;
        if (brush) {
            pattern.resize(std::size_t(n));
            varies = BrushRow(*st->dest, *brush, left, row, n, pattern.data(), solid);
        }
        std::uint32_t* out = editor.Open(row, left, n);
        RopRow(code, out, pixels, 0, varies ? pattern.data() : nullptr, solid, n);
        editor.Commit();
    });
    return TRUE;
}

BOOL TransparentBlt(HDC dest, int x, int y, int width, int height, HDC src, int xSrc, int ySrc,
                    int srcWidth, int srcHeight, UINT transparent) {
    // Windows refuses mirrored and empty transparent blits.
    if (width <= 0 || height <= 0 || srcWidth <= 0 || srcHeight <= 0)
        return FALSE;
    auto st =
        PrepareStretch(dest, x, y, width, height, src, xSrc, ySrc, srcWidth, srcHeight, false);
    if (!st)
        return LookupDC(dest) && LookupDC(src) ? TRUE : FALSE;
    const std::uint32_t key = PixelOf(transparent & 0xFFFFFF);
    const PixelView target = st->dest->Target();
    RowEditor editor(target);
    std::vector<std::uint32_t> original;
    ForEachStretchedRun(*st, [&](int row, int left, int n, std::uint32_t* pixels, bool convert) {
        original.assign(pixels, pixels + n);
        if (convert)
            ConvertRow(*st->src, *st->dest, pixels, n);
        std::uint32_t* out = editor.Open(row, left, n);
        for (int i = 0; i < n; ++i)
            if (original[std::size_t(i)] != key)
                out[i] = pixels[i];
        editor.Commit();
    });
    return TRUE;
}

} // namespace win

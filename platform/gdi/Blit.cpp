// PatBlt, BitBlt, MaskBlt: raster operations between a pattern, a source DC and
// the destination, one-to-one.

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Raster.h"

#include <algorithm>
#include <vector>

namespace win {

namespace {

RECT NormalizedTargetRect(const DeviceContext& dc, int x, int y, int width, int height) {
    RECT r = dc.ToTarget(RECT{x, y, x + width, y + height});
    if (r.left > r.right)
        std::swap(r.left, r.right);
    if (r.top > r.bottom)
        std::swap(r.top, r.bottom);
    return r;
}

RECT Intersect(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (r.left >= r.right || r.top >= r.bottom)
        return {};
    return r;
}

// The source pixels of a blit, read ahead into a copy when source and
// destination share memory, so overlapping copies (scrolling) come out right.
class SourceRows {
public:
    SourceRows(const DeviceContext& src, const DeviceContext& dest, const RECT& srcRect)
        : view_(src.Target()), reader_(view_), src_(src), dest_(dest),
          convert_(NeedsConversion(src, dest)) {
        const PixelView destView = dest.Target();
        if (destView.base == view_.base && srcRect.right > srcRect.left) {
            snapshot_ = srcRect;
            copy_.resize(std::size_t(srcRect.right - srcRect.left) *
                         std::size_t(srcRect.bottom - srcRect.top));
            for (int y = srcRect.top; y < srcRect.bottom; ++y)
                view_.Read(y, srcRect.left, srcRect.right - srcRect.left,
                           copy_.data() + std::size_t(y - srcRect.top) *
                                              std::size_t(srcRect.right - srcRect.left));
        }
    }

    // Source row y from x, `n` pixels, in the destination's colour terms.
    const std::uint32_t* Row(int y, int x, int n) {
        const std::uint32_t* row;
        if (!copy_.empty()) {
            const int w = snapshot_.right - snapshot_.left;
            row = copy_.data() + std::size_t(y - snapshot_.top) * std::size_t(w) +
                  std::size_t(x - snapshot_.left);
        } else {
            row = reader_.Read(y, x, n);
        }
        if (!convert_)
            return row;
        converted_.assign(row, row + n);
        ConvertRow(src_, dest_, converted_.data(), n);
        return converted_.data();
    }

private:
    PixelView view_;
    RowReader reader_;
    const DeviceContext& src_;
    const DeviceContext& dest_;
    bool convert_;
    RECT snapshot_{};
    std::vector<std::uint32_t> copy_;
    std::vector<std::uint32_t> converted_;
};

struct PatternSource {
    Brush* brush = nullptr;
    std::vector<std::uint32_t> row;
    std::uint32_t solid = 0;
    bool varies = false;

    const std::uint32_t* Row(const DeviceContext& dc, int x, int y, int n) {
        if (!brush)
            return nullptr;
        if (row.size() < std::size_t(n))
            row.resize(std::size_t(n));
        varies = BrushRow(dc, *brush, x, y, n, row.data(), solid);
        return varies ? row.data() : nullptr;
    }
};

} // namespace

BOOL PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc)
        return FALSE;
    const std::uint8_t code = RopIndex(rop);
    PatternSource pattern;
    pattern.brush = LookupBrush(*dc, dc->state.brush);
    if (RopUsesPattern(code) && pattern.brush && pattern.brush->GetStyle() == Brush::Style::Null)
        return TRUE;
    const PixelView target = dc->Target();
    RowEditor editor(target);
    dc->Clip().ForEachPart(NormalizedTargetRect(*dc, x, y, width, height), [&](const RECT& part) {
        const int n = part.right - part.left;
        for (int row = part.top; row < part.bottom; ++row) {
            const std::uint32_t* p = pattern.Row(*dc, part.left, row, n);
            std::uint32_t* d = editor.Open(row, part.left, n);
            RopRow(code, d, nullptr, 0, p, pattern.solid, n);
            editor.Commit();
        }
    });
    return TRUE;
}

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int xSrc, int ySrc, DWORD rop) {
    const std::uint8_t code = RopIndex(rop);
    if (!RopUsesSource(code))
        return PatBlt(dest, x, y, width, height, rop);
    DeviceContext* d = LookupDC(dest);
    DeviceContext* s = LookupDC(src);
    if (!d || !s)
        return FALSE;
    RECT destRect = NormalizedTargetRect(*d, x, y, width, height);
    const POINT srcOrigin = s->ToTarget(POINT{xSrc, ySrc});
    const int dx = srcOrigin.x - destRect.left, dy = srcOrigin.y - destRect.top;
    const PixelView srcView = s->Target();
    // Only the part whose source lies inside the source target is drawn.
    destRect = Intersect(destRect, RECT{-dx, -dy, srcView.width - dx, srcView.height - dy});
    if (destRect.left >= destRect.right)
        return TRUE;
    SourceRows source(
        *s, *d,
        RECT{destRect.left + dx, destRect.top + dy, destRect.right + dx, destRect.bottom + dy});
    PatternSource pattern;
    if (RopUsesPattern(code))
        pattern.brush = LookupBrush(*d, d->state.brush);
    const PixelView target = d->Target();
    RowEditor editor(target);
    d->Clip().ForEachPart(destRect, [&](const RECT& part) {
        const int n = part.right - part.left;
        for (int row = part.top; row < part.bottom; ++row) {
            const std::uint32_t* sr = source.Row(row + dy, part.left + dx, n);
            const std::uint32_t* p = pattern.Row(*d, part.left, row, n);
            std::uint32_t* out = editor.Open(row, part.left, n);
            RopRow(code, out, sr, 0, p, pattern.solid, n);
            editor.Commit();
        }
    });
    return TRUE;
}

BOOL MaskBlt(HDC dest, int x, int y, int width, int height, HDC src, int xSrc, int ySrc,
             HBITMAP mask, int xMask, int yMask, DWORD rop) {
    Bitmap* maskBitmap = GdiHandleTable::Instance().FindAs<Bitmap>(mask);
    if (!mask)
        return BitBlt(dest, x, y, width, height, src, xSrc, ySrc, rop & 0xFFFFFF);
    if (!maskBitmap || !maskBitmap->IsMono())
        return FALSE;
    DeviceContext* d = LookupDC(dest);
    DeviceContext* s = LookupDC(src);
    if (!d || (!s && RopUsesSource(RopIndex(rop))))
        return FALSE;
    // Mask bit 1 selects the foreground operation (low bytes), 0 the background
    // one (high byte), as MAKEROP4 builds them.
    const std::uint8_t fore = RopIndex(rop);
    const std::uint8_t back = std::uint8_t(rop >> 24);
    RECT destRect = NormalizedTargetRect(*d, x, y, width, height);
    const POINT origin = d->ToTarget(POINT{x, y});
    const PixelView maskView = maskBitmap->View();
    destRect = Intersect(destRect,
                         RECT{origin.x - xMask, origin.y - yMask, origin.x - xMask + maskView.width,
                              origin.y - yMask + maskView.height});
    int dx = 0, dy = 0;
    std::optional<SourceRows> source;
    if (s) {
        const POINT srcOrigin = s->ToTarget(POINT{xSrc, ySrc});
        dx = srcOrigin.x - origin.x;
        dy = srcOrigin.y - origin.y;
        const PixelView srcView = s->Target();
        destRect = Intersect(destRect, RECT{-dx, -dy, srcView.width - dx, srcView.height - dy});
        if (destRect.left < destRect.right)
            source.emplace(*s, *d,
                           RECT{destRect.left + dx, destRect.top + dy, destRect.right + dx,
                                destRect.bottom + dy});
    }
    if (destRect.left >= destRect.right)
        return TRUE;
    PatternSource pattern;
    pattern.brush = LookupBrush(*d, d->state.brush);
    const PixelView target = d->Target();
    RowEditor editor(target);
    RowReader maskReader(maskView);
    // Keep where the mask is set, copy the source elsewhere: the colour-keyed
    // copy every skin painter makes, worth a loop without the general rop.
    const bool keyedCopy = fore == 0xAA && back == 0xCC && source;
    d->Clip().ForEachPart(destRect, [&](const RECT& part) {
        const int n = part.right - part.left;
        for (int row = part.top; row < part.bottom; ++row) {
            const std::uint32_t* sr = source ? source->Row(row + dy, part.left + dx, n) : nullptr;
            const std::uint32_t* p = pattern.Row(*d, part.left, row, n);
            const std::uint32_t* m =
                maskReader.Read(row - origin.y + yMask, part.left - origin.x + xMask, n);
            std::uint32_t* out = editor.Open(row, part.left, n);
            if (keyedCopy)
                for (int i = 0; i < n; ++i)
                    out[i] = m[i] ? out[i] : sr[i];
            else
                for (int i = 0; i < n; ++i)
                    out[i] =
                        Rop3(m[i] ? fore : back, p ? p[i] : pattern.solid, sr ? sr[i] : 0, out[i]);
            editor.Commit();
        }
    });
    return TRUE;
}

} // namespace win

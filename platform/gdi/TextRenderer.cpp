#include "platform/gdi/TextRenderer.h"

#include "platform/gdi/Raster.h"
#include "platform/gdi/Utf8.h"

#include <algorithm>

namespace win {

TextRun::Step TextRun::Next(std::size_t at) {
    const Utf8Char c = DecodeUtf8(text_, at);
    const Glyph& glyph = face_.GlyphFor(c.code);
    const int advance = dx_ ? dx_[index_] : glyph.advance + extra_;
    ++index_;
    return {c.code, c.length, advance, &glyph};
}

int TextRun::Width() {
    int width = 0;
    for (std::size_t at = 0; at < text_.size();) {
        const Step step = Next(at);
        width += step.advance;
        at += step.length;
    }
    index_ = 0;
    return width;
}

namespace {

RECT Intersect(const RECT& a, const RECT& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

// Sets the pixels of one glyph row that lie in the clip.
void PlotInkRow(const Region& clip, const PixelView& target, const std::uint8_t* ink, int x, int y,
                int width, const RECT& limit, std::uint32_t pixel) {
    if (y < limit.top || y >= limit.bottom)
        return;
    for (const RECT& part : clip.RowAt(y)) {
        const int from = std::max({x, int(part.left), int(limit.left)});
        const int to = std::min({x + width, int(part.right), int(limit.right)});
        for (int px = from; px < to; ++px)
            if (ink[px - x])
                target.Set(px, y, pixel);
    }
}

// The clip rectangle that holds all of `box`, if one does.
const RECT* Enclosing(const Region& clip, const RECT& box) {
    for (const RECT& r : clip.RowAt(box.top))
        if (r.left <= box.left && r.right >= box.right && r.bottom >= box.bottom)
            return &r;
    return nullptr;
}

void PlotGlyph(const Region& clip, const PixelView& target, const Glyph& glyph, int gx, int gy,
               const RECT& limit, std::uint32_t pixel) {
    const RECT box{gx, gy, gx + glyph.width, gy + glyph.height};
    if (glyph.width == 0 || box.left >= limit.right || box.right <= limit.left ||
        box.top >= limit.bottom || box.bottom <= limit.top)
        return;
    const bool insideLimit = box.left >= limit.left && box.right <= limit.right &&
                             box.top >= limit.top && box.bottom <= limit.bottom;
    if (insideLimit && target.bitsPerPixel == 32 && Enclosing(clip, box)) {
        // The common case: the whole glyph is visible; no clipping per pixel.
        const std::uint8_t* ink = glyph.ink.data();
        for (int row = 0; row < glyph.height; ++row) {
            std::uint32_t* out = target.Row32(gy + row) + gx;
            for (int x = 0; x < glyph.width; ++x)
                if (ink[x])
                    out[x] = pixel;
            ink += glyph.width;
        }
        return;
    }
    for (int row = 0; row < glyph.height; ++row)
        PlotInkRow(clip, target, glyph.ink.data() + std::size_t(row) * std::size_t(glyph.width), gx,
                   gy + row, glyph.width, limit, pixel);
}

} // namespace

void FillTargetRectColor(DeviceContext& dc, const RECT& rect, std::uint32_t pixel) {
    const PixelView target = dc.Target();
    RowEditor editor(target);
    dc.Clip().ForEachPart(rect, [&](const RECT& part) {
        for (int row = part.top; row < part.bottom; ++row) {
            std::uint32_t* out = editor.Open(row, part.left, part.right - part.left);
            std::fill(out, out + (part.right - part.left), pixel);
            editor.Commit();
        }
    });
}

void DrawGlyph(DeviceContext& dc, const Glyph& glyph, POINT pen, std::optional<RECT> clip) {
    const PixelView target = dc.Target();
    const RECT limit = clip ? *clip : RECT{0, 0, target.width, target.height};
    PlotGlyph(dc.Clip(), target, glyph, pen.x + glyph.left, pen.y - glyph.top, limit,
              PixelOf(dc.state.textColor));
}

void DrawDecorations(DeviceContext& dc, FontFace& face, POINT origin, int to,
                     std::optional<RECT> clip) {
    const PixelView target = dc.Target();
    const RECT limit = clip ? *clip : RECT{0, 0, target.width, target.height};
    const std::uint32_t pixel = PixelOf(dc.state.textColor);
    const LOGFONT& lf = face.Description();
    const TEXTMETRIC& tm = face.Metrics();
    if (lf.lfUnderline) {
        const int y = origin.y + std::max<LONG>(1, tm.tmDescent / 2);
        FillTargetRectColor(dc, Intersect(RECT{origin.x, y, to, y + 1}, limit), pixel);
    }
    if (lf.lfStrikeOut) {
        const int y = origin.y - tm.tmAscent / 3;
        FillTargetRectColor(dc, Intersect(RECT{origin.x, y, to, y + 1}, limit), pixel);
    }
}

void DrawTextRun(DeviceContext& dc, FontFace& face, std::string_view text, POINT origin,
                 std::optional<RECT> clip, const int* dx, ReadingOrder order) {
    // Kept between calls so that redrawing the same text allocates nothing.
    thread_local BidiLine line;
    line.Clear();
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Char c = DecodeUtf8(text, at);
        line.Add(c.code);
        at += c.length;
    }
    line.Reorder(order);
    int pen = origin.x;
    for (std::size_t visual = 0; visual < line.Size(); ++visual) {
        const std::size_t logical = line.LogicalAt(visual);
        // The advance stays the logical character's, so the run measures as it draws.
        const int advance =
            dx ? dx[logical]
               : face.GlyphFor(line.Logical(logical)).advance + dc.state.textCharacterExtra;
        DrawGlyph(dc, face.GlyphFor(line.Shown(logical)), POINT{pen, origin.y}, clip);
        pen += advance;
    }
    DrawDecorations(dc, face, origin, pen, clip);
}

} // namespace win

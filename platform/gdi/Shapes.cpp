// Lines and outlined shapes: MoveToEx, LineTo, Polyline, Rectangle, RoundRect,
// Ellipse, Polygon. Filled shapes take their interior from the scan converter,
// so a shape drawn and the region of the same shape cover the same pixels; the
// outline is the pen's width of the shape's own frame.

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Raster.h"
#include "platform/gdi/ScanConvert.h"

#include <algorithm>
#include <cstdlib>

namespace win {

namespace {

// Cosmetic pen dash patterns (on, off, ...) in pixels.
std::span<const int> DashPattern(int style) {
    static constexpr int dash[] = {18, 6};
    static constexpr int dot[] = {3, 3};
    static constexpr int dashDot[] = {9, 6, 3, 6};
    static constexpr int dashDotDot[] = {9, 3, 3, 3, 3, 3};
    switch (style) {
    case PS_DASH:
        return dash;
    case PS_DOT:
        return dot;
    case PS_DASHDOT:
        return dashDot;
    case PS_DASHDOTDOT:
        return dashDotDot;
    default:
        return {};
    }
}

class PenPlotter {
public:
    PenPlotter(DeviceContext& dc, const Pen& pen)
        : dc_(dc), target_(dc.Target()), pixel_(PenPixel(dc, pen)),
          gapPixel_(PixelOf(dc.state.bkColor)), rop_(Rop3FromRop2(dc.state.rop2)),
          width_(pen.Width()),
          dashes_(pen.Width() == 1 ? DashPattern(pen.Style()) : std::span<const int>()) {}

    // A line from a to b in target coordinates, the last point excluded.
    void Line(POINT a, POINT b) {
        const int dx = std::abs(b.x - a.x), dy = -std::abs(b.y - a.y);
        const int sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
        int err = dx + dy;
        POINT p = a;
        while (p.x != b.x || p.y != b.y) {
            if (DashOn())
                Dot(p, pixel_);
            else if (dc_.state.bkMode == OPAQUE)
                Dot(p, gapPixel_); // the gaps of a styled pen show the background colour
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                p.x += sx;
            }
            if (e2 <= dx) {
                err += dx;
                p.y += sy;
            }
        }
    }

private:
    bool DashOn() {
        if (dashes_.empty())
            return true;
        int total = 0;
        for (int d : dashes_)
            total += d;
        int at = dashStep_++ % total;
        for (std::size_t i = 0; i < dashes_.size(); ++i) {
            if (at < dashes_[i])
                return i % 2 == 0;
            at -= dashes_[i];
        }
        return true;
    }

    void Dot(POINT p, std::uint32_t pixel) {
        const int half = (width_ - 1) / 2;
        const RECT square{p.x - half, p.y - half, p.x - half + width_, p.y - half + width_};
        RowEditor editor(target_);
        dc_.Clip().ForEachPart(square, [&](const RECT& part) {
            for (int row = part.top; row < part.bottom; ++row) {
                std::uint32_t* out = editor.Open(row, part.left, part.right - part.left);
                RopRow(rop_, out, nullptr, 0, nullptr, pixel, part.right - part.left);
                editor.Commit();
            }
        });
    }

    DeviceContext& dc_;
    PixelView target_;
    std::uint32_t pixel_;
    std::uint32_t gapPixel_;
    std::uint8_t rop_;
    int width_;
    std::span<const int> dashes_;
    int dashStep_ = 0;
};

bool DrawsPen(const Pen* pen) {
    return pen && pen->Style() != PS_NULL;
}

RECT TargetBox(const DeviceContext& dc, int left, int top, int right, int bottom) {
    const POINT a = dc.ToTarget(POINT{left, top});
    const POINT b = dc.ToTarget(POINT{right, bottom});
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

// The rows a shape can show: the clip's, widened by the pen so that the outline
// found at the window's edges lies outside the clip.
RowWindow VisibleRows(const DeviceContext& dc) {
    const RECT box = dc.Clip().Bounds();
    const Pen* pen = LookupPen(dc);
    const LONG margin = pen ? pen->Width() + 1 : 1;
    return {box.top - margin, box.bottom + margin};
}

// Fills `shape` with the brush and outlines it with the pen, in the DC's rop2.
void DrawShape(DeviceContext& dc, const Region& shape) {
    const std::uint8_t rop = Rop3FromRop2(dc.state.rop2);
    Pen* pen = LookupPen(dc);
    Region interior = shape;
    if (DrawsPen(pen)) {
        const Region outline = FrameOf(shape, pen->Width(), pen->Width());
        interior = Region::Combine(shape, outline, Region::Op::Diff);
        auto penBrush = Brush::Solid(ColorOf(PenPixel(dc, *pen)));
        PaintRegion(dc, outline, *penBrush, rop);
    }
    if (Brush* brush = LookupBrush(dc, dc.state.brush))
        PaintRegion(dc, interior, *brush, rop);
}

} // namespace

BOOL MoveToEx(HDC hdc, int x, int y, POINT* previous) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc)
        return FALSE;
    if (previous)
        *previous = dc->state.currentPosition;
    dc->state.currentPosition = {x, y};
    return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc)
        return FALSE;
    Pen* pen = LookupPen(*dc);
    if (DrawsPen(pen))
        PenPlotter(*dc, *pen).Line(dc->ToTarget(dc->state.currentPosition),
                                   dc->ToTarget(POINT{x, y}));
    dc->state.currentPosition = {x, y};
    return TRUE;
}

BOOL Polyline(HDC hdc, const POINT* points, int count) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || !points || count < 2)
        return FALSE;
    Pen* pen = LookupPen(*dc);
    if (!DrawsPen(pen))
        return TRUE;
    PenPlotter plotter(*dc, *pen);
    for (int i = 0; i + 1 < count; ++i)
        plotter.Line(dc->ToTarget(points[i]), dc->ToTarget(points[i + 1]));
    return TRUE;
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc)
        return FALSE;
    DrawShape(*dc, Region(TargetBox(*dc, left, top, right, bottom)));
    return TRUE;
}

BOOL RoundRect(HDC hdc, int left, int top, int right, int bottom, int width, int height) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc)
        return FALSE;
    const RECT box = TargetBox(*dc, left, top, right, bottom);
    DrawShape(*dc, RoundRectRegion(box, width, height, VisibleRows(*dc)));
    return TRUE;
}

BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc)
        return FALSE;
    const RECT box = TargetBox(*dc, left, top, right, bottom);
    DrawShape(*dc, EllipseRegion(box, VisibleRows(*dc)));
    return TRUE;
}

BOOL Polygon(HDC hdc, const POINT* points, int count) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || !points || count < 2)
        return FALSE;
    std::vector<POINT> target(points, points + count);
    for (POINT& p : target)
        p = dc->ToTarget(p);
    const std::uint8_t rop = Rop3FromRop2(dc->state.rop2);
    if (Brush* brush = LookupBrush(*dc, dc->state.brush))
        PaintRegion(*dc, PolygonRegion(target, dc->state.polyFillMode == WINDING, VisibleRows(*dc)),
                    *brush, rop);
    Pen* pen = LookupPen(*dc);
    if (DrawsPen(pen)) {
        PenPlotter plotter(*dc, *pen);
        for (std::size_t i = 0; i < target.size(); ++i)
            plotter.Line(target[i], target[(i + 1) % target.size()]);
    }
    return TRUE;
}

} // namespace win

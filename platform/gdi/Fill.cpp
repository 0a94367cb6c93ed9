// Rectangle and region fills: FillRect, FrameRect, InvertRect and the region
// painters.

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Raster.h"
#include "platform/gdi/RegionObject.h"
#include "platform/gdi/ScanConvert.h"
#include "platform/gdi/SystemMetrics.h"

#include <algorithm>

namespace win {

namespace {

// FillRect accepts a system colour index + 1 in place of a brush, as Windows does.
HBRUSH ResolveBrush(HBRUSH brush) {
    const auto value = reinterpret_cast<std::uintptr_t>(brush);
    if (value >= 1 && value <= COLOR_MENUBAR + 1)
        return GetSysColorBrush(int(value - 1));
    return brush;
}

void FillTargetRect(DeviceContext& dc, const RECT& rect, Brush& brush) {
    if (brush.GetStyle() == Brush::Style::Null || rect.left >= rect.right ||
        rect.top >= rect.bottom)
        return;
    const PixelView target = dc.Target();
    RowEditor editor(target);
    std::uint32_t solid = 0;
    // Solid brushes, the common case, fill without a pattern row.
    const bool patterned = BrushRow(dc, brush, 0, 0, 0, nullptr, solid);
    std::vector<std::uint32_t> pattern;
    dc.Clip().ForEachPart(rect, [&](const RECT& part) {
        const int n = part.right - part.left;
        if (patterned && pattern.size() < std::size_t(n))
            pattern.resize(std::size_t(n));
        for (int row = part.top; row < part.bottom; ++row) {
            if (patterned)
                BrushRow(dc, brush, part.left, row, n, pattern.data(), solid);
            std::uint32_t* out = editor.Open(row, part.left, n);
            if (patterned) {
                for (int i = 0; i < n; ++i)
                    if (!(pattern[std::size_t(i)] & kSkipPixel))
                        out[i] = pattern[std::size_t(i)];
            } else
                std::fill(out, out + n, solid);
            editor.Commit();
        }
    });
}

RECT TargetRect(const DeviceContext& dc, const RECT& logical) {
    return dc.ToTarget(logical);
}

} // namespace

int FillRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    DeviceContext* dc = LookupDC(hdc);
    Brush* b = GdiHandleTable::Instance().FindAs<Brush>(ResolveBrush(brush));
    if (!dc || !rect || !b)
        return 0;
    FillTargetRect(*dc, TargetRect(*dc, *rect), *b);
    return 1;
}

int FrameRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    DeviceContext* dc = LookupDC(hdc);
    Brush* b = GdiHandleTable::Instance().FindAs<Brush>(ResolveBrush(brush));
    if (!dc || !rect || !b)
        return 0;
    const RECT r = TargetRect(*dc, *rect);
    if (r.left >= r.right || r.top >= r.bottom)
        return 1;
    FillTargetRect(*dc, {r.left, r.top, r.right, r.top + 1}, *b);
    FillTargetRect(*dc, {r.left, r.bottom - 1, r.right, r.bottom}, *b);
    FillTargetRect(*dc, {r.left, r.top + 1, r.left + 1, r.bottom - 1}, *b);
    FillTargetRect(*dc, {r.right - 1, r.top + 1, r.right, r.bottom - 1}, *b);
    return 1;
}

BOOL InvertRect(HDC hdc, const RECT* rect) {
    if (!rect)
        return FALSE;
    return PatBlt(hdc, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top,
                  DSTINVERT);
}

BOOL FillRgn(HDC hdc, HRGN region, HBRUSH brush) {
    DeviceContext* dc = LookupDC(hdc);
    RegionObject* object = LookupRegion(region);
    Brush* b = GdiHandleTable::Instance().FindAs<Brush>(ResolveBrush(brush));
    if (!dc || !object || !b)
        return FALSE;
    Region area = object->region;
    const POINT o = dc->ToTarget(POINT{0, 0});
    area.Offset(o.x, o.y);
    PaintRegion(*dc, area, *b, 0xF0);
    return TRUE;
}

BOOL PaintRgn(HDC hdc, HRGN region) {
    DeviceContext* dc = LookupDC(hdc);
    return dc ? FillRgn(hdc, region, dc->state.brush) : FALSE;
}

BOOL InvertRgn(HDC hdc, HRGN region) {
    DeviceContext* dc = LookupDC(hdc);
    RegionObject* object = LookupRegion(region);
    if (!dc || !object)
        return FALSE;
    Region area = object->region;
    const POINT o = dc->ToTarget(POINT{0, 0});
    area.Offset(o.x, o.y);
    Brush* any = GdiHandleTable::Instance().FindAs<Brush>(GetStockObject(BLACK_BRUSH));
    PaintRegion(*dc, area, *any, 0x55);
    return TRUE;
}

BOOL FrameRgn(HDC hdc, HRGN region, HBRUSH brush, int width, int height) {
    DeviceContext* dc = LookupDC(hdc);
    RegionObject* object = LookupRegion(region);
    Brush* b = GdiHandleTable::Instance().FindAs<Brush>(ResolveBrush(brush));
    if (!dc || !object || !b || width < 0 || height < 0)
        return FALSE;
    Region frame = FrameOf(object->region, std::min<LONG>(width, Region::kCoordinateLimit),
                           std::min<LONG>(height, Region::kCoordinateLimit));
    const POINT o = dc->ToTarget(POINT{0, 0});
    frame.Offset(o.x, o.y);
    PaintRegion(*dc, frame, *b, 0xF0);
    return TRUE;
}

void PaintRegion(DeviceContext& dc, const Region& area, Brush& brush, std::uint8_t rop) {
    if (brush.GetStyle() == Brush::Style::Null)
        return;
    const PixelView target = dc.Target();
    RowEditor editor(target);
    std::vector<std::uint32_t> pattern;
    const Region visible = Region::Combine(area, dc.Clip(), Region::Op::And);
    for (const RECT& part : visible.Rects()) {
        const int n = part.right - part.left;
        if (pattern.size() < std::size_t(n))
            pattern.resize(std::size_t(n));
        for (int row = part.top; row < part.bottom; ++row) {
            std::uint32_t solid = 0;
            const bool varies = BrushRow(dc, brush, part.left, row, n, pattern.data(), solid);
            std::uint32_t* out = editor.Open(row, part.left, n);
            RopRow(rop, out, nullptr, 0, varies ? pattern.data() : nullptr, solid, n);
            editor.Commit();
        }
    }
}

} // namespace win

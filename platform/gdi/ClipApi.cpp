// Clipping: the DC's clip region (device coordinates) on top of the system clip.

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/RegionObject.h"

#include <algorithm>

namespace win {

namespace {

RECT DeviceRect(const DeviceContext& dc, int left, int top, int right, int bottom) {
    const POINT tl = dc.LogicalToDevice(POINT{left, top});
    const POINT br = dc.LogicalToDevice(POINT{right, bottom});
    return {std::min(tl.x, br.x), std::min(tl.y, br.y), std::max(tl.x, br.x), std::max(tl.y, br.y)};
}

int ResultOf(const DeviceContext& dc) {
    return dc.Clip().Complexity();
}

int CombineClip(HDC hdc, const Region& with, Region::Op op) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc)
        return RGN_ERROR;
    Region& clip = dc->EditableClip();
    Region::CombineInto(clip, with, op, clip);
    dc->ClipChanged();
    return ResultOf(*dc);
}

// Paint code clips rectangles in and out on every paint: one scratch region
// serves them all.
int CombineClipRect(HDC hdc, const RECT& rect, Region::Op op) {
    thread_local Region operand;
    operand.Assign(rect);
    return CombineClip(hdc, operand, op);
}

} // namespace

int SelectClipRgn(HDC hdc, HRGN region) {
    return ExtSelectClipRgn(hdc, region, RGN_COPY);
}

int ExtSelectClipRgn(HDC hdc, HRGN region, int mode) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc)
        return RGN_ERROR;
    if (!region) {
        if (mode != RGN_COPY)
            return RGN_ERROR;
        dc->state.clip.reset();
        dc->ClipChanged();
        return ResultOf(*dc);
    }
    RegionObject* object = LookupRegion(region);
    if (!object)
        return RGN_ERROR;
    switch (mode) {
    case RGN_COPY:
        dc->state.clip = object->region;
        dc->ClipChanged();
        return ResultOf(*dc);
    case RGN_AND:
        return CombineClip(hdc, object->region, Region::Op::And);
    case RGN_OR:
        return CombineClip(hdc, object->region, Region::Op::Or);
    case RGN_XOR:
        return CombineClip(hdc, object->region, Region::Op::Xor);
    case RGN_DIFF:
        return CombineClip(hdc, object->region, Region::Op::Diff);
    default:
        return RGN_ERROR;
    }
}

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc)
        return RGN_ERROR;
    return CombineClipRect(hdc, DeviceRect(*dc, left, top, right, bottom), Region::Op::And);
}

int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc)
        return RGN_ERROR;
    return CombineClipRect(hdc, DeviceRect(*dc, left, top, right, bottom), Region::Op::Diff);
}

int OffsetClipRgn(HDC hdc, int dx, int dy) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc)
        return RGN_ERROR;
    if (dc->state.clip) {
        if (!dc->state.clip->OffsetWithinLimits(dx, dy))
            return RGN_ERROR;
        dc->ClipChanged();
    }
    return ResultOf(*dc);
}

int GetClipBox(HDC hdc, RECT* rect) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || !rect)
        return RGN_ERROR;
    const Region& clip = dc->Clip();
    if (clip.IsEmpty()) {
        *rect = {};
        return NULLREGION;
    }
    const RECT box = clip.Bounds();
    const POINT tl = dc->ToLogical(POINT{box.left, box.top});
    const POINT br = dc->ToLogical(POINT{box.right, box.bottom});
    *rect = {tl.x, tl.y, br.x, br.y};
    return clip.Complexity();
}

int GetClipRgn(HDC hdc, HRGN region) {
    DeviceContext* dc = LookupDC(hdc);
    RegionObject* object = LookupRegion(region);
    if (!dc || !object)
        return -1;
    if (!dc->state.clip)
        return 0;
    object->region = *dc->state.clip;
    return 1;
}

BOOL PtVisible(HDC hdc, int x, int y) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc)
        return FALSE;
    const POINT p = dc->ToTarget(POINT{x, y});
    return dc->Clip().Contains(p.x, p.y) ? TRUE : FALSE;
}

BOOL RectVisible(HDC hdc, const RECT* rect) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || !rect)
        return FALSE;
    RECT r = dc->ToTarget(*rect);
    if (r.left > r.right)
        std::swap(r.left, r.right);
    if (r.top > r.bottom)
        std::swap(r.top, r.bottom);
    return dc->Clip().Intersects(r) ? TRUE : FALSE;
}

} // namespace win

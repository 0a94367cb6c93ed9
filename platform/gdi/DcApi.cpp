// Device context creation, selection, attributes and origins.

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/ObjectPool.h"
#include "platform/gdi/RegionObject.h"
#include "platform/gdi/SystemMetrics.h"

namespace win {

namespace {

HDC AddDC(std::unique_ptr<DeviceContext> dc) {
    DeviceContext* raw = dc.get();
    raw->handle = GdiHandleTable::Instance().Add(std::move(dc));
    return static_cast<HDC>(raw->handle);
}

// Window DCs come and go on every paint; a few are kept for reuse. The handle
// table is made first, so that it outlives the pooled DCs at exit.
ObjectPool<DeviceContext>& SurfaceDCs() {
    static ObjectPool<DeviceContext> pool((GdiHandleTable::Instance(), 16));
    return pool;
}

template <class T, class F> T Exchange(HDC hdc, T failed, F&& member, T value) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc)
        return failed;
    T& field = member(*dc);
    const T previous = field;
    field = value;
    return previous;
}

template <class T, class F> T Read(HDC hdc, T failed, F&& member) {
    DeviceContext* dc = LookupDC(hdc);
    return dc ? member(*dc) : failed;
}

BOOL MoveOrigin(HDC hdc, POINT DeviceContext::State::*origin, int x, int y, POINT* previous,
                bool relative) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc)
        return FALSE;
    POINT& field = dc->state.*origin;
    if (previous)
        *previous = field;
    field = relative ? POINT{field.x + x, field.y + y} : POINT{x, y};
    return TRUE;
}

} // namespace

HDC CreateSurfaceDC(Surface& surface, POINT deviceOrigin, HRGN visibleRegion) {
    const Region* visible = nullptr;
    if (visibleRegion) {
        RegionObject* region = LookupRegion(visibleRegion);
        if (!region)
            return nullptr;
        visible = &region->region;
    }
    if (std::unique_ptr<DeviceContext> pooled = SurfaceDCs().Take()) {
        pooled->Reopen(surface, deviceOrigin, visible);
        return AddDC(std::move(pooled));
    }
    return AddDC(std::make_unique<DeviceContext>(surface, deviceOrigin, visible));
}

HDC CreateCompatibleDC(HDC hdc) {
    if (hdc && !LookupDC(hdc))
        return nullptr;
    return AddDC(std::make_unique<DeviceContext>());
}

BOOL DeleteDC(HDC hdc) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc)
        return FALSE;
    if (dc->IsMemory())
        return GdiHandleTable::Instance().Remove(hdc) ? TRUE : FALSE;
    std::unique_ptr<GdiObject> taken = GdiHandleTable::Instance().Take(hdc);
    if (!taken)
        return FALSE;
    dc->Close();
    taken.release();
    SurfaceDCs().Give(std::unique_ptr<DeviceContext>(dc));
    return TRUE;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc)
        return nullptr;
    // Selecting a region sets the clip region and answers its complexity.
    if (GdiHandleTable::Instance().FindAs<RegionObject>(object))
        return reinterpret_cast<HGDIOBJ>(
            std::intptr_t(SelectClipRgn(hdc, static_cast<HRGN>(object))));
    return dc->Select(object);
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc)
        return nullptr;
    switch (type) {
    case OBJ_BITMAP:
        return dc->state.bitmap;
    case OBJ_BRUSH:
        return dc->state.brush;
    case OBJ_PEN:
        return dc->state.pen;
    case OBJ_FONT:
        return dc->state.font;
    default:
        return nullptr;
    }
}

int SaveDC(HDC hdc) {
    DeviceContext* dc = LookupDC(hdc);
    return dc ? dc->Save() : 0;
}

BOOL RestoreDC(HDC hdc, int savedDC) {
    DeviceContext* dc = LookupDC(hdc);
    return dc && dc->Restore(savedDC) ? TRUE : FALSE;
}

BOOL SetViewportOrgEx(HDC hdc, int x, int y, POINT* previous) {
    BOOL ok = MoveOrigin(hdc, &DeviceContext::State::viewportOrg, x, y, previous, false);
    if (DeviceContext* dc = LookupDC(hdc))
        dc->ClipChanged();
    return ok;
}

BOOL OffsetViewportOrgEx(HDC hdc, int dx, int dy, POINT* previous) {
    return MoveOrigin(hdc, &DeviceContext::State::viewportOrg, dx, dy, previous, true);
}

BOOL GetViewportOrgEx(HDC hdc, POINT* origin) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || !origin)
        return FALSE;
    *origin = dc->state.viewportOrg;
    return TRUE;
}

BOOL SetWindowOrgEx(HDC hdc, int x, int y, POINT* previous) {
    return MoveOrigin(hdc, &DeviceContext::State::windowOrg, x, y, previous, false);
}

BOOL OffsetWindowOrgEx(HDC hdc, int dx, int dy, POINT* previous) {
    return MoveOrigin(hdc, &DeviceContext::State::windowOrg, dx, dy, previous, true);
}

BOOL GetWindowOrgEx(HDC hdc, POINT* origin) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || !origin)
        return FALSE;
    *origin = dc->state.windowOrg;
    return TRUE;
}

BOOL SetBrushOrgEx(HDC hdc, int x, int y, POINT* previous) {
    return MoveOrigin(hdc, &DeviceContext::State::brushOrg, x, y, previous, false);
}

BOOL LPtoDP(HDC hdc, POINT* points, int count) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || !points)
        return FALSE;
    for (int i = 0; i < count; ++i)
        points[i] = dc->LogicalToDevice(points[i]);
    return TRUE;
}

BOOL DPtoLP(HDC hdc, POINT* points, int count) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || !points)
        return FALSE;
    const POINT o = dc->DeviceOrigin();
    for (int i = 0; i < count; ++i)
        points[i] = dc->ToLogical(POINT{points[i].x + o.x, points[i].y + o.y});
    return TRUE;
}

int SetStretchBltMode(HDC hdc, int mode) {
    if (mode < BLACKONWHITE || mode > HALFTONE)
        return 0;
    return Exchange(
        hdc, 0, [](DeviceContext& dc) -> int& { return dc.state.stretchMode; }, mode);
}

int GetStretchBltMode(HDC hdc) {
    return Read(hdc, 0, [](DeviceContext& dc) { return dc.state.stretchMode; });
}

COLORREF SetTextColor(HDC hdc, COLORREF color) {
    return Exchange(
        hdc, CLR_INVALID, [](DeviceContext& dc) -> COLORREF& { return dc.state.textColor; },
        color & 0xFFFFFF);
}

COLORREF GetTextColor(HDC hdc) {
    return Read(hdc, CLR_INVALID, [](DeviceContext& dc) { return dc.state.textColor; });
}

COLORREF SetBkColor(HDC hdc, COLORREF color) {
    return Exchange(
        hdc, CLR_INVALID, [](DeviceContext& dc) -> COLORREF& { return dc.state.bkColor; },
        color & 0xFFFFFF);
}

COLORREF GetBkColor(HDC hdc) {
    return Read(hdc, CLR_INVALID, [](DeviceContext& dc) { return dc.state.bkColor; });
}

int SetBkMode(HDC hdc, int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE)
        return 0;
    return Exchange(
        hdc, 0, [](DeviceContext& dc) -> int& { return dc.state.bkMode; }, mode);
}

int GetBkMode(HDC hdc) {
    return Read(hdc, 0, [](DeviceContext& dc) { return dc.state.bkMode; });
}

int SetROP2(HDC hdc, int rop2) {
    if (rop2 < R2_BLACK || rop2 > R2_WHITE)
        return 0;
    return Exchange(
        hdc, 0, [](DeviceContext& dc) -> int& { return dc.state.rop2; }, rop2);
}

int GetROP2(HDC hdc) {
    return Read(hdc, 0, [](DeviceContext& dc) { return dc.state.rop2; });
}

int SetPolyFillMode(HDC hdc, int mode) {
    if (mode != ALTERNATE && mode != WINDING)
        return 0;
    return Exchange(
        hdc, 0, [](DeviceContext& dc) -> int& { return dc.state.polyFillMode; }, mode);
}

COLORREF SetDCBrushColor(HDC hdc, COLORREF color) {
    return Exchange(
        hdc, CLR_INVALID, [](DeviceContext& dc) -> COLORREF& { return dc.state.dcBrushColor; },
        color & 0xFFFFFF);
}

COLORREF SetDCPenColor(HDC hdc, COLORREF color) {
    return Exchange(
        hdc, CLR_INVALID, [](DeviceContext& dc) -> COLORREF& { return dc.state.dcPenColor; },
        color & 0xFFFFFF);
}

BOOL GdiFlush() {
    return TRUE;
}

int GetDeviceCaps(HDC hdc, int index) {
    DeviceContext* dc = hdc ? LookupDC(hdc) : nullptr;
    if (hdc && !dc)
        return 0;
    switch (index) {
    case HORZRES:
        return GetSystemMetrics(SM_CXSCREEN);
    case VERTRES:
        return GetSystemMetrics(SM_CYSCREEN);
    case BITSPIXEL:
        return dc && dc->TargetIsMono() ? 1 : 32;
    case PLANES:
        return 1;
    case NUMCOLORS:
        return -1;
    case RASTERCAPS:
        return RC_BITBLT | RC_STRETCHBLT;
    case LOGPIXELSX:
    case LOGPIXELSY:
        return 96;
    default:
        return 0;
    }
}

} // namespace win

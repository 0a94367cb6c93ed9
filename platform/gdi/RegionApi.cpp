// Region handles: creation, algebra, queries.

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/ObjectPool.h"
#include "platform/gdi/RegionObject.h"
#include "platform/gdi/ScanConvert.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace win {

namespace {

// Paint code creates and deletes regions by the dozen; a few are kept for reuse.
ObjectPool<RegionObject>& PooledRegions() {
    static ObjectPool<RegionObject> pool(64);
    return pool;
}

HRGN AddRegionObject(std::unique_ptr<RegionObject> object) {
    return static_cast<HRGN>(GdiHandleTable::Instance().Add(std::move(object)));
}

HRGN AddRectRegion(const RECT& rect) {
    if (std::unique_ptr<RegionObject> pooled = PooledRegions().Take()) {
        pooled->region.Assign(rect);
        return AddRegionObject(std::move(pooled));
    }
    return AddRegionObject(std::make_unique<RegionObject>(Region(rect)));
}

} // namespace

HRGN AddRegion(Region region) {
    if (std::unique_ptr<RegionObject> pooled = PooledRegions().Take()) {
        pooled->region = std::move(region);
        return AddRegionObject(std::move(pooled));
    }
    return AddRegionObject(std::make_unique<RegionObject>(std::move(region)));
}

void RecycleRegion(std::unique_ptr<RegionObject> region) {
    PooledRegions().Give(std::move(region));
}

namespace {

// Shaped regions keep one band per row: refuse heights no screen has.
bool ShapeFits(const RECT& box) {
    return (long long)box.bottom - box.top <= kMaxShapeRows;
}

// Region coordinates are kept within the 27 bits drawing uses.
LONG Clamp(long long v) {
    return LONG(std::clamp<long long>(v, -Region::kCoordinateLimit, Region::kCoordinateLimit));
}

RECT Ordered(int left, int top, int right, int bottom) {
    return {Clamp(std::min(left, right)), Clamp(std::min(top, bottom)),
            Clamp(std::max(left, right)), Clamp(std::max(top, bottom))};
}

} // namespace

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    return AddRectRegion(Ordered(left, top, right, bottom));
}

HRGN CreateRectRgnIndirect(const RECT* rect) {
    return rect ? CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom) : nullptr;
}

HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int width, int height) {
    const RECT box = Ordered(left, top, right, bottom);
    if (!ShapeFits(box))
        return nullptr;
    return AddRegion(RoundRectRegion(box, width, height));
}

HRGN CreateEllipticRgn(int left, int top, int right, int bottom) {
    const RECT box = Ordered(left, top, right, bottom);
    if (!ShapeFits(box))
        return nullptr;
    return AddRegion(EllipseRegion(box));
}

HRGN CreateEllipticRgnIndirect(const RECT* rect) {
    return rect ? CreateEllipticRgn(rect->left, rect->top, rect->right, rect->bottom) : nullptr;
}

HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode) {
    if (!points || count < 0 || (fillMode != ALTERNATE && fillMode != WINDING))
        return nullptr;
    std::vector<POINT> vertices(points, points + count);
    for (POINT& p : vertices)
        p = {Clamp(p.x), Clamp(p.y)};
    if (!vertices.empty()) {
        const auto [low, high] =
            std::minmax_element(vertices.begin(), vertices.end(),
                                [](const POINT& a, const POINT& b) { return a.y < b.y; });
        if (!ShapeFits(RECT{0, low->y, 0, high->y}))
            return nullptr;
    }
    return AddRegion(PolygonRegion(vertices, fillMode == WINDING));
}

HRGN ExtCreateRegion(const XFORM* xform, DWORD count, const RGNDATA* data) {
    if (!data || count < sizeof(RGNDATAHEADER) || data->rdh.iType != RDH_RECTANGLES)
        return nullptr;
    // Only translations are supported, which is what region data ever carries here.
    if (xform && (xform->eM11 != 1 || xform->eM12 != 0 || xform->eM21 != 0 || xform->eM22 != 1))
        return nullptr;
    const std::size_t available = (count - sizeof(RGNDATAHEADER)) / sizeof(RECT);
    if (data->rdh.nCount > available)
        return nullptr;
    std::vector<RECT> rects(data->rdh.nCount);
    if (!rects.empty())
        std::memcpy(rects.data(), data->Buffer, rects.size() * sizeof(RECT));
    const long long dx = xform ? (long long)xform->eDx : 0;
    const long long dy = xform ? (long long)xform->eDy : 0;
    for (RECT& r : rects)
        r = {Clamp(r.left + dx), Clamp(r.top + dy), Clamp(r.right + dx), Clamp(r.bottom + dy)};
    return AddRegion(Region::FromRects(rects));
}

DWORD GetRegionData(HRGN region, DWORD count, RGNDATA* data) {
    RegionObject* object = LookupRegion(region);
    if (!object)
        return 0;
    const auto& rects = object->region.Rects();
    const DWORD needed = DWORD(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    if (!data)
        return needed;
    if (count < needed)
        return 0;
    data->rdh = RGNDATAHEADER{};
    data->rdh.nCount = DWORD(rects.size());
    data->rdh.nRgnSize = DWORD(rects.size() * sizeof(RECT));
    data->rdh.rcBound = object->region.Bounds();
    if (!rects.empty())
        std::memcpy(data->Buffer, rects.data(), rects.size() * sizeof(RECT));
    return needed;
}

int CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode) {
    RegionObject* d = LookupRegion(dest);
    RegionObject* a = LookupRegion(src1);
    if (!d || !a)
        return RGN_ERROR;
    if (mode == RGN_COPY) {
        d->region = a->region;
        return d->region.Complexity();
    }
    RegionObject* b = LookupRegion(src2);
    if (!b || mode < RGN_AND || mode > RGN_DIFF)
        return RGN_ERROR;
    static constexpr Region::Op kOps[] = {Region::Op::And, Region::Op::Or, Region::Op::Xor,
                                          Region::Op::Diff};
    Region::CombineInto(a->region, b->region, kOps[mode - RGN_AND], d->region);
    return d->region.Complexity();
}

BOOL SetRectRgn(HRGN region, int left, int top, int right, int bottom) {
    RegionObject* object = LookupRegion(region);
    if (!object)
        return FALSE;
    object->region.Assign(Ordered(left, top, right, bottom));
    return TRUE;
}

int OffsetRgn(HRGN region, int dx, int dy) {
    RegionObject* object = LookupRegion(region);
    if (!object)
        return RGN_ERROR;
    if (!object->region.OffsetWithinLimits(dx, dy))
        return RGN_ERROR;
    return object->region.Complexity();
}

BOOL PtInRegion(HRGN region, int x, int y) {
    RegionObject* object = LookupRegion(region);
    return object && object->region.Contains(x, y) ? TRUE : FALSE;
}

BOOL RectInRegion(HRGN region, const RECT* rect) {
    RegionObject* object = LookupRegion(region);
    if (!object || !rect)
        return FALSE;
    return object->region.Intersects(Ordered(rect->left, rect->top, rect->right, rect->bottom))
               ? TRUE
               : FALSE;
}

int GetRgnBox(HRGN region, RECT* rect) {
    RegionObject* object = LookupRegion(region);
    if (!object || !rect)
        return RGN_ERROR;
    *rect = object->region.Bounds();
    return object->region.Complexity();
}

BOOL EqualRgn(HRGN a, HRGN b) {
    RegionObject* ra = LookupRegion(a);
    RegionObject* rb = LookupRegion(b);
    if (!ra || !rb)
        return RGN_ERROR;
    return ra->region == rb->region ? TRUE : FALSE;
}

HRGN CreateRegionFromBitmap(HBITMAP bitmap, COLORREF transparent, BYTE tolerance, int x, int y) {
    Bitmap* source = GdiHandleTable::Instance().FindAs<Bitmap>(bitmap);
    if (!source)
        return nullptr;
    const PixelView view = source->View();
    const int low[3] = {GetRValue(transparent), GetGValue(transparent), GetBValue(transparent)};
    auto isKey = [&](std::uint32_t pixel) {
        const int channel[3] = {int((pixel >> 16) & 0xFF), int((pixel >> 8) & 0xFF),
                                int(pixel & 0xFF)};
        for (int c = 0; c < 3; ++c)
            if (channel[c] < low[c] || channel[c] > std::min(255, low[c] + tolerance))
                return false;
        return true;
    };
    std::vector<std::vector<Region::Span>> rows(static_cast<std::size_t>(view.height));
    std::vector<std::uint32_t> line(std::size_t(view.width));
    for (int row = 0; row < view.height; ++row) {
        view.Read(row, 0, view.width, line.data());
        int col = 0;
        while (col < view.width) {
            while (col < view.width && isKey(line[std::size_t(col)]))
                ++col;
            const int start = col;
            while (col < view.width && !isKey(line[std::size_t(col)]))
                ++col;
            if (col > start)
                rows[std::size_t(row)].push_back({start + x, col + x});
        }
    }
    return AddRegion(Region::FromRows(y, rows));
}

} // namespace win

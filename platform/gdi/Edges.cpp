// DrawEdge and DrawFocusRect.

#include "platform/gdi/Controls3D.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Raster.h"
#include "platform/gdi/SystemMetrics.h"
#include "platform/gdi/TextRenderer.h"

namespace win {

namespace {

struct EdgeColors {
    int topLeft;
    int bottomRight;
};

// The colours of one of the two 1-pixel borders, or none.
std::optional<EdgeColors> BorderColors(UINT edge, bool outer, UINT flags) {
    const UINT raised = outer ? BDR_RAISEDOUTER : BDR_RAISEDINNER;
    const UINT sunken = outer ? BDR_SUNKENOUTER : BDR_SUNKENINNER;
    if (!(edge & (raised | sunken)))
        return std::nullopt;
    if (flags & BF_MONO)
        return EdgeColors{outer ? COLOR_WINDOWFRAME : COLOR_WINDOW,
                          outer ? COLOR_WINDOWFRAME : COLOR_WINDOW};
    if (flags & BF_FLAT)
        return EdgeColors{outer ? COLOR_3DSHADOW : COLOR_3DFACE,
                          outer ? COLOR_3DSHADOW : COLOR_3DFACE};
    const bool isRaised = edge & raised;
    // A soft edge puts the brighter colour outside on raised edges.
    const bool soft = flags & BF_SOFT;
    if (outer)
        return isRaised ? EdgeColors{soft ? COLOR_3DHIGHLIGHT : COLOR_3DLIGHT, COLOR_3DDKSHADOW}
                        : EdgeColors{COLOR_3DSHADOW, COLOR_3DHIGHLIGHT};
    return isRaised ? EdgeColors{soft ? COLOR_3DLIGHT : COLOR_3DHIGHLIGHT, COLOR_3DSHADOW}
                    : EdgeColors{COLOR_3DDKSHADOW, COLOR_3DLIGHT};
}

void Bar(DeviceContext& dc, const RECT& logical, int color) {
    FillTargetRectColor(dc, dc.ToTarget(logical), PixelOf(GetSysColor(color)));
}

// Draws one border ring inside `r` on the sides `flags` names, then shrinks `r`.
void DrawBorder(DeviceContext& dc, RECT& r, const EdgeColors& colors, UINT flags) {
    if (r.left >= r.right || r.top >= r.bottom)
        return;
    // The top-left colour stops one pixel short of the far corners, which belong
    // to the bottom-right colour.
    if (flags & BF_TOP)
        Bar(dc, {r.left, r.top, r.right - 1, r.top + 1}, colors.topLeft);
    if (flags & BF_LEFT)
        Bar(dc, {r.left, r.top, r.left + 1, r.bottom - 1}, colors.topLeft);
    if (flags & BF_BOTTOM)
        Bar(dc, {r.left, r.bottom - 1, r.right, r.bottom}, colors.bottomRight);
    if (flags & BF_RIGHT)
        Bar(dc, {r.right - 1, r.top, r.right, r.bottom}, colors.bottomRight);
    if (flags & BF_LEFT)
        ++r.left;
    if (flags & BF_TOP)
        ++r.top;
    if (flags & BF_RIGHT)
        --r.right;
    if (flags & BF_BOTTOM)
        --r.bottom;
}

} // namespace

BOOL DrawEdge(HDC hdc, RECT* rect, UINT edge, UINT flags) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || !rect)
        return FALSE;
    RECT r = *rect;
    if (auto outer = BorderColors(edge, true, flags))
        DrawBorder(*dc, r, *outer, flags);
    if (auto inner = BorderColors(edge, false, flags))
        DrawBorder(*dc, r, *inner, flags);
    if ((flags & BF_MIDDLE) && r.left < r.right && r.top < r.bottom)
        Bar(*dc, r, (flags & BF_MONO) ? COLOR_WINDOW : COLOR_3DFACE);
    if (flags & BF_ADJUST)
        *rect = r;
    return TRUE;
}

BOOL DrawFocusRect(HDC hdc, const RECT* rect) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || !rect)
        return FALSE;
    const RECT r = dc->ToTarget(*rect);
    if (r.left >= r.right || r.top >= r.bottom)
        return TRUE;
    const PixelView target = dc->Target();
    const Region& clip = dc->Clip();
    // Dots on every pixel whose x + y is even, counted from the rectangle's corner.
    auto dot = [&](int x, int y) {
        if (((x - r.left) + (y - r.top)) % 2 == 0 && clip.Contains(x, y))
            target.Set(x, y, ~target.Get(x, y) & 0xFFFFFF);
    };
    for (int x = r.left; x < r.right; ++x) {
        dot(x, r.top);
        if (r.bottom - 1 > r.top)
            dot(x, r.bottom - 1);
    }
    for (int y = r.top + 1; y < r.bottom - 1; ++y) {
        dot(r.left, y);
        if (r.right - 1 > r.left)
            dot(r.right - 1, y);
    }
    return TRUE;
}

} // namespace win

#include "GdiTestSupport.h"
#include "platform/gdi/Surface.h"

namespace gditest {
namespace {

constexpr COLORREF kInk = RGB(0, 0, 0);

TEST_F(GdiTest, CoordinateConversionsUseBothOrigins) {
    MemoryCanvas c(4, 4);
    SetWindowOrgEx(c.dc(), 10, 20, nullptr);
    SetViewportOrgEx(c.dc(), 1, 2, nullptr);
    POINT p[2] = {{10, 20}, {13, 21}};
    ASSERT_TRUE(LPtoDP(c.dc(), p, 2));
    EXPECT_EQ(p[0], (POINT{1, 2}));
    EXPECT_EQ(p[1], (POINT{4, 3}));
    ASSERT_TRUE(DPtoLP(c.dc(), p, 2));
    EXPECT_EQ(p[0], (POINT{10, 20}));
    POINT previous;
    OffsetViewportOrgEx(c.dc(), 1, 1, &previous);
    EXPECT_EQ(previous, (POINT{1, 2}));
    OffsetWindowOrgEx(c.dc(), -1, 0, &previous);
    EXPECT_EQ(previous, (POINT{10, 20}));
    GetWindowOrgEx(c.dc(), &previous);
    EXPECT_EQ(previous, (POINT{9, 20}));
}

TEST_F(GdiTest, ClipQueriesAndModes) {
    MemoryCanvas c(10, 10);
    struct Step {
        int (*apply)(HDC);
        int complexity;
        RECT box;
    } steps[] = {
        {[](HDC dc) { return IntersectClipRect(dc, 2, 2, 8, 8); }, SIMPLEREGION, {2, 2, 8, 8}},
        {[](HDC dc) { return ExcludeClipRect(dc, 4, 0, 6, 10); }, COMPLEXREGION, {2, 2, 8, 8}},
        {[](HDC dc) { return OffsetClipRgn(dc, 1, 1); }, COMPLEXREGION, {3, 3, 9, 9}},
        {[](HDC dc) {
             HRGN extra = CreateRectRgn(0, 0, 1, 1);
             const int result = ExtSelectClipRgn(dc, extra, RGN_OR);
             DeleteObject(extra);
             return result;
         },
         COMPLEXREGION,
         {0, 0, 9, 9}},
        {[](HDC dc) { return SelectClipRgn(dc, nullptr); }, SIMPLEREGION, {0, 0, 10, 10}},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(step.apply(c.dc()), step.complexity);
        RECT box;
        GetClipBox(c.dc(), &box);
        EXPECT_EQ(box, step.box);
    }
    IntersectClipRect(c.dc(), 2, 2, 4, 4);
    EXPECT_TRUE(PtVisible(c.dc(), 3, 3));
    EXPECT_FALSE(PtVisible(c.dc(), 4, 3));
    RECT touching{3, 3, 9, 9}, outside{4, 4, 9, 9};
    EXPECT_TRUE(RectVisible(c.dc(), &touching));
    EXPECT_FALSE(RectVisible(c.dc(), &outside));
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(c.dc(), copy), 1);
    RECT box;
    GetRgnBox(copy, &box);
    EXPECT_EQ(box, (RECT{2, 2, 4, 4}));
    DeleteObject(copy);
}

TEST_F(GdiTest, NestedSavesRestoreByNegativeLevel) {
    MemoryCanvas c(2, 2);
    SetTextColor(c.dc(), RGB(1, 0, 0));
    EXPECT_EQ(SaveDC(c.dc()), 1);
    SetTextColor(c.dc(), RGB(2, 0, 0));
    EXPECT_EQ(SaveDC(c.dc()), 2);
    SetTextColor(c.dc(), RGB(3, 0, 0));
    EXPECT_TRUE(RestoreDC(c.dc(), -1));
    EXPECT_EQ(GetTextColor(c.dc()), RGB(2, 0, 0));
    EXPECT_TRUE(RestoreDC(c.dc(), 1));
    EXPECT_EQ(GetTextColor(c.dc()), RGB(1, 0, 0));
    EXPECT_FALSE(RestoreDC(c.dc(), -1));
}

TEST_F(GdiTest, DcBrushAndPenTakeTheDcColours) {
    MemoryCanvas c(3, 3);
    SelectObject(c.dc(), GetStockObject(DC_BRUSH));
    SelectObject(c.dc(), GetStockObject(DC_PEN));
    SetDCBrushColor(c.dc(), RGB(0, 0, 200));
    SetDCPenColor(c.dc(), RGB(200, 0, 0));
    Rectangle(c.dc(), 0, 0, 3, 3);
    EXPECT_EQ(c.At(0, 0), RGB(200, 0, 0));
    EXPECT_EQ(c.At(1, 1), RGB(0, 0, 200));
    SelectObject(c.dc(), GetStockObject(WHITE_BRUSH));
    SelectObject(c.dc(), GetStockObject(BLACK_PEN));
}

TEST_F(GdiTest, HatchBrushesDrawTheirLinesOnTheBackgroundColour) {
    MemoryCanvas c(8, 8);
    HBRUSH cross = CreateHatchBrush(HS_CROSS, kInk);
    SetBkColor(c.dc(), RGB(0, 255, 0));
    RECT r{0, 0, 8, 8};
    FillRect(c.dc(), &r, cross);
    EXPECT_EQ(c.Row(0, 8, kInk), ".......#");
    EXPECT_EQ(c.Row(7, 8, kInk), "########");
    EXPECT_EQ(c.At(0, 0), RGB(0, 255, 0));
    // In TRANSPARENT mode the background between the lines is left alone.
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(c.dc(), &r, red);
    SetBkMode(c.dc(), TRANSPARENT);
    FillRect(c.dc(), &r, cross);
    EXPECT_EQ(c.At(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(c.At(7, 0), kInk);
    DeleteObject(red);
    DeleteObject(cross);
}

TEST_F(GdiTest, StyledPenGapsShowTheBackgroundOnlyWhenOpaque) {
    HPEN dotted = CreatePen(PS_DOT, 1, kInk);
    for (int mode : {OPAQUE, TRANSPARENT}) {
        MemoryCanvas c(8, 1, RGB(0, 0, 255));
        HGDIOBJ old = SelectObject(c.dc(), dotted);
        SetBkMode(c.dc(), mode);
        SetBkColor(c.dc(), RGB(0, 255, 0));
        MoveToEx(c.dc(), 0, 0, nullptr);
        LineTo(c.dc(), 8, 0);
        EXPECT_EQ(c.Row(0, 8, kInk), "###...##") << mode;
        EXPECT_EQ(c.At(4, 0), mode == OPAQUE ? RGB(0, 255, 0) : RGB(0, 0, 255)) << mode;
        SelectObject(c.dc(), old);
    }
    DeleteObject(dotted);
}

TEST_F(GdiTest, PolygonFillFollowsTheFillMode) {
    // A pentagram: the centre is outside in alternate mode, inside in winding mode.
    const POINT star[] = {{2, 20}, {10, 0}, {18, 20}, {0, 7}, {20, 7}};
    for (int mode : {ALTERNATE, WINDING}) {
        MemoryCanvas c(21, 21);
        SelectObject(c.dc(), GetStockObject(BLACK_BRUSH));
        SelectObject(c.dc(), GetStockObject(NULL_PEN));
        SetPolyFillMode(c.dc(), mode);
        Polygon(c.dc(), star, 5);
        EXPECT_EQ(c.At(10, 11) == kInk, mode == WINDING) << mode;
        EXPECT_EQ(c.At(10, 3), kInk) << mode;
        SelectObject(c.dc(), GetStockObject(WHITE_BRUSH));
        SelectObject(c.dc(), GetStockObject(BLACK_PEN));
    }
}

TEST_F(GdiTest, ExtremeCoordinatesCostOnlyTheVisiblePart) {
    MemoryCanvas c(8, 8);
    SelectObject(c.dc(), GetStockObject(BLACK_BRUSH));
    SetViewportOrgEx(c.dc(), 4, 4, nullptr);
    Ellipse(c.dc(), -100000000, -100000000, 100000000, 100000000);
    SetViewportOrgEx(c.dc(), 0, 0, nullptr);
    EXPECT_EQ(c.At(4, 4), kInk);
    SelectObject(c.dc(), GetStockObject(WHITE_BRUSH));

    MemoryCanvas strip(2, 1, RGB(9, 9, 9));
    SetPixel(strip.dc(), 1, 0, RGB(1, 1, 1));
    StretchBlt(c.dc(), 0, 0, 1 << 26, 1, strip.dc(), 0, 0, 2, 1, SRCCOPY);
    EXPECT_EQ(c.At(7, 0), RGB(9, 9, 9));

    EXPECT_EQ(CreateEllipticRgn(0, 0, 10, 1 << 20), nullptr);
    HRGN everything = CreateRectRgn(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX);
    EXPECT_EQ(OffsetRgn(everything, INT32_MAX, 0), RGN_ERROR);
    SetViewportOrgEx(c.dc(), INT32_MAX, INT32_MAX, nullptr);
    EXPECT_TRUE(FillRgn(c.dc(), everything, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH))));
    SetViewportOrgEx(c.dc(), 0, 0, nullptr);
    EXPECT_EQ(c.At(0, 7), RGB(128, 128, 128));
    DeleteObject(everything);
}

TEST_F(GdiTest, CurrentObjectsAndStretchModeAreReported) {
    MemoryCanvas c(1, 1);
    EXPECT_EQ(GetCurrentObject(c.dc(), OBJ_BITMAP), c.bitmap());
    EXPECT_EQ(GetCurrentObject(c.dc(), OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(c.dc(), OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetStretchBltMode(c.dc()), BLACKONWHITE);
    EXPECT_EQ(SetStretchBltMode(c.dc(), COLORONCOLOR), BLACKONWHITE);
    EXPECT_EQ(SetStretchBltMode(c.dc(), 99), 0);
    EXPECT_EQ(GetStretchBltMode(c.dc()), COLORONCOLOR);
}

// Surface DCs are reused after DeleteDC: the next one must start as new, with
// none of the old DC's attributes, saved states, clip or visible region.
TEST_F(GdiTest, ASurfaceDcAfterAnotherStartsFresh) {
    Surface surface(20, 10);
    HRGN visible = CreateRectRgn(0, 0, 5, 5);
    HDC first = CreateSurfaceDC(surface, POINT{3, 3}, visible);
    DeleteObject(visible);
    SetTextColor(first, RGB(1, 2, 3));
    SetBkMode(first, TRANSPARENT);
    SaveDC(first);
    IntersectClipRect(first, 0, 0, 1, 1);
    SetViewportOrgEx(first, 4, 4, nullptr);
    DeleteDC(first);

    HDC second = CreateSurfaceDC(surface, POINT{0, 0}, nullptr);
    EXPECT_EQ(GetTextColor(second), RGB(0, 0, 0));
    EXPECT_EQ(GetBkMode(second), OPAQUE);
    EXPECT_EQ(RestoreDC(second, -1), FALSE);
    POINT origin;
    GetViewportOrgEx(second, &origin);
    EXPECT_EQ(origin, (POINT{0, 0}));
    RECT box;
    EXPECT_EQ(GetClipBox(second, &box), SIMPLEREGION);
    EXPECT_EQ(box, (RECT{0, 0, 20, 10}));
    const RECT all{0, 0, 20, 10};
    FillRect(second, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    EXPECT_EQ(surface.pixels.back() & 0xFFFFFF, 0xFFFFFFu);
    DeleteDC(second);
}

} // namespace
} // namespace gditest

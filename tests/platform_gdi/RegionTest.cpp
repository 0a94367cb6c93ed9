#include "platform/gdi/Region.h"

#include "GdiTestSupport.h"

#include <vector>

namespace gditest {
namespace {

using Rects = std::vector<RECT>;

struct CombineCase {
    const char* name;
    RECT a, b;
    int mode;
    int complexity;
    Rects rects;
};

class CombineRgnTest : public GdiTest, public ::testing::WithParamInterface<CombineCase> {};

TEST_P(CombineRgnTest, ProducesCanonicalBands) {
    const CombineCase& c = GetParam();
    HRGN a = CreateRectRgnIndirect(&c.a);
    HRGN b = CreateRectRgnIndirect(&c.b);
    HRGN out = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(CombineRgn(out, a, b, c.mode), c.complexity);
    std::vector<char> buffer(GetRegionData(out, 0, nullptr));
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    ASSERT_EQ(GetRegionData(out, DWORD(buffer.size()), data), buffer.size());
    const RECT* r = reinterpret_cast<const RECT*>(data->Buffer);
    EXPECT_EQ(Rects(r, r + data->rdh.nCount), c.rects);
    for (HRGN h : {a, b, out})
        DeleteObject(h);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CombineRgnTest,
    ::testing::Values(
        CombineCase{
            "AndOverlap", {0, 0, 10, 10}, {5, 5, 15, 15}, RGN_AND, SIMPLEREGION, {{5, 5, 10, 10}}},
        CombineCase{"AndDisjoint", {0, 0, 5, 5}, {5, 0, 10, 5}, RGN_AND, NULLREGION, {}},
        CombineCase{"OrSideBySideMerges",
                    {0, 0, 5, 5},
                    {5, 0, 10, 5},
                    RGN_OR,
                    SIMPLEREGION,
                    {{0, 0, 10, 5}}},
        CombineCase{
            "OrStackedMerges", {0, 0, 5, 5}, {0, 5, 5, 9}, RGN_OR, SIMPLEREGION, {{0, 0, 5, 9}}},
        CombineCase{"OrOverlap",
                    {0, 0, 10, 10},
                    {5, 5, 15, 15},
                    RGN_OR,
                    COMPLEXREGION,
                    {{0, 0, 10, 5}, {0, 5, 15, 10}, {5, 10, 15, 15}}},
        CombineCase{"XorOverlap",
                    {0, 0, 10, 10},
                    {5, 5, 15, 15},
                    RGN_XOR,
                    COMPLEXREGION,
                    {{0, 0, 10, 5}, {0, 5, 5, 10}, {10, 5, 15, 10}, {5, 10, 15, 15}}},
        CombineCase{"DiffHole",
                    {0, 0, 9, 9},
                    {3, 3, 6, 6},
                    RGN_DIFF,
                    COMPLEXREGION,
                    {{0, 0, 9, 3}, {0, 3, 3, 6}, {6, 3, 9, 6}, {0, 6, 9, 9}}},
        CombineCase{"DiffAll", {2, 2, 4, 4}, {0, 0, 9, 9}, RGN_DIFF, NULLREGION, {}},
        CombineCase{"Copy", {1, 2, 3, 4}, {0, 0, 0, 0}, RGN_COPY, SIMPLEREGION, {{1, 2, 3, 4}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GdiTest, RegionQueries) {
    HRGN r = CreateRectRgn(0, 0, 10, 10);
    HRGN hole = CreateRectRgn(3, 3, 6, 6);
    CombineRgn(r, r, hole, RGN_DIFF);
    EXPECT_TRUE(PtInRegion(r, 0, 0));
    EXPECT_FALSE(PtInRegion(r, 4, 4));
    EXPECT_FALSE(PtInRegion(r, 10, 5)); // right and bottom edges are outside
    RECT inside{3, 3, 6, 6}, touching{5, 5, 7, 7};
    EXPECT_FALSE(RectInRegion(r, &inside));
    EXPECT_TRUE(RectInRegion(r, &touching));
    RECT box;
    EXPECT_EQ(GetRgnBox(r, &box), COMPLEXREGION);
    EXPECT_EQ(box, (RECT{0, 0, 10, 10}));
    EXPECT_EQ(OffsetRgn(r, 5, -2), COMPLEXREGION);
    EXPECT_FALSE(PtInRegion(r, 9, 2)); // was (4, 4): the hole moved too
    EXPECT_TRUE(PtInRegion(r, 5, -2));
    EXPECT_FALSE(PtInRegion(r, 4, 0));
    DeleteObject(r);
    DeleteObject(hole);
}

TEST_F(GdiTest, EqualRgnComparesPixelsNotHistory) {
    // The same pixels built two ways compare equal.
    HRGN a = CreateRectRgn(0, 0, 10, 4);
    HRGN lower = CreateRectRgn(0, 4, 10, 8);
    CombineRgn(a, a, lower, RGN_OR);
    HRGN b = CreateRectRgn(0, 0, 10, 8);
    EXPECT_TRUE(EqualRgn(a, b));
    HRGN c = CreateRectRgn(0, 0, 10, 9);
    EXPECT_FALSE(EqualRgn(a, c));
    for (HRGN h : {a, lower, b, c})
        DeleteObject(h);
}

// Deleted regions are reused by later ones: the old handle must stay dead and
// the new region hold only its own pixels, also when it combines into itself.
TEST_F(GdiTest, RegionsCreatedAfterDeletedOnesAreTheirOwn) {
    HRGN old = CreateEllipticRgn(0, 0, 40, 40);
    DeleteObject(old);
    HRGN fresh = CreateRectRgn(1, 2, 3, 4);
    RECT box;
    EXPECT_EQ(GetRgnBox(old, &box), RGN_ERROR);
    EXPECT_EQ(GetRgnBox(fresh, &box), SIMPLEREGION);
    EXPECT_EQ(box, (RECT{1, 2, 3, 4}));
    HRGN other = CreateRectRgn(2, 0, 10, 3);
    EXPECT_EQ(CombineRgn(fresh, fresh, other, RGN_OR), COMPLEXREGION);
    EXPECT_EQ(CombineRgn(other, fresh, fresh, RGN_XOR), NULLREGION);
    EXPECT_EQ(GetRgnBox(fresh, &box), COMPLEXREGION);
    EXPECT_EQ(box, (RECT{1, 0, 10, 4}));
    DeleteObject(fresh);
    DeleteObject(other);
}

TEST_F(GdiTest, ExtCreateRegionUnitesRectangles) {
    struct {
        RGNDATAHEADER rdh;
        RECT rects[3];
    } data;
    data.rdh.nCount = 3;
    data.rects[0] = {0, 0, 4, 1};
    data.rects[1] = {2, 0, 6, 1}; // overlaps the first
    data.rects[2] = {0, 1, 6, 2};
    HRGN r = ExtCreateRegion(nullptr, sizeof(data), reinterpret_cast<RGNDATA*>(&data));
    HRGN expected = CreateRectRgn(0, 0, 6, 2);
    EXPECT_TRUE(EqualRgn(r, expected));
    // A count larger than the buffer is refused, not read past.
    data.rdh.nCount = 4;
    EXPECT_EQ(ExtCreateRegion(nullptr, sizeof(data), reinterpret_cast<RGNDATA*>(&data)), nullptr);
    DeleteObject(r);
    DeleteObject(expected);
}

TEST_F(GdiTest, ShapedRegionsCoverPixelCentres) {
    HRGN ellipse = CreateEllipticRgn(0, 0, 8, 8);
    EXPECT_TRUE(PtInRegion(ellipse, 4, 4));
    EXPECT_FALSE(PtInRegion(ellipse, 0, 0));
    EXPECT_TRUE(PtInRegion(ellipse, 0, 4));
    RECT box;
    GetRgnBox(ellipse, &box);
    EXPECT_EQ(box, (RECT{0, 0, 8, 8}));
    HRGN round = CreateRoundRectRgn(0, 0, 20, 10, 6, 6);
    EXPECT_FALSE(PtInRegion(round, 0, 0));
    EXPECT_TRUE(PtInRegion(round, 3, 0));
    EXPECT_TRUE(PtInRegion(round, 0, 5));
    const POINT triangle[] = {{0, 0}, {10, 0}, {0, 10}};
    HRGN poly = CreatePolygonRgn(triangle, 3, ALTERNATE);
    EXPECT_TRUE(PtInRegion(poly, 1, 1));
    EXPECT_FALSE(PtInRegion(poly, 8, 8));
    for (HRGN h : {ellipse, round, poly})
        DeleteObject(h);
}

TEST_F(GdiTest, RegionFromColourKeyedBitmap) {
    MemoryCanvas canvas(4, 2, RGB(255, 0, 255));
    SetPixel(canvas.dc(), 1, 0, RGB(0, 0, 0));
    SetPixel(canvas.dc(), 2, 0, RGB(255, 1, 255)); // within a tolerance of 1
    SetPixel(canvas.dc(), 3, 1, RGB(10, 10, 10));
    HRGN r = CreateRegionFromBitmap(canvas.bitmap(), RGB(255, 0, 255), 1, 10, 20);
    HRGN expected = CreateRectRgn(11, 20, 12, 21);
    HRGN second = CreateRectRgn(13, 21, 14, 22);
    CombineRgn(expected, expected, second, RGN_OR);
    EXPECT_TRUE(EqualRgn(r, expected));
    for (HRGN h : {r, expected, second})
        DeleteObject(h);
}

} // namespace
} // namespace gditest

namespace gditest {
namespace {

TEST_F(GdiTest, RegionPaintersFollowTheRegionInLogicalCoordinates) {
    MemoryCanvas c(6, 4);
    SetViewportOrgEx(c.dc(), 1, 0, nullptr);
    HRGN region = CreateRectRgn(0, 0, 4, 4);
    HRGN hole = CreateRectRgn(1, 1, 3, 3);
    CombineRgn(region, region, hole, RGN_DIFF);
    FillRgn(c.dc(), region, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InvertRgn(c.dc(), hole);
    InvertRgn(c.dc(), hole); // twice: back as it was
    SetViewportOrgEx(c.dc(), 0, 0, nullptr);
    EXPECT_EQ(c.Rows(6, 4, RGB(0, 0, 0)),
              (std::vector<std::string>{".####.", ".#..#.", ".#..#.", ".####."}));
    InvertRgn(c.dc(), hole); // now at device (1, 1) without the viewport shift
    EXPECT_EQ(c.Rows(6, 4, RGB(0, 0, 0)),
              (std::vector<std::string>{".####.", "..#.#.", "..#.#.", ".####."}));
    DeleteObject(region);
    DeleteObject(hole);
}

TEST_F(GdiTest, FrameRgnPaintsTheInsideBorder) {
    MemoryCanvas c(5, 5);
    HRGN region = CreateRectRgn(0, 0, 5, 5);
    FrameRgn(c.dc(), region, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)), 2, 1);
    EXPECT_EQ(c.Rows(5, 5, RGB(0, 0, 0)),
              (std::vector<std::string>{"#####", "##.##", "##.##", "##.##", "#####"}));
    DeleteObject(region);
}

TEST_F(GdiTest, SelectingARegionSetsTheClipAndAnswersItsKind) {
    MemoryCanvas c(4, 4);
    HRGN region = CreateRectRgn(1, 1, 3, 3);
    EXPECT_EQ(reinterpret_cast<std::intptr_t>(SelectObject(c.dc(), region)), SIMPLEREGION);
    DeleteObject(region); // the DC keeps its own copy
    RECT all{0, 0, 4, 4};
    FillRect(c.dc(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SelectClipRgn(c.dc(), nullptr);
    EXPECT_EQ(c.Rows(4, 4, RGB(0, 0, 0)),
              (std::vector<std::string>{"....", ".##.", ".##.", "...."}));
}

} // namespace
} // namespace gditest

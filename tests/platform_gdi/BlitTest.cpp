#include "GdiTestSupport.h"
#include "platform/gdi/Surface.h"

namespace gditest {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

struct RopCase {
    const char* name;
    DWORD rop;
    COLORREF source, dest, brush, expected;
};

class RopTest : public GdiTest, public ::testing::WithParamInterface<RopCase> {};

TEST_P(RopTest, CombinesPatternSourceAndDestination) {
    const RopCase& c = GetParam();
    MemoryCanvas src(2, 2, c.source), dst(2, 2, c.dest);
    HBRUSH brush = CreateSolidBrush(c.brush);
    HGDIOBJ old = SelectObject(dst.dc(), brush);
    EXPECT_TRUE(BitBlt(dst.dc(), 0, 0, 2, 2, src.dc(), 0, 0, c.rop));
    EXPECT_EQ(dst.At(1, 1), c.expected);
    SelectObject(dst.dc(), old);
    DeleteObject(brush);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RopTest,
    ::testing::Values(RopCase{"SRCCOPY", SRCCOPY, 0x123456, 0xABCDEF, 0, 0x123456},
                      RopCase{"SRCAND", SRCAND, 0x0F0F0F, 0x3C3C3C, 0, 0x0C0C0C},
                      RopCase{"SRCPAINT", SRCPAINT, 0x0F0F0F, 0x300000, 0, 0x3F0F0F},
                      RopCase{"SRCINVERT", SRCINVERT, 0xFF00FF, 0x0F0F0F, 0, 0xF00FF0},
                      RopCase{"NOTSRCCOPY", NOTSRCCOPY, 0x00FF00, 0, 0, 0xFF00FF},
                      RopCase{"DSTINVERT", DSTINVERT, 0, 0x00FF00, 0, 0xFF00FF},
                      RopCase{"PATCOPY", PATCOPY, 0, 0, 0x112233, 0x112233},
                      RopCase{"PATINVERT", PATINVERT, 0, 0x0000FF, 0x0000FF, 0},
                      RopCase{"MERGECOPY", MERGECOPY, 0x00FFFF, 0, 0xFF00FF, 0x0000FF},
                      RopCase{"BLACKNESS", BLACKNESS, 0x123456, 0x123456, 0, 0},
                      RopCase{"WHITENESS", WHITENESS, 0, 0, 0, 0xFFFFFF}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GdiTest, BitBltHonoursOriginsAndSourceBounds) {
    MemoryCanvas src(3, 3, kRed), dst(6, 6, kWhite);
    SetViewportOrgEx(dst.dc(), 1, 0, nullptr);
    SetWindowOrgEx(dst.dc(), 0, -1, nullptr); // logical (0,0) is device (1,1)
    // Asks for 4x4 from a 3x3 bitmap starting at (1,1): only 2x2 exists.
    BitBlt(dst.dc(), 0, 0, 4, 4, src.dc(), 1, 1, SRCCOPY);
    SetViewportOrgEx(dst.dc(), 0, 0, nullptr);
    SetWindowOrgEx(dst.dc(), 0, 0, nullptr);
    EXPECT_EQ(dst.Rows(6, 6, kRed), (std::vector<std::string>{"......", ".##...", ".##...",
                                                              "......", "......", "......"}));
}

TEST_F(GdiTest, OverlappingBlitWithinOneBitmapScrolls) {
    MemoryCanvas c(5, 1, kWhite);
    for (int x = 0; x < 5; ++x)
        SetPixel(c.dc(), x, 0, RGB(x, 0, 0));
    BitBlt(c.dc(), 1, 0, 4, 1, c.dc(), 0, 0, SRCCOPY);
    for (int x = 1; x < 5; ++x)
        EXPECT_EQ(c.At(x, 0), RGB(x - 1, 0, 0)) << x;
}

TEST_F(GdiTest, MonochromeConversionsFollowDcColours) {
    // Colour to mono: the source's background colour becomes white (1).
    MemoryCanvas colour(2, 1, RGB(255, 0, 255));
    SetPixel(colour.dc(), 1, 0, RGB(1, 2, 3));
    HBITMAP mono = CreateBitmap(2, 1, 1, 1, nullptr);
    HDC monoDc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(monoDc, mono);
    SetBkColor(colour.dc(), RGB(255, 0, 255));
    BitBlt(monoDc, 0, 0, 2, 1, colour.dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(GetPixel(monoDc, 0, 0), kWhite);
    EXPECT_EQ(GetPixel(monoDc, 1, 0), kBlack);
    // Mono to colour: white becomes the destination's background colour, black
    // its text colour.
    MemoryCanvas out(2, 1);
    SetTextColor(out.dc(), RGB(0, 0, 200));
    SetBkColor(out.dc(), RGB(0, 200, 0));
    BitBlt(out.dc(), 0, 0, 2, 1, monoDc, 0, 0, SRCCOPY);
    EXPECT_EQ(out.At(0, 0), RGB(0, 200, 0));
    EXPECT_EQ(out.At(1, 0), RGB(0, 0, 200));
    SelectObject(monoDc, old);
    DeleteDC(monoDc);
    DeleteObject(mono);
}

TEST_F(GdiTest, NewMemoryDcMakesMonochromeCompatibleBitmaps) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP b = CreateCompatibleBitmap(dc, 4, 4);
    BITMAP info;
    ASSERT_EQ(GetObject(b, sizeof(info), &info), int(sizeof(info)));
    EXPECT_EQ(info.bmBitsPixel, 1);
    DeleteObject(b);
    HBITMAP screen = CreateCompatibleBitmap(nullptr, 4, 4);
    GetObject(screen, sizeof(info), &info);
    EXPECT_EQ(info.bmBitsPixel, 32);
    DeleteObject(screen);
    DeleteDC(dc);
}

TEST_F(GdiTest, SurfaceDcClipsToVisibleRegionAndSelectedClip) {
    Surface surface(8, 4);
    HRGN visible = CreateRectRgn(2, 0, 8, 4); // the window's visible part, surface coords
    HDC dc = CreateSurfaceDC(surface, POINT{1, 1}, visible);
    DeleteObject(visible); // the DC keeps its own copy
    HBRUSH red = CreateSolidBrush(kRed);
    ExcludeClipRect(dc, 3, 0, 4, 10); // device coordinates of the DC
    RECT all{-10, -10, 20, 20};
    FillRect(dc, &all, red);
    std::vector<std::string> rows;
    for (int y = 0; y < 4; ++y) {
        std::string row;
        for (int x = 0; x < 8; ++x)
            row += surface.Row(y)[x] == 0xFF0000 ? '#' : '.';
        rows.push_back(row);
    }
    EXPECT_EQ(rows, (std::vector<std::string>{"..######", "..##.###", "..##.###", "..##.###"}));
    RECT box;
    EXPECT_EQ(GetClipBox(dc, &box), COMPLEXREGION);
    EXPECT_EQ(box, (RECT{1, -1, 7, 3}));
    DeleteObject(red);
    DeleteDC(dc);
}

TEST_F(GdiTest, SaveAndRestoreBringBackClipOriginsAndObjects) {
    MemoryCanvas c(4, 4);
    HBRUSH brush = CreateSolidBrush(kRed);
    const int level = SaveDC(c.dc());
    SelectObject(c.dc(), brush);
    IntersectClipRect(c.dc(), 0, 0, 1, 1);
    SetViewportOrgEx(c.dc(), 2, 2, nullptr);
    DeleteObject(brush); // deferred: still selected
    EXPECT_EQ(GetObjectType(brush), OBJ_BRUSH);
    EXPECT_TRUE(RestoreDC(c.dc(), level));
    EXPECT_EQ(GetObjectType(brush), 0u); // freed once no DC holds it
    RECT box;
    EXPECT_EQ(GetClipBox(c.dc(), &box), SIMPLEREGION);
    EXPECT_EQ(box, (RECT{0, 0, 4, 4}));
    POINT org;
    GetViewportOrgEx(c.dc(), &org);
    EXPECT_EQ(org, (POINT{0, 0}));
    EXPECT_FALSE(RestoreDC(c.dc(), 1)); // nothing saved any more
}

TEST_F(GdiTest, StaleHandlesAreRejected) {
    HBRUSH b = CreateSolidBrush(kRed);
    DeleteObject(b);
    HBRUSH reused = CreateSolidBrush(kBlack); // may take the same slot
    EXPECT_EQ(GetObjectType(b), 0u);
    EXPECT_FALSE(DeleteObject(b));
    EXPECT_TRUE(DeleteObject(reused));
    EXPECT_TRUE(DeleteObject(GetStockObject(WHITE_BRUSH))); // stock objects stay
    EXPECT_EQ(GetObjectType(GetStockObject(WHITE_BRUSH)), OBJ_BRUSH);
}

TEST_F(GdiTest, DefaultBitmapGoesBackIntoAnyNumberOfDcs) {
    HBITMAP a = CreateBitmap(1, 1, 1, 32, nullptr), b = CreateBitmap(1, 1, 1, 32, nullptr);
    HDC one = CreateCompatibleDC(nullptr), two = CreateCompatibleDC(nullptr);
    HGDIOBJ oldOne = SelectObject(one, a);
    HGDIOBJ oldTwo = SelectObject(two, b);
    EXPECT_EQ(oldOne, oldTwo);
    EXPECT_EQ(SelectObject(one, oldOne), a);
    EXPECT_EQ(SelectObject(two, oldTwo), b);
    EXPECT_TRUE(DeleteObject(a));
    EXPECT_TRUE(DeleteObject(b));
    DeleteDC(one);
    DeleteDC(two);
}

TEST_F(GdiTest, SelectedBitmapCannotBeDeletedOrSelectedTwice) {
    HBITMAP b = CreateBitmap(2, 2, 1, 32, nullptr);
    HDC one = CreateCompatibleDC(nullptr), two = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(one, b);
    EXPECT_EQ(SelectObject(two, b), nullptr);
    EXPECT_FALSE(DeleteObject(b));
    SelectObject(one, old);
    EXPECT_TRUE(DeleteObject(b));
    DeleteDC(one);
    DeleteDC(two);
}

} // namespace
} // namespace gditest

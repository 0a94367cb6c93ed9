#include "GdiTestSupport.h"
#include "platform/gdi/Controls3D.h"
#include "platform/gdi/Icons.h"
#include "platform/gdi/SystemMetrics.h"

namespace gditest {
namespace {

constexpr COLORREF kInk = RGB(0, 0, 0);

TEST_F(GdiTest, LinesExcludeTheirLastPoint) {
    MemoryCanvas c(6, 4);
    MoveToEx(c.dc(), 0, 0, nullptr);
    LineTo(c.dc(), 5, 0);
    LineTo(c.dc(), 5, 3);
    const POINT diagonal[] = {{0, 1}, {2, 3}};
    Polyline(c.dc(), diagonal, 2);
    EXPECT_EQ(c.Rows(6, 4, kInk),
              (std::vector<std::string>{"######", "#....#", ".#...#", "......"}));
    POINT position;
    MoveToEx(c.dc(), 0, 0, &position);
    EXPECT_EQ(position, (POINT{5, 3}));
}

TEST_F(GdiTest, RectangleOutlinesWithPenAndFillsWithBrush) {
    MemoryCanvas c(5, 4);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    HGDIOBJ old = SelectObject(c.dc(), red);
    Rectangle(c.dc(), 0, 0, 5, 4);
    EXPECT_EQ(c.Rows(5, 4, kInk), (std::vector<std::string>{"#####", "#...#", "#...#", "#####"}));
    EXPECT_EQ(c.Rows(5, 4, RGB(255, 0, 0)),
              (std::vector<std::string>{".....", ".###.", ".###.", "....."}));
    SelectObject(c.dc(), GetStockObject(NULL_PEN));
    Rectangle(c.dc(), 0, 0, 2, 2); // without a pen only the brush paints
    EXPECT_EQ(c.At(0, 0), RGB(255, 0, 0));
    SelectObject(c.dc(), old);
    DeleteObject(red);
}

TEST_F(GdiTest, EllipseMatchesItsRegion) {
    MemoryCanvas c(12, 8);
    SelectObject(c.dc(), GetStockObject(BLACK_BRUSH));
    Ellipse(c.dc(), 1, 1, 11, 7);
    HRGN region = CreateEllipticRgn(1, 1, 11, 7);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 12; ++x)
            EXPECT_EQ(c.At(x, y) == kInk, PtInRegion(region, x, y) != 0) << x << "," << y;
    DeleteObject(region);
    SelectObject(c.dc(), GetStockObject(WHITE_BRUSH));
}

TEST_F(GdiTest, Rop2XorPenInvertsTwiceToNothing) {
    MemoryCanvas c(4, 1, RGB(10, 20, 30));
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
    HGDIOBJ old = SelectObject(c.dc(), pen);
    SetROP2(c.dc(), R2_XORPEN);
    for (int pass = 0; pass < 2; ++pass) {
        MoveToEx(c.dc(), 0, 0, nullptr);
        LineTo(c.dc(), 4, 0);
        EXPECT_EQ(c.At(2, 0), pass == 0 ? RGB(245, 235, 225) : RGB(10, 20, 30));
    }
    SelectObject(c.dc(), old);
    DeleteObject(pen);
}

TEST_F(GdiTest, PatternBrushTilesFromTheBrushOrigin) {
    HBITMAP pattern = CreateBitmap(2, 1, 1, 32, nullptr);
    {
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, pattern);
        SetPixel(dc, 0, 0, kInk);
        SetPixel(dc, 1, 0, RGB(255, 255, 255));
        SelectObject(dc, old);
        DeleteDC(dc);
    }
    HBRUSH brush = CreatePatternBrush(pattern);
    DeleteObject(pattern); // the brush keeps its own copy
    MemoryCanvas c(5, 1);
    RECT r{0, 0, 5, 1};
    FillRect(c.dc(), &r, brush);
    EXPECT_EQ(c.Row(0, 5, kInk), "#.#.#");
    SetBrushOrgEx(c.dc(), 1, 0, nullptr);
    FillRect(c.dc(), &r, brush);
    EXPECT_EQ(c.Row(0, 5, kInk), ".#.#.");
    DeleteObject(brush);
}

TEST_F(GdiTest, FillRectTakesSystemColourIndexPlusOne) {
    MemoryCanvas c(2, 2);
    RECT r{0, 0, 2, 2};
    FillRect(c.dc(), &r, reinterpret_cast<HBRUSH>(std::uintptr_t(COLOR_BTNFACE + 1)));
    EXPECT_EQ(c.At(1, 1), GetSysColor(COLOR_BTNFACE));
}

TEST_F(GdiTest, FrameAndInvertRect) {
    MemoryCanvas c(4, 4);
    RECT r{0, 0, 4, 4};
    FrameRect(c.dc(), &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(c.Rows(4, 4, kInk), (std::vector<std::string>{"####", "#..#", "#..#", "####"}));
    RECT inner{1, 1, 3, 3};
    InvertRect(c.dc(), &inner);
    EXPECT_EQ(c.Rows(4, 4, kInk), (std::vector<std::string>{"####", "####", "####", "####"}));
}

struct EdgeCase {
    const char* name;
    UINT edge;
    // Colours at the outer top-left, outer bottom-right, inner top-left, inner bottom-right.
    int outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;
};

class DrawEdgeTest : public GdiTest, public ::testing::WithParamInterface<EdgeCase> {};

TEST_P(DrawEdgeTest, PaintsTheClassicBorderColours) {
    const EdgeCase& c = GetParam();
    MemoryCanvas canvas(6, 6, RGB(1, 1, 1));
    RECT r{0, 0, 6, 6};
    DrawEdge(canvas.dc(), &r, c.edge, BF_RECT | BF_ADJUST);
    EXPECT_EQ(r, (RECT{2, 2, 4, 4}));
    EXPECT_EQ(canvas.At(0, 2), GetSysColor(c.outerTopLeft));
    EXPECT_EQ(canvas.At(5, 2), GetSysColor(c.outerBottomRight));
    EXPECT_EQ(canvas.At(5, 0), GetSysColor(c.outerBottomRight)); // far corner
    EXPECT_EQ(canvas.At(2, 1), GetSysColor(c.innerTopLeft));
    EXPECT_EQ(canvas.At(2, 4), GetSysColor(c.innerBottomRight));
    EXPECT_EQ(canvas.At(2, 2), RGB(1, 1, 1)); // no BF_MIDDLE
}

INSTANTIATE_TEST_SUITE_P(
    Table, DrawEdgeTest,
    ::testing::Values(EdgeCase{"Raised", EDGE_RAISED, COLOR_3DLIGHT, COLOR_3DDKSHADOW,
                               COLOR_3DHIGHLIGHT, COLOR_3DSHADOW},
                      EdgeCase{"Sunken", EDGE_SUNKEN, COLOR_3DSHADOW, COLOR_3DHIGHLIGHT,
                               COLOR_3DDKSHADOW, COLOR_3DLIGHT},
                      EdgeCase{"Etched", EDGE_ETCHED, COLOR_3DSHADOW, COLOR_3DHIGHLIGHT,
                               COLOR_3DHIGHLIGHT, COLOR_3DSHADOW},
                      EdgeCase{"Bump", EDGE_BUMP, COLOR_3DLIGHT, COLOR_3DDKSHADOW, COLOR_3DDKSHADOW,
                               COLOR_3DLIGHT}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GdiTest, FocusRectIsDottedAndUndoesItself) {
    MemoryCanvas c(5, 3);
    RECT r{0, 0, 5, 3};
    DrawFocusRect(c.dc(), &r);
    EXPECT_EQ(c.Rows(5, 3, kInk), (std::vector<std::string>{"#.#.#", ".....", "#.#.#"}));
    DrawFocusRect(c.dc(), &r);
    EXPECT_EQ(c.Rows(5, 3, kInk), (std::vector<std::string>{".....", ".....", "....."}));
}

TEST_F(GdiTest, FrameControlMarksFollowTheirState) {
    auto inkCount = [](UINT type, UINT state, COLORREF ink) {
        MemoryCanvas c(16, 16, RGB(1, 2, 3));
        RECT r{0, 0, 16, 16};
        DrawFrameControl(c.dc(), &r, type, state);
        int n = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                n += c.At(x, y) == ink;
        return n;
    };
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    EXPECT_EQ(inkCount(DFC_BUTTON, DFCS_BUTTONCHECK, text), 0);
    EXPECT_EQ(inkCount(DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED, text), 21);
    EXPECT_EQ(inkCount(DFC_BUTTON, DFCS_BUTTONRADIO, text), 0);
    EXPECT_GT(inkCount(DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED, text), 0);
    // A 16-pixel scroll arrow is 7 across and 4 deep: 16 pixels of ink.
    EXPECT_EQ(inkCount(DFC_SCROLL, DFCS_SCROLLUP, GetSysColor(COLOR_BTNTEXT)), 16);
    EXPECT_EQ(inkCount(DFC_CAPTION, DFCS_CAPTIONCLOSE, GetSysColor(COLOR_BTNTEXT)), 26);
    // Inactive glyphs are embossed: no text colour at all.
    EXPECT_EQ(inkCount(DFC_CAPTION, DFCS_CAPTIONCLOSE | DFCS_INACTIVE, GetSysColor(COLOR_BTNTEXT)),
              0);
}

TEST_F(GdiTest, IconDrawsMaskThenImage) {
    // Mask: left pixel transparent (1), right opaque (0); image: right pixel blue.
    const std::uint8_t maskBits[2] = {0x80, 0};
    HBITMAP mask = CreateBitmap(2, 1, 1, 1, maskBits);
    MemoryCanvas image(2, 1, RGB(0, 0, 0));
    SetPixel(image.dc(), 1, 0, RGB(0, 0, 255));
    ICONINFO info;
    info.hbmMask = mask;
    info.hbmColor = image.bitmap(); // selected in a DC: the icon copies its pixels
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    ASSERT_NE(icon, nullptr);
    MemoryCanvas c(4, 1, RGB(0, 255, 0));
    DrawIconEx(c.dc(), 0, 0, icon, 4, 1, 0, nullptr, DI_NORMAL);
    EXPECT_EQ(c.At(0, 0), RGB(0, 255, 0));
    EXPECT_EQ(c.At(1, 0), RGB(0, 255, 0));
    EXPECT_EQ(c.At(2, 0), RGB(0, 0, 255));
    EXPECT_EQ(c.At(3, 0), RGB(0, 0, 255));
    auto copy = static_cast<HICON>(CopyImage(icon, IMAGE_ICON, 8, 8, LR_COPYDELETEORG));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(IconCount(), 1u);
    ICONINFO copied;
    ASSERT_TRUE(GetIconInfo(copy, &copied));
    BITMAP bm;
    GetObject(copied.hbmColor, sizeof(bm), &bm);
    EXPECT_EQ(bm.bmWidth, 8);
    DeleteObject(copied.hbmMask);
    DeleteObject(copied.hbmColor);
    DestroyIcon(copy);
    EXPECT_EQ(IconCount(), 0u);
}

TEST(SystemMetricsTest, ClassicValues) {
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(212, 208, 200));
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), RGB(10, 36, 106));
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 16);
    EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), 19);
    EXPECT_EQ(GetSystemMetrics(SM_CXSMICON), 16);
    NONCLIENTMETRICS ncm;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0));
    EXPECT_STREQ(ncm.lfCaptionFont.lfFaceName, "宋体");
    EXPECT_EQ(ncm.lfCaptionFont.lfHeight, -12);
    EXPECT_EQ(ncm.iCaptionHeight + 1, GetSystemMetrics(SM_CYCAPTION));
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    EXPECT_EQ(face, GetSysColorBrush(COLOR_BTNFACE));
    EXPECT_TRUE(DeleteObject(face));
    EXPECT_EQ(GetObjectType(face), OBJ_BRUSH);
}

} // namespace
} // namespace gditest

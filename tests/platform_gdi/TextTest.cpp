#include "platform/gdi/Text.h"

#include "GdiTestSupport.h"
#include "platform/gdi/FontLibrary.h"
#include "platform/gdi/Surface.h"

#include <cstring>
#include <string>

namespace gditest {
namespace {

constexpr COLORREF kInk = RGB(0, 0, 0);

HFONT SongFont(int height, LONG weight = FW_NORMAL, BYTE underline = 0) {
    return CreateFont(height, 0, 0, 0, weight, 0, underline, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
}

// A canvas with a 宋体 font selected, transparent text in black.
class TextCanvas : public MemoryCanvas {
public:
    TextCanvas(int width, int height, int fontHeight = -12, LONG weight = FW_NORMAL,
               BYTE underline = 0)
        : MemoryCanvas(width, height), font_(SongFont(fontHeight, weight, underline)) {
        old_ = SelectObject(dc(), font_);
        SetBkMode(dc(), TRANSPARENT);
    }
    ~TextCanvas() {
        SelectObject(dc(), old_);
        DeleteObject(font_);
    }
    // The box around the pixels in ink colour; empty when nothing was drawn.
    RECT InkBox(int width, int height) const {
        RECT box{width, height, -1, -1};
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (At(x, y) == kInk) {
                    box.left = std::min<LONG>(box.left, x);
                    box.top = std::min<LONG>(box.top, y);
                    box.right = std::max<LONG>(box.right, x + 1);
                    box.bottom = std::max<LONG>(box.bottom, y + 1);
                }
        return box.right < 0 ? RECT{} : box;
    }

private:
    HFONT font_;
    HGDIOBJ old_;
};

struct MetricsCase {
    int height;
    LONG ascent, descent, latinWidth, chineseWidth;
};

class SongMetricsTest : public GdiTest, public ::testing::WithParamInterface<MetricsCase> {};

TEST_P(SongMetricsTest, MatchTheClassicFace) {
    const MetricsCase& c = GetParam();
    TextCanvas canvas(4, 4, c.height);
    TEXTMETRIC tm;
    ASSERT_TRUE(GetTextMetrics(canvas.dc(), &tm));
    EXPECT_EQ(tm.tmAscent, c.ascent);
    EXPECT_EQ(tm.tmDescent, c.descent);
    EXPECT_EQ(tm.tmHeight, c.ascent + c.descent);
    EXPECT_EQ(tm.tmAveCharWidth, c.latinWidth);
    SIZE latin, chinese;
    GetTextExtentPoint32(canvas.dc(), "Ab1", 3, &latin);
    GetTextExtentPoint32(canvas.dc(), "中文", -1, &chinese);
    EXPECT_EQ(latin.cx, 3 * c.latinWidth);
    EXPECT_EQ(chinese.cx, 2 * c.chineseWidth);
    EXPECT_EQ(chinese.cy, tm.tmHeight);
    // Both scripts come from the face's embedded bitmap strikes at these sizes.
    EXPECT_TRUE(DrawsFromBitmapStrike(canvas.dc(), U'中'));
    EXPECT_TRUE(DrawsFromBitmapStrike(canvas.dc(), U'A'));
    char face[64];
    GetTextFace(canvas.dc(), sizeof(face), face);
    EXPECT_STREQ(face, "AR PL UMing CN");
}

INSTANTIATE_TEST_SUITE_P(Table, SongMetricsTest,
                         ::testing::Values(MetricsCase{-12, 11, 2, 6, 12},
                                           MetricsCase{-16, 15, 3, 8, 16}));

TEST_F(GdiTest, CharWidthsAndDeviceResolution) {
    TextCanvas canvas(4, 4);
    int widths[3] = {};
    ASSERT_TRUE(GetCharWidth32(canvas.dc(), U'a', U'c', widths));
    EXPECT_EQ(widths[2], 6);
    ASSERT_TRUE(GetCharWidth32(canvas.dc(), U'中', U'中', widths));
    EXPECT_EQ(widths[0], 12);
    // 9 points at the classic 96 dpi are the 12 pixels of the Song face.
    EXPECT_EQ(GetDeviceCaps(canvas.dc(), LOGPIXELSY) * 9 / 72, 12);
    EXPECT_EQ(GetDeviceCaps(canvas.dc(), BITSPIXEL), 32);
}

TEST_F(GdiTest, LargeSongSizesAreDrawnFromOutlines) {
    TextCanvas canvas(4, 4, -40);
    EXPECT_FALSE(DrawsFromBitmapStrike(canvas.dc(), U'中'));
}

TEST_F(GdiTest, CharactersOutsideTheFaceComeFromAFallback) {
    // AR PL UMing has no Hebrew; fontconfig's fallback list has.
    TextCanvas canvas(20, 16);
    TextOut(canvas.dc(), 2, 0, "א", 2);
    const RECT ink = canvas.InkBox(20, 16);
    EXPECT_GT(ink.right - ink.left, 2);
    EXPECT_FALSE(DrawsFromBitmapStrike(canvas.dc(), U'א'));
}

TEST_F(GdiTest, PositiveHeightIsTheCellHeight) {
    TextCanvas canvas(4, 4, 13);
    TEXTMETRIC tm;
    GetTextMetrics(canvas.dc(), &tm);
    EXPECT_EQ(tm.tmHeight, 13);
}

TEST_F(GdiTest, SyntheticBoldWidensEachCharacterByOne) {
    TextCanvas canvas(4, 4, -12, FW_BOLD);
    SIZE s;
    GetTextExtentPoint32(canvas.dc(), "A中", -1, &s);
    EXPECT_EQ(s.cx, 7 + 13);
}

TEST_F(GdiTest, SyntheticItalicLeansRightAndKeepsAdvances) {
    HFONT italic = CreateFont(-12, 0, 0, 0, FW_NORMAL, 1, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
    TextCanvas upright(20, 16);
    MemoryCanvas slanted(20, 16);
    HGDIOBJ old = SelectObject(slanted.dc(), italic);
    SetBkMode(slanted.dc(), TRANSPARENT);
    TextOut(upright.dc(), 2, 0, "l", 1);
    TextOut(slanted.dc(), 2, 0, "l", 1);
    SIZE a, b;
    GetTextExtentPoint32(upright.dc(), "l", 1, &a);
    GetTextExtentPoint32(slanted.dc(), "l", 1, &b);
    EXPECT_EQ(a.cx, b.cx);
    // The stem's top row moves right of its bottom row.
    auto firstInk = [](const MemoryCanvas& c, int y) {
        for (int x = 0; x < 20; ++x)
            if (c.At(x, y) == kInk)
                return x;
        return -1;
    };
    const RECT box = upright.InkBox(20, 16);
    EXPECT_EQ(firstInk(upright, box.top + 1), firstInk(upright, box.bottom - 2));
    EXPECT_GT(firstInk(slanted, box.top + 1), firstInk(slanted, box.bottom - 2));
    SelectObject(slanted.dc(), old);
    DeleteObject(italic);
}

TEST_F(GdiTest, ExtentExReportsFitAndPerCharacterEnds) {
    TextCanvas canvas(4, 4);
    int fit = 0;
    int dx[3] = {};
    SIZE s;
    ASSERT_TRUE(GetTextExtentExPoint(canvas.dc(), "a中b", -1, 20, &fit, dx, &s));
    EXPECT_EQ(fit, 4); // "a中" is 4 bytes and 18 pixels
    EXPECT_EQ(dx[0], 6);
    EXPECT_EQ(dx[1], 18);
    EXPECT_EQ(dx[2], 24);
    EXPECT_EQ(s.cx, 24);
}

TEST_F(GdiTest, TextOutPlacesTheCellAtTheReferencePoint) {
    TextCanvas canvas(40, 20);
    SetBkMode(canvas.dc(), OPAQUE);
    SetBkColor(canvas.dc(), RGB(0, 0, 255));
    TextOut(canvas.dc(), 3, 4, "中", 3);
    // The opaque cell is exactly the character's advance by the font's height.
    EXPECT_EQ(canvas.Rows(40, 20, RGB(0, 0, 255)).size(), 20u);
    EXPECT_EQ(canvas.At(2, 4), RGB(255, 255, 255));
    EXPECT_NE(canvas.At(3, 4), RGB(255, 255, 255));
    EXPECT_NE(canvas.At(14, 16), RGB(255, 255, 255));
    EXPECT_EQ(canvas.At(15, 16), RGB(255, 255, 255));
    EXPECT_EQ(canvas.At(14, 17), RGB(255, 255, 255));
    const RECT ink = canvas.InkBox(40, 20);
    EXPECT_GE(ink.left, 3);
    EXPECT_LE(ink.right, 15);
    EXPECT_GE(ink.top, 4);
    EXPECT_LE(ink.bottom, 17);
}

TEST_F(GdiTest, TextAlignmentMovesTheReferencePoint) {
    TextCanvas left(40, 20), right(40, 20);
    TextOut(left.dc(), 0, 0, "AB", 2);
    SetTextAlign(right.dc(), TA_RIGHT | TA_BASELINE);
    TextOut(right.dc(), 12, 11, "AB", 2);
    EXPECT_EQ(left.Rows(40, 20, kInk), right.Rows(40, 20, kInk));
}

TEST_F(GdiTest, ExtTextOutClipsToItsRectangle) {
    TextCanvas canvas(40, 20);
    RECT clip{0, 0, 6, 20};
    ExtTextOut(canvas.dc(), 0, 0, ETO_CLIPPED, &clip, "中中", 6, nullptr);
    const RECT ink = canvas.InkBox(40, 20);
    EXPECT_LE(ink.right, 6);
    EXPECT_GT(ink.right, 0);
}

struct LayoutCase {
    const char* name;
    const char* text;
    int width;
    UINT format;
    LONG expectedWidth, expectedHeight;
};

class DrawTextCalcTest : public GdiTest, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(DrawTextCalcTest, MeasuresLikeTheLayoutItDraws) {
    const LayoutCase& c = GetParam();
    TextCanvas canvas(4, 4);
    RECT r{10, 20, 10 + c.width, 20};
    const int height = DrawText(canvas.dc(), c.text, -1, &r, c.format | DT_CALCRECT);
    EXPECT_EQ(r.right - r.left, c.expectedWidth);
    EXPECT_EQ(r.bottom - r.top, c.expectedHeight);
    EXPECT_EQ(height, c.expectedHeight);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 20);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DrawTextCalcTest,
    ::testing::Values(
        LayoutCase{"SingleLine", "Hello", 100, DT_SINGLELINE, 30, 13},
        LayoutCase{"LineFeeds", "a\r\nbb\nccc", 100, 0, 18, 39},
        LayoutCase{"TrailingLineFeedAddsALine", "a\n", 100, 0, 6, 26},
        LayoutCase{"SingleLineIgnoresLineFeeds", "a\nb", 100, DT_SINGLELINE, 12, 13},
        LayoutCase{"ChineseBreaksAnywhere", "中文中文中文", 30, DT_WORDBREAK, 24, 39},
        LayoutCase{"LatinBreaksAtSpaces", "aaa bbb ccc", 45, DT_WORDBREAK, 42, 26},
        LayoutCase{"ClosingPunctuationNeverStartsALine", "中文，好", 24, DT_WORDBREAK, 24, 39},
        LayoutCase{"MixedBreaksBeforeChinese", "abc中文", 40, DT_WORDBREAK, 30, 26},
        LayoutCase{"LongWordIsCutWhenNothingElseFits", "abcdefghij", 30, DT_WORDBREAK, 30, 26},
        LayoutCase{"NoWrapWithoutWordBreak", "aaa bbb ccc", 45, 0, 66, 13},
        LayoutCase{"PrefixIsNotDrawn", "&File", 100, DT_SINGLELINE, 24, 13},
        LayoutCase{"DoubledPrefixIsOneAmpersand", "a&&b", 100, DT_SINGLELINE, 18, 13},
        LayoutCase{"NoPrefixKeepsAmpersands", "&File", 100, DT_SINGLELINE | DT_NOPREFIX, 30, 13},
        LayoutCase{"TabsExpandToEightAverageWidths", "a\tb", 100, DT_EXPANDTABS, 54, 13},
        LayoutCase{"EndEllipsisFits", "ABCDEFGHIJ", 30, DT_SINGLELINE | DT_END_ELLIPSIS, 30, 13},
        LayoutCase{"EmptyText", "", 100, 0, 0, 13}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GdiTest, DrawTextAlignsWithinTheRectangle) {
    struct Case {
        UINT format;
        LONG left, top; // where the 12 x 13 cell of "中" lands in a 40 x 40 rectangle at (0,0)
    } cases[] = {{DT_SINGLELINE, 0, 0},
                 {DT_SINGLELINE | DT_RIGHT, 28, 0},
                 {DT_SINGLELINE | DT_CENTER, 14, 0},
                 {DT_SINGLELINE | DT_VCENTER, 0, 13},
                 {DT_SINGLELINE | DT_BOTTOM, 0, 27}};
    for (const Case& c : cases) {
        TextCanvas canvas(40, 40);
        SetBkMode(canvas.dc(), OPAQUE);
        SetBkColor(canvas.dc(), RGB(0, 0, 255));
        RECT r{0, 0, 40, 40};
        DrawText(canvas.dc(), "中", -1, &r, c.format);
        RECT cell{40, 40, 0, 0};
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x)
                if (canvas.At(x, y) != RGB(255, 255, 255))
                    cell = {std::min<LONG>(cell.left, x), std::min<LONG>(cell.top, y),
                            std::max<LONG>(cell.right, x + 1), std::max<LONG>(cell.bottom, y + 1)};
        EXPECT_EQ(cell, (RECT{c.left, c.top, c.left + 12, c.top + 13})) << c.format;
    }
}

TEST_F(GdiTest, DrawTextReturnsOffsetToTheBottomWhenCentred) {
    TextCanvas canvas(40, 40);
    RECT r{0, 0, 40, 40};
    EXPECT_EQ(DrawText(canvas.dc(), "a", -1, &r, DT_SINGLELINE | DT_VCENTER), 13 + 13);
    EXPECT_EQ(DrawText(canvas.dc(), "a\nb", -1, &r, 0), 26);
}

TEST_F(GdiTest, DrawTextClipsUnlessNoClip) {
    for (UINT noclip : {0u, DT_NOCLIP}) {
        TextCanvas canvas(40, 20);
        RECT r{0, 0, 8, 20};
        DrawText(canvas.dc(), "中中", -1, &r, DT_SINGLELINE | noclip);
        const RECT ink = canvas.InkBox(40, 20);
        if (noclip)
            EXPECT_GT(ink.right, 12);
        else
            EXPECT_LE(ink.right, 8);
    }
}

TEST_F(GdiTest, PrefixUnderlinesTheNextCharacterOnly) {
    TextCanvas canvas(40, 20);
    RECT r{0, 0, 40, 20};
    DrawText(canvas.dc(), "&ab", -1, &r, DT_SINGLELINE);
    const int underline = 11 + 1; // baseline plus one
    EXPECT_EQ(canvas.Row(underline, 12, kInk), "######......");
    TextCanvas hidden(40, 20);
    DrawText(hidden.dc(), "&ab", -1, &r, DT_SINGLELINE | DT_HIDEPREFIX);
    EXPECT_EQ(hidden.Row(underline, 12, kInk), "............");
}

TEST_F(GdiTest, GlyphsDrawTheSameFromTheCache) {
    TextCanvas first(80, 20), second(80, 20);
    const char* text = "节目表 Program";
    TextOut(first.dc(), 0, 0, text, int(std::strlen(text)));
    TextOut(second.dc(), 0, 0, text, int(std::strlen(text)));
    TextOut(second.dc(), 0, 0, text, int(std::strlen(text)));
    EXPECT_EQ(first.Rows(80, 20, kInk), second.Rows(80, 20, kInk));
}

// A program trying many face names: the cache keeps a bounded number of faces
// nobody uses, while a font still selected keeps its face and draws the same.
TEST_F(GdiTest, FaceCacheStaysBoundedAndKeepsFacesInUse) {
    TextCanvas held(80, 20);
    const char* text = "节目表 Program";
    TextOut(held.dc(), 0, 0, text, int(std::strlen(text)));
    const auto before = held.Rows(80, 20, kInk);
    const std::size_t kept = FontLibrary::kUnusedFacesKept;
    for (std::size_t i = 0; i < kept + 24; ++i) {
        const std::string name = "Telvora Face " + std::to_string(i);
        HFONT font =
            CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, name.c_str());
        MemoryCanvas canvas(20, 20);
        HGDIOBJ old = SelectObject(canvas.dc(), font);
        TextOut(canvas.dc(), 0, 0, "A", 1);
        SelectObject(canvas.dc(), old);
        DeleteObject(font);
    }
    EXPECT_LT(FontLibrary::Instance().CachedFaces(), kept + 8);
    TextOut(held.dc(), 0, 0, text, int(std::strlen(text)));
    EXPECT_EQ(held.Rows(80, 20, kInk), before);
}

} // namespace
} // namespace gditest

// Right-to-left reading order: the visual order of mixed Hebrew, Latin and digit
// runs, mirrored brackets, and that DrawText and ExtTextOut place each glyph where
// that order puts it without changing how the text measures.

#include "GdiTestSupport.h"
#include "platform/gdi/BidiLine.h"
#include "platform/gdi/PngWriter.h"
#include "platform/gdi/Text.h"
#include "platform/gdi/Utf8.h"
#include "platform/kernel/Utf8Encoder.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace gditest {
namespace {

constexpr COLORREF kInk = RGB(0, 0, 0);

std::u32string Decode(std::string_view utf8) {
    std::u32string out;
    for (std::size_t at = 0; at < utf8.size();) {
        const Utf8Char c = DecodeUtf8(utf8, at);
        out += c.code;
        at += c.length;
    }
    return out;
}

struct OrderCase {
    const char* name;
    const char* logical;
    ReadingOrder base;
    const char* visual;
};

class BidiOrderTest : public ::testing::TestWithParam<OrderCase> {};

TEST_P(BidiOrderTest, ShowsCharactersInVisualOrder) {
    const OrderCase& c = GetParam();
    BidiLine line;
    for (char32_t code : Decode(c.logical))
        line.Add(code);
    line.Reorder(c.base);
    std::u32string shown;
    for (std::size_t v = 0; v < line.Size(); ++v)
        shown += line.Shown(line.LogicalAt(v));
    EXPECT_EQ(shown, Decode(c.visual));
}

constexpr auto LTR = ReadingOrder::LeftToRight;
constexpr auto RTL = ReadingOrder::RightToLeft;

INSTANTIATE_TEST_SUITE_P(
    Table, BidiOrderTest,
    ::testing::Values(OrderCase{"LatinStaysInOrder", "abc 12", LTR, "abc 12"},
                      OrderCase{"LatinRunInRtlParagraph", "abc", RTL, "abc"},
                      OrderCase{"HebrewRunReversedEvenWithLtrBase", "אבג", LTR, "גבא"},
                      OrderCase{"HebrewAfterLatinLtr", "abc אבג", LTR, "abc גבא"},
                      OrderCase{"HebrewAfterLatinRtl", "abc אבג", RTL, "גבא abc"},
                      OrderCase{"DigitsKeepTheirOrderInRtl", "אבג 123", RTL, "123 גבא"},
                      OrderCase{"TrailingNeutralFollowsTheBaseLtr", "אב!", LTR, "בא!"},
                      OrderCase{"TrailingNeutralFollowsTheBaseRtl", "אב!", RTL, "!בא"},
                      OrderCase{"BracketsMirroredInRtl", "(אב)", RTL, "(בא)"},
                      OrderCase{"LatinInsideHebrewRtl", "אב cd גד", RTL, "דג cd בא"},
                      OrderCase{"Empty", "", RTL, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// A canvas with a 宋体 font; Hebrew comes from the fallback fonts.
class BidiCanvas : public MemoryCanvas {
public:
    BidiCanvas(int width, int height)
        : MemoryCanvas(width, height),
          font_(CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体")) {
        old_ = SelectObject(dc(), font_);
        SetBkMode(dc(), TRANSPARENT);
    }
    ~BidiCanvas() {
        SelectObject(dc(), old_);
        DeleteObject(font_);
    }
    // Draws `visual` one character at a time from x, each with the advance of
    // the character it stands for: single characters are never reordered.
    void DrawCharacters(int x, int y, const char* visual) {
        for (char32_t code : Decode(visual)) {
            std::string one;
            AppendUtf8(one, code);
            TextOut(dc(), x, y, one.data(), int(one.size()));
            SIZE size{};
            GetTextExtentPoint32(dc(), one.data(), int(one.size()), &size);
            x += size.cx;
        }
    }

private:
    HFONT font_;
    HGDIOBJ old_;
};

struct PlacementCase {
    const char* name;
    const char* logical;
    bool rtl;
    const char* visual; // mirrored brackets written as the glyph shown
};

class BidiPlacementTest : public GdiTest, public ::testing::WithParamInterface<PlacementCase> {};

TEST_P(BidiPlacementTest, TextOutAndDrawTextPlaceGlyphsInVisualOrder) {
    const PlacementCase& c = GetParam();
    constexpr int kWidth = 140, kHeight = 16;
    BidiCanvas expected(kWidth, kHeight), textOut(kWidth, kHeight), drawText(kWidth, kHeight);
    expected.DrawCharacters(2, 2, c.visual);

    SetTextAlign(textOut.dc(), c.rtl ? TA_RTLREADING : TA_LEFT);
    TextOut(textOut.dc(), 2, 2, c.logical, int(std::strlen(c.logical)));
    EXPECT_EQ(textOut.Rows(kWidth, kHeight, kInk), expected.Rows(kWidth, kHeight, kInk));

    RECT rect{2, 2, kWidth, kHeight};
    DrawText(drawText.dc(), c.logical, -1, &rect,
             DT_SINGLELINE | DT_NOPREFIX | (c.rtl ? DT_RTLREADING : 0));
    EXPECT_EQ(drawText.Rows(kWidth, kHeight, kInk), expected.Rows(kWidth, kHeight, kInk));
}

INSTANTIATE_TEST_SUITE_P(
    Table, BidiPlacementTest,
    ::testing::Values(PlacementCase{"Latin", "CCTV-1 abc", false, "CCTV-1 abc"},
                      PlacementCase{"LatinRtl", "CCTV-1 abc", true, "CCTV-1 abc"},
                      PlacementCase{"DigitsJoinTheHebrewRunBeforeThem", "abc שלום 12", false,
                                    "abc 12 םולש"},
                      PlacementCase{"HebrewWithRtlBase", "abc שלום 12", true, "12 םולש abc"},
                      PlacementCase{"ChineseAndHebrewRtl", "中文 שלום", true, "םולש 中文"},
                      PlacementCase{"MirroredBracketsRtl", "(שלום)", true, "(םולש)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GdiTest, RtlReadingKeepsTheMeasuredWidthAndRightAlignment) {
    BidiCanvas rtl(120, 16), ltr(120, 16);
    const char* text = "abc שלום 12";
    RECT measured{0, 0, 120, 16}, measuredRtl{0, 0, 120, 16};
    DrawText(ltr.dc(), text, -1, &measured, DT_CALCRECT | DT_SINGLELINE);
    DrawText(rtl.dc(), text, -1, &measuredRtl, DT_CALCRECT | DT_SINGLELINE | DT_RTLREADING);
    EXPECT_EQ(measuredRtl.right, measured.right);
    // DT_RIGHT puts the line's right edge at the rectangle's, as without the flag.
    RECT rect{0, 0, 120, 16};
    DrawText(rtl.dc(), text, -1, &rect, DT_SINGLELINE | DT_RIGHT | DT_RTLREADING);
    BidiCanvas expected(120, 16);
    expected.DrawCharacters(int(120 - measured.right), 0, "12 םולש abc");
    EXPECT_EQ(rtl.Rows(120, 16, kInk), expected.Rows(120, 16, kInk));
}

TEST_F(GdiTest, RtlEllipsisEndsTheLineOnTheLeft) {
    constexpr int kWidth = 60;
    BidiCanvas canvas(kWidth, 16), expected(kWidth, 16);
    const std::string text = "שלום עולם גדול מאוד";
    RECT rect{0, 0, kWidth, 16};
    DrawText(canvas.dc(), text.data(), -1, &rect, DT_SINGLELINE | DT_END_ELLIPSIS | DT_RTLREADING);
    // The line keeps what fits before the dots in logical order, then shows the
    // dots first on the left and the kept Hebrew reversed after them.
    SIZE dots{}, all{};
    GetTextExtentPoint32(canvas.dc(), "...", 3, &dots);
    int fit = 0;
    GetTextExtentExPoint(canvas.dc(), text.data(), int(text.size()), kWidth - dots.cx, &fit,
                         nullptr, &all);
    ASSERT_GT(fit, 0);
    ASSERT_LT(fit, int(text.size()));
    std::u32string kept = Decode(text.substr(0, std::size_t(fit)));
    std::string visual = "...";
    for (auto it = kept.rbegin(); it != kept.rend(); ++it)
        AppendUtf8(visual, *it);
    expected.DrawCharacters(0, 0, visual.c_str());
    EXPECT_EQ(canvas.Rows(kWidth, 16, kInk), expected.Rows(kWidth, 16, kInk));
}

TEST_F(GdiTest, MixedLinesPicture) {
    constexpr int kWidth = 220, kLine = 18;
    const char* lines[] = {"CCTV-1 שלום עולם (123) news", "ערוץ 2: Evening News [20:00]",
                           "中央电视台 שלום abc!"};
    BidiCanvas canvas(kWidth, 2 * kLine * 3 + 4);
    int y = 2;
    for (const char* line : lines)
        for (UINT flags : {0u, DT_RTLREADING | DT_RIGHT}) {
            RECT rect{2, y, kWidth - 2, y + kLine};
            DrawText(canvas.dc(), line, -1, &rect, DT_SINGLELINE | DT_NOPREFIX | flags);
            y += kLine;
        }
    const std::string path = ::testing::TempDir() + "gdi-bidi.png";
    ASSERT_TRUE(WritePng(path, canvas.bitmap()));
    std::printf("bidi picture written to %s\n", path.c_str());
    // Each line reads differently with the flag: its rows of ink are not the same.
    for (int line = 0; line < 3; ++line) {
        std::vector<std::string> ltr, rtl;
        for (int row = 0; row < kLine; ++row) {
            ltr.push_back(canvas.Row(2 + 2 * line * kLine + row, kWidth, kInk));
            rtl.push_back(canvas.Row(2 + (2 * line + 1) * kLine + row, kWidth, kInk));
        }
        EXPECT_NE(ltr, rtl) << lines[line];
    }
}

} // namespace
} // namespace gditest

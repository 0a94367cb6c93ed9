// DrawText: lines broken at line feeds and, with DT_WORDBREAK, at spaces and
// between any two Chinese characters; '&' prefixes, tab expansion, ellipsis,
// alignment and clipping to the rectangle; each line shown in the visual order
// of its reading direction.

#include "platform/gdi/BidiLine.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/FontFace.h"
#include "platform/gdi/Raster.h"
#include "platform/gdi/Text.h"
#include "platform/gdi/TextRenderer.h"
#include "platform/gdi/Utf8.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace win {

namespace {

// Characters that may be broken before or after without a space: CJK ideographs,
// kana, hangul, full-width forms and CJK punctuation.
bool IsWide(char32_t c) {
    return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7AF) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFFEF) ||
           (c >= 0x20000 && c <= 0x3FFFF);
}

// Punctuation that must not begin a line: it stays with the character before it.
bool IsClosingPunctuation(char32_t c) {
    switch (c) {
    case U'，':
    case U'。':
    case U'、':
    case U'；':
    case U'：':
    case U'？':
    case U'！':
    case U'）':
    case U'」':
    case U'』':
    case U'】':
    case U'》':
    case U'〉':
    case U'”':
    case U'’':
    case U',':
    case U'.':
    case U';':
    case U':':
    case U'?':
    case U'!':
    case U')':
        return true;
    default:
        return false;
    }
}

// One character of laid-out text.
struct Cell {
    char32_t code;
    int advance;
    bool underlined; // the character after a '&' prefix
};

struct Line {
    std::size_t first, last; // cells [first, last)
    int width;
    bool ellipsis = false; // "..." follows the cells
};

// The lists a layout fills, kept between calls so that drawing text that was
// drawn before allocates nothing. DrawText calls no application code, so one
// set per thread cannot be entered twice.
struct LayoutScratch {
    std::vector<Cell> cells;
    std::vector<Line> lines;
    BidiLine bidi;

    static LayoutScratch& ForThisThread() {
        thread_local LayoutScratch scratch;
        return scratch;
    }
};

class TextLayout {
public:
    TextLayout(FontFace& face, int extra, UINT format, int tabWidth, LayoutScratch& scratch)
        : face_(face), extra_(extra), format_(format), tabWidth_(tabWidth), cells_(scratch.cells),
          lines_(scratch.lines) {}

    void Prepare(std::string_view text) {
        cells_.clear();
        const bool prefixes = !(format_ & DT_NOPREFIX);
        bool underlineNext = false;
        for (std::size_t at = 0; at < text.size();) {
            const Utf8Char c = DecodeUtf8(text, at);
            if (prefixes && c.code == U'&') {
                if (at + 1 < text.size() && text[at + 1] == '&') {
                    Add(U'&', underlineNext);
                    underlineNext = false;
                    at += 2;
                    continue;
                }
                underlineNext = true;
                at += 1;
                continue;
            }
            Add(c.code, underlineNext);
            underlineNext = false;
            at += c.length;
        }
    }

    void Break(int maxWidth) {
        lines_.clear();
        const bool single = format_ & DT_SINGLELINE;
        const bool wrap = (format_ & DT_WORDBREAK) && !single;
        std::size_t start = 0;
        while (start <= cells_.size()) {
            std::size_t end = start;
            int x = 0;
            std::size_t lastBreak = std::string::npos;
            bool hardBreak = false;
            while (end < cells_.size()) {
                const char32_t c = cells_[end].code;
                if (!single && (c == U'\n' || c == U'\r')) {
                    hardBreak = true;
                    break;
                }
                const int advance = Advance(end, x);
                if (wrap && x + advance > maxWidth && end > start) {
                    if (c == U' ') {
                        lastBreak = end; // the space that overflows ends the line
                    } else if (IsWide(c) || (end > start && IsWide(cells_[end - 1].code))) {
                        lastBreak = end;
                        if (IsClosingPunctuation(c) && end - 1 > start)
                            lastBreak = end - 1;
                    }
                    break;
                }
                x += advance;
                if (wrap && c == U' ')
                    lastBreak = end + 1;
                else if (wrap && IsWide(c))
                    lastBreak = end + 1;
                ++end;
            }
            if (end < cells_.size() && !hardBreak && wrap && lastBreak != std::string::npos &&
                lastBreak > start)
                end = lastBreak;
            AddLine(start, end);
            if (end >= cells_.size())
                break;
            if (hardBreak) {
                // CR LF, LF and CR each end one line.
                std::size_t next = end + 1;
                if (cells_[end].code == U'\r' && next < cells_.size() && cells_[next].code == U'\n')
                    ++next;
                start = next;
                if (start == cells_.size()) {
                    AddLine(start, start);
                    break;
                }
            } else {
                start = end;
                // Spaces at a wrap are not carried to the next line.
                while (start < cells_.size() && cells_[start].code == U' ')
                    ++start;
                if (start == cells_.size())
                    break;
            }
        }
    }

    // Cuts a line to fit `maxWidth` with "..." appended (the ellipsis included in width).
    void Ellipsize(Line& line, int maxWidth) {
        if (line.width <= maxWidth)
            return;
        const int dots = 3 * (face_.GlyphFor(U'.').advance + extra_);
        int width = 0;
        std::size_t keep = line.first;
        while (keep < line.last) {
            const int a = Advance(keep, width);
            if (width + a + dots > maxWidth)
                break;
            width += a;
            ++keep;
        }
        line.ellipsis = true;
        line.last = keep;
        line.width = width + dots;
    }

    std::vector<Cell>& Cells() { return cells_; }
    std::vector<Line>& Lines() { return lines_; }

    // The advance of cell i when it starts at x (tabs jump to the next stop).
    int Advance(std::size_t i, int x) const {
        const Cell& cell = cells_[i];
        if (cell.code == U'\t' && (format_ & DT_EXPANDTABS) && tabWidth_ > 0)
            return tabWidth_ - x % tabWidth_;
        return cell.advance;
    }

private:
    void Add(char32_t code, bool underlined) {
        const bool control = code == U'\n' || code == U'\r' || code == U'\t';
        const int advance = control ? 0 : face_.GlyphFor(code).advance + extra_;
        cells_.push_back({code, advance, underlined});
    }

    void AddLine(std::size_t first, std::size_t last) {
        int width = 0;
        for (std::size_t i = first; i < last; ++i)
            width += Advance(i, width);
        lines_.push_back({first, last, width, false});
    }

    FontFace& face_;
    int extra_;
    UINT format_;
    int tabWidth_;
    std::vector<Cell>& cells_;
    std::vector<Line>& lines_;
};

RECT ClipTo(const RECT& r, const std::optional<RECT>& clip) {
    if (!clip)
        return r;
    return {std::max(r.left, clip->left), std::max(r.top, clip->top),
            std::min(r.right, clip->right), std::min(r.bottom, clip->bottom)};
}

// Where a line starts in the rectangle, as the alignment flags say.
int LineLeft(const RECT& rect, const Line& line, UINT format) {
    const int free = rect.right - rect.left - line.width;
    if (format & DT_CENTER)
        return rect.left + free / 2;
    if (format & DT_RIGHT)
        return rect.left + free;
    return rect.left;
}

// The reading order DrawText's flags ask for. With an LTR base the bidi
// algorithm still runs, as Windows applies it to complex scripts in any case.
ReadingOrder OrderOf(UINT format) {
    return (format & DT_RTLREADING) ? ReadingOrder::RightToLeft : ReadingOrder::LeftToRight;
}

// Puts the characters of a line, and the dots of its ellipsis after them, into
// `bidi` and reorders them; logical indices past the line's cells are the dots.
void ReorderLine(BidiLine& bidi, const std::vector<Cell>& cells, const Line& line, UINT format) {
    bidi.Clear();
    for (std::size_t i = line.first; i < line.last; ++i)
        bidi.Add(cells[i].code);
    if (line.ellipsis)
        for (int dot = 0; dot < 3; ++dot)
            bidi.Add(U'.');
    bidi.Reorder(OrderOf(format));
}

// Draws the cells of one line in visual order with the pen on the baseline at
// `origin`: the line was broken and measured in logical order, so only the
// positions of its characters change.
void DrawLine(DeviceContext& dc, FontFace& face, TextLayout& layout, BidiLine& bidi,
              const Line& line, POINT origin, std::optional<RECT> clip, UINT format) {
    const bool drawText = !(format & DT_PREFIXONLY);
    const bool drawPrefix = !(format & DT_HIDEPREFIX);
    const auto& cells = layout.Cells();
    const std::uint32_t pixel = PixelOf(dc.state.textColor);
    const TEXTMETRIC& tm = face.Metrics();
    ReorderLine(bidi, cells, line, format);
    const std::size_t count = line.last - line.first;
    int x = 0;
    for (std::size_t visual = 0; visual < bidi.Size(); ++visual) {
        const std::size_t logical = bidi.LogicalAt(visual);
        const POINT at{origin.x + x, origin.y};
        const char32_t shown = bidi.Shown(logical);
        if (logical >= count) {
            const Glyph& dot = face.GlyphFor(shown);
            if (drawText)
                DrawGlyph(dc, dot, at, clip);
            x += dot.advance + dc.state.textCharacterExtra;
            continue;
        }
        const std::size_t i = line.first + logical;
        const int advance = layout.Advance(i, x);
        const bool visible = shown != U'\t' && shown != U'\r' && shown != U'\n';
        if (drawText && visible)
            DrawGlyph(dc, face.GlyphFor(shown), at, clip);
        if (drawPrefix && cells[i].underlined) {
            const int y = origin.y + std::max<LONG>(1, tm.tmDescent / 2);
            FillTargetRectColor(dc, ClipTo(RECT{at.x, y, at.x + advance, y + 1}, clip), pixel);
        }
        x += advance;
    }
    if (drawText)
        DrawDecorations(dc, face, origin, origin.x + x, clip);
}

} // namespace

int DrawText(HDC hdc, const char* text, int count, RECT* rect, UINT format) {
    DeviceContext* dc = LookupDC(hdc);
    FontFace* face = dc ? FaceOf(*dc) : nullptr;
    if (!face || !rect || (!text && count != 0))
        return 0;
    const std::string_view s = !text       ? std::string_view()
                               : count < 0 ? std::string_view(text)
                                           : std::string_view(text, std::size_t(count));
    const TEXTMETRIC& tm = face->Metrics();
    const int tabChars = (format & DT_TABSTOP) ? int((format >> 8) & 0xFF) : 8;
    LayoutScratch& scratch = LayoutScratch::ForThisThread();
    TextLayout layout(*face, dc->state.textCharacterExtra, format,
                      (tabChars ? tabChars : 8) * tm.tmAveCharWidth, scratch);
    layout.Prepare(s);
    const int maxWidth = rect->right - rect->left;
    layout.Break(maxWidth);
    auto& lines = layout.Lines();
    if (format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS))
        for (Line& line : lines)
            if (!(format & DT_CALCRECT) || !(format & DT_WORDBREAK))
                layout.Ellipsize(line, maxWidth);
    const int lineHeight = tm.tmHeight + ((format & DT_EXTERNALLEADING) ? tm.tmExternalLeading : 0);
    const int height = lineHeight * int(lines.size());
    int widest = 0;
    for (const Line& line : lines)
        widest = std::max(widest, line.width);

    if (format & DT_CALCRECT) {
        rect->right = rect->left + widest;
        rect->bottom = rect->top + height;
        return height;
    }
    int top = rect->top;
    const bool single = format & DT_SINGLELINE;
    if (single && (format & DT_VCENTER))
        top = rect->top + (rect->bottom - rect->top - height) / 2;
    else if (single && (format & DT_BOTTOM))
        top = rect->bottom - height;
    std::optional<RECT> clip;
    if (!(format & DT_NOCLIP))
        clip = dc->ToTarget(*rect);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line& line = lines[i];
        const int left = LineLeft(*rect, line, format);
        const int lineTop = top + int(i) * lineHeight;
        if (dc->state.bkMode == OPAQUE)
            FillTargetRectColor(
                *dc,
                ClipTo(dc->ToTarget(RECT{left, lineTop, left + line.width, lineTop + lineHeight}),
                       clip),
                PixelOf(dc->state.bkColor));
        DrawLine(*dc, *face, layout, scratch.bidi, line,
                 dc->ToTarget(POINT{left, lineTop + tm.tmAscent}), clip, format);
    }
    if (single && (format & (DT_VCENTER | DT_BOTTOM)))
        return top - rect->top + height;
    return height;
}

} // namespace win

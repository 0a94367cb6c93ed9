// DrawFrameControl: the classic buttons, caption buttons, scroll arrows, check
// and radio marks and menu glyphs. Glyphs are the classic pixel patterns,
// centred in the rectangle; a pushed control draws its glyph one pixel down
// and right, an inactive one embossed (highlight one pixel down-right, shadow
// on top).

#include "platform/gdi/Controls3D.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Raster.h"
#include "platform/gdi/ScanConvert.h"
#include "platform/gdi/SystemMetrics.h"
#include "platform/gdi/TextRenderer.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace win {

namespace {

using Pattern = std::span<const std::string_view>;

constexpr std::string_view kClose[] = {"##....##", ".##..##.", "..####..", "...##...",
                                       "..####..", ".##..##.", "##....##"};
constexpr std::string_view kMinimize[] = {"......", "......", "......", "......", "......",
                                          "......", "......", "######", "######"};
constexpr std::string_view kMaximize[] = {"#########", "#########", "#.......#",
                                          "#.......#", "#.......#", "#.......#",
                                          "#.......#", "#.......#", "#########"};
constexpr std::string_view kRestore[] = {"..######", "..######", "..#....#", "######.#", "######.#",
                                         "#....###", "#....#..", "#....#..", "######.."};
constexpr std::string_view kHelp[] = {".####.", "##..##", "....##", "...##.", "..##..",
                                      "..##..", "......", "..##..", "..##.."};
constexpr std::string_view kCheck[] = {"......#", ".....##", "#...###", "##.###.",
                                       "#####..", ".###...", "..#...."};
constexpr std::string_view kBullet[] = {".##.", "####", "####", ".##."};
constexpr std::string_view kMenuArrow[] = {"#...", "##..", "###.", "####", "###.", "##..", "#..."};

void PlotPattern(DeviceContext& dc, Pattern pattern, POINT at, int color) {
    const std::uint32_t pixel = PixelOf(GetSysColor(color));
    int y = 0;
    for (std::string_view row : pattern) {
        for (int x = 0; x < int(row.size()); ++x)
            if (row[std::size_t(x)] == '#') {
                const POINT p = dc.ToTarget(POINT{at.x + x, at.y + y});
                FillTargetRectColor(dc, RECT{p.x, p.y, p.x + 1, p.y + 1}, pixel);
            }
        ++y;
    }
}

POINT Centered(const RECT& r, int width, int height) {
    return {r.left + (r.right - r.left - width) / 2, r.top + (r.bottom - r.top - height) / 2};
}

int Width(Pattern p) {
    return int(p.front().size());
}
int Height(Pattern p) {
    return int(p.size());
}

// A glyph in the button's text colour, shifted when pushed, embossed when inactive.
void DrawGlyph(DeviceContext& dc, const RECT& r, Pattern pattern, UINT state) {
    POINT at = Centered(r, Width(pattern), Height(pattern));
    if (state & DFCS_PUSHED)
        at = {at.x + 1, at.y + 1};
    if (state & DFCS_INACTIVE) {
        PlotPattern(dc, pattern, {at.x + 1, at.y + 1}, COLOR_3DHIGHLIGHT);
        PlotPattern(dc, pattern, at, COLOR_3DSHADOW);
    } else {
        PlotPattern(dc, pattern, at, COLOR_BTNTEXT);
    }
}

// A push-button face: raised, or sunken when pushed (flat when DFCS_FLAT).
void DrawButtonFace(HDC hdc, RECT& r, UINT state) {
    const UINT edge = (state & (DFCS_PUSHED | DFCS_CHECKED)) ? EDGE_SUNKEN : EDGE_RAISED;
    UINT flags = BF_RECT | BF_MIDDLE | BF_SOFT | BF_ADJUST;
    if (state & DFCS_FLAT)
        flags |= BF_FLAT;
    if (state & DFCS_MONO)
        flags |= BF_MONO;
    DrawEdge(hdc, &r, edge, flags);
}

// A triangle pointing up, down, left or right, centred: classic scroll arrows
// are 7 pixels across at the base and 4 deep for a 16-pixel button.
void DrawArrow(DeviceContext& dc, const RECT& r, UINT direction, UINT state) {
    // `r` is the face inside the button's 2-pixel edge.
    const int size = std::min(r.right - r.left, r.bottom - r.top) + 4;
    const int depth = std::max(1, size / 4);
    const int base = depth * 2 - 1;
    const bool vertical = direction == DFCS_SCROLLUP || direction == DFCS_SCROLLDOWN ||
                          direction == DFCS_SCROLLCOMBOBOX;
    // The rows are built in storage kept between draws: a warm repaint of a
    // scroll or drop-down arrow allocates nothing.
    static thread_local std::vector<std::string> rows, turned;
    static thread_local std::vector<std::string_view> views;
    rows.resize(std::size_t(depth));
    for (int i = 0; i < depth; ++i) {
        const int width = 2 * i + 1;
        std::string& row = rows[std::size_t(i)];
        row.assign(std::size_t(base), '.');
        std::fill(row.begin() + (base - width) / 2, row.begin() + (base - width) / 2 + width, '#');
    }
    if (direction == DFCS_SCROLLDOWN || direction == DFCS_SCROLLCOMBOBOX)
        std::reverse(rows.begin(), rows.end());
    const std::vector<std::string>* shown = &rows;
    if (!vertical) {
        // Transpose: columns of the up arrow become rows of the left arrow.
        turned.resize(std::size_t(base));
        for (std::string& row : turned)
            row.assign(std::size_t(depth), '.');
        for (int y = 0; y < depth; ++y)
            for (int x = 0; x < base; ++x)
                turned[std::size_t(x)][std::size_t(y)] = rows[std::size_t(y)][std::size_t(x)];
        if (direction == DFCS_SCROLLRIGHT)
            for (auto& row : turned)
                std::reverse(row.begin(), row.end());
        shown = &turned;
    }
    views.assign(shown->begin(), shown->end());
    DrawGlyph(dc, r, views, state);
}

void DrawSizeGrip(DeviceContext& dc, const RECT& r) {
    // Three pairs of diagonal lines, highlight above shadow, in the corner.
    const int size = std::min(r.right - r.left, r.bottom - r.top);
    for (int line = 0; line < 3; ++line) {
        const int offset = 4 * line + 1;
        for (int i = 0; i < size - offset; ++i) {
            const int x = r.right - 1 - i, y = r.bottom - (size - offset) + i;
            auto set = [&](int px, int py, int color) {
                const POINT t = dc.ToTarget(POINT{px, py});
                FillTargetRectColor(dc, RECT{t.x, t.y, t.x + 1, t.y + 1},
                                    PixelOf(GetSysColor(color)));
            };
            set(x, y, COLOR_3DHIGHLIGHT);
            if (x - 1 >= r.left)
                set(x - 1, y, COLOR_3DSHADOW);
            if (x - 2 >= r.left)
                set(x - 2, y, COLOR_3DSHADOW);
        }
    }
}

void DrawCheckBox(HDC hdc, DeviceContext& dc, const RECT& r, UINT state) {
    const int size = 13;
    const POINT at = Centered(r, size, size);
    RECT box{at.x, at.y, at.x + size, at.y + size};
    DrawEdge(hdc, &box, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    const bool grey = state & (DFCS_INACTIVE | DFCS_PUSHED);
    FillTargetRectColor(dc, dc.ToTarget(box),
                        PixelOf(GetSysColor(grey ? COLOR_3DFACE : COLOR_WINDOW)));
    if (state & DFCS_CHECKED) {
        const POINT mark = Centered(box, Width(kCheck), Height(kCheck));
        const bool dim = (state & DFCS_INACTIVE) || (state & DFCS_BUTTON3STATE);
        PlotPattern(dc, kCheck, mark, dim ? COLOR_3DSHADOW : COLOR_WINDOWTEXT);
    }
}

void DrawRadio(DeviceContext& dc, const RECT& r, UINT state) {
    const int size = 12;
    const POINT at = dc.ToTarget(Centered(r, size, size));
    const RECT outer{at.x, at.y, at.x + size, at.y + size};
    const Region outerDisc = EllipseRegion(outer);
    const RECT innerBox{outer.left + 1, outer.top + 1, outer.right - 1, outer.bottom - 1};
    const Region innerDisc = EllipseRegion(innerBox);
    const RECT coreBox{outer.left + 2, outer.top + 2, outer.right - 2, outer.bottom - 2};
    const Region core = EllipseRegion(coreBox);
    const Region outerRing = Region::Combine(outerDisc, innerDisc, Region::Op::Diff);
    const Region innerRing = Region::Combine(innerDisc, core, Region::Op::Diff);
    // Each ring is split along the anti-diagonal into its lit and shaded halves.
    std::vector<std::vector<Region::Span>> upperRows;
    for (int y = 0; y < size; ++y)
        upperRows.push_back({{outer.left, outer.left + size - 1 - y}});
    const Region upperLeft = Region::FromRows(outer.top, upperRows);
    auto paint = [&](const Region& ring, int topLeft, int bottomRight) {
        auto light = Brush::Solid(GetSysColor(topLeft));
        auto dark = Brush::Solid(GetSysColor(bottomRight));
        PaintRegion(dc, Region::Combine(ring, upperLeft, Region::Op::And), *light, 0xF0);
        PaintRegion(dc, Region::Combine(ring, upperLeft, Region::Op::Diff), *dark, 0xF0);
    };
    paint(outerRing, COLOR_3DSHADOW, COLOR_3DHIGHLIGHT);
    paint(innerRing, COLOR_3DDKSHADOW, COLOR_3DLIGHT);
    const bool grey = state & (DFCS_INACTIVE | DFCS_PUSHED);
    auto face = Brush::Solid(GetSysColor(grey ? COLOR_3DFACE : COLOR_WINDOW));
    PaintRegion(dc, core, *face, 0xF0);
    if (state & DFCS_CHECKED) {
        const RECT dotBox{outer.left + 4, outer.top + 4, outer.right - 4, outer.bottom - 4};
        auto ink =
            Brush::Solid(GetSysColor((state & DFCS_INACTIVE) ? COLOR_3DSHADOW : COLOR_WINDOWTEXT));
        PaintRegion(dc, EllipseRegion(dotBox), *ink, 0xF0);
    }
}

BOOL DrawButton(HDC hdc, DeviceContext& dc, RECT* rect, UINT state) {
    const UINT kind = state & 0x1F;
    if (kind & DFCS_BUTTONPUSH) {
        RECT r = *rect;
        DrawButtonFace(hdc, r, state);
        if (state & DFCS_ADJUSTRECT)
            *rect = r;
        return TRUE;
    }
    if (kind & (DFCS_BUTTONRADIO | DFCS_BUTTONRADIOIMAGE | DFCS_BUTTONRADIOMASK)) {
        DrawRadio(dc, *rect, state);
        return TRUE;
    }
    DrawCheckBox(hdc, dc, *rect, state);
    return TRUE;
}

Pattern CaptionGlyph(UINT kind) {
    switch (kind) {
    case DFCS_CAPTIONMIN:
        return kMinimize;
    case DFCS_CAPTIONMAX:
        return kMaximize;
    case DFCS_CAPTIONRESTORE:
        return kRestore;
    case DFCS_CAPTIONHELP:
        return kHelp;
    default:
        return kClose;
    }
}

} // namespace

BOOL DrawFrameControl(HDC hdc, RECT* rect, UINT type, UINT state) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || !rect)
        return FALSE;
    switch (type) {
    case DFC_BUTTON:
        return DrawButton(hdc, *dc, rect, state);
    case DFC_CAPTION: {
        RECT r = *rect;
        DrawButtonFace(hdc, r, state);
        DrawGlyph(*dc, r, CaptionGlyph(state & 0xFF), state);
        return TRUE;
    }
    case DFC_SCROLL: {
        const UINT kind = state & 0xFF;
        if (kind == DFCS_SCROLLSIZEGRIP || kind == DFCS_SCROLLSIZEGRIPRIGHT) {
            FillTargetRectColor(*dc, dc->ToTarget(*rect), PixelOf(GetSysColor(COLOR_3DFACE)));
            DrawSizeGrip(*dc, *rect);
            return TRUE;
        }
        RECT r = *rect;
        DrawButtonFace(hdc, r, state);
        DrawArrow(*dc, r, kind, state);
        return TRUE;
    }
    case DFC_MENU:
    case DFC_POPUPMENU: {
        // Menu glyphs are drawn black on white, to be used as masks.
        FillTargetRectColor(*dc, dc->ToTarget(*rect), 0xFFFFFF);
        const UINT kind = state & 0xFF;
        const Pattern glyph = kind == DFCS_MENUCHECK    ? Pattern(kCheck)
                              : kind == DFCS_MENUBULLET ? Pattern(kBullet)
                                                        : Pattern(kMenuArrow);
        PlotPattern(*dc, glyph, Centered(*rect, Width(glyph), Height(glyph)), COLOR_WINDOWFRAME);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

} // namespace win

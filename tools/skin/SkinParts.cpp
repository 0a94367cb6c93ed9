#include "tools/skin/SkinParts.h"

#include <cmath>

namespace skinart {

namespace {

struct TBodyColors {
    TRgb line, top, bottom, glow;
};

TBodyColors BodyColors(TLook look) {
    using namespace palette;
    switch (look) {
    case TLook::Hot:
        return {kLineHot, kHotTop, kHotBottom, kWhite};
    case TLook::Pressed:
        return {kLinePressed, kPressedTop, kPressedBottom, Rgb(0xB2CBEF)};
    case TLook::Disabled:
        return {kDisabledLine, kDisabledFill, kDisabledFill, kDisabledFill};
    case TLook::Normal:
        break;
    }
    return {kLine, kFillTop, kFillBottom, kWhite};
}

} // namespace

TShape BodyShape(TBox box, double radius) {
    return RoundRect(box.left, box.top, box.right, box.bottom, radius);
}

void PaintBody(TSkinCanvas& canvas, TBox box, double radius, TLook look, TShading shading) {
    const TBodyColors colors = BodyColors(look);
    canvas.Fill(BodyShape(box, radius), colors.line);
    const TBox inner{box.left + 1, box.top + 1, box.right - 1, box.bottom - 1};
    const TPaint fill =
        shading == TShading::Vertical
            ? VerticalGradient(inner.top, colors.top, inner.bottom, colors.bottom)
            : HorizontalGradient(inner.left, colors.top, inner.right, colors.bottom);
    canvas.Fill(BodyShape(inner, std::max(radius - 1, 0.0)), fill);
    // A one-pixel glow along the lit edge (top, or left for horizontal shading).
    const TShape edge = shading == TShading::Vertical
                            ? Rect(inner.left + 1, inner.top, inner.right - 1, inner.top + 1)
                            : Rect(inner.left, inner.top + 1, inner.left + 1, inner.bottom - 1);
    canvas.Fill(Intersect(edge, BodyShape(inner, std::max(radius - 1, 0.0))),
                Mix(colors.glow, colors.top, look == TLook::Pressed ? 0 : 0.2));
}

TShape Arrow(double cx, double cy, int size, TDirection direction) {
    // Rows of the triangle pointing down: size, size - 2, ... down to 1 or 2.
    std::vector<std::string> rows;
    for (int width = size; width > 0; width -= 2) {
        const int pad = (size - width) / 2;
        rows.push_back(std::string(std::size_t(pad), '.') + std::string(std::size_t(width), '#') +
                       std::string(std::size_t(pad), '.'));
    }
    const int depth = int(rows.size());
    std::vector<std::string> turned;
    switch (direction) {
    case TDirection::Down:
        turned = rows;
        break;
    case TDirection::Up:
        turned.assign(rows.rbegin(), rows.rend());
        break;
    case TDirection::Right:
    case TDirection::Left:
        turned.assign(std::size_t(size), std::string(std::size_t(depth), '.'));
        for (int r = 0; r < depth; ++r)
            for (int c = 0; c < size; ++c) {
                const int column = direction == TDirection::Right ? r : depth - 1 - r;
                turned[std::size_t(c)][std::size_t(column)] = rows[std::size_t(r)][std::size_t(c)];
            }
        break;
    }
    const int w = int(turned.front().size()), h = int(turned.size());
    return Pattern(int(std::floor(cx - w / 2.0 + 0.5)), int(std::floor(cy - h / 2.0 + 0.5)),
                   turned);
}

const std::vector<std::string>& CaptionGlyphRows(TCaptionGlyph glyph) {
    static const std::vector<std::string> rows[] = {
        {"##.....##", "###...###", ".###.###.", "..#####..", "...###...", "..#####..", ".###.###.",
         "###...###", "##.....##"},
        {"#########", "#########", "#.......#", "#.......#", "#.......#", "#.......#", "#.......#",
         "#.......#", "#########"},
        {".........", ".........", ".........", ".........", ".........", ".........", "#########",
         "#########", "........."},
        {"..#######", "..#######", "..#.....#", "#######.#", "#######.#", "#.....###", "#.....#..",
         "#.....#..", "#######.."},
    };
    return rows[int(glyph)];
}

TRgb GlyphColor(TLook look) {
    switch (look) {
    case TLook::Hot:
        return palette::kAccent;
    case TLook::Pressed:
        return palette::kInk;
    case TLook::Disabled:
        return palette::kDisabledInk;
    case TLook::Normal:
        break;
    }
    return palette::kInkSoft;
}

TSkinCanvas Strip(int frameWidth, int frameHeight, int count,
                  const std::function<TSkinCanvas(int)>& frame, bool stacked) {
    TSkinCanvas strip(stacked ? frameWidth : frameWidth * count,
                      stacked ? frameHeight * count : frameHeight, kKey);
    for (int i = 0; i < count; ++i)
        strip.Place(frame(i), stacked ? 0 : i * frameWidth, stacked ? i * frameHeight : 0);
    return strip;
}

} // namespace skinart

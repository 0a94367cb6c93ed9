// The caption buttons of a maximised MDI child in the menu row, and the
// up-down buttons with their arrows.

#include "tools/skin/SkinParts.h"

namespace skinart {

namespace {

using namespace palette;

constexpr TLook kStateLooks[] = {TLook::Normal, TLook::Pressed, TLook::Hot, TLook::Disabled};

// MDI frames: minimise, restore and close, each normal, pressed, hot and
// disabled.
TSkinCanvas MdiFrame(int index) {
    const TLook look = kStateLooks[index % 4];
    TSkinCanvas frame(10, 10, kFace);
    if (look != TLook::Normal)
        PaintBody(frame, {0, 0, 10, 10}, 2, look);
    const TRgb ink = look == TLook::Normal ? kInk : GlyphColor(look);
    static const std::vector<std::string> glyphs[] = {
        {"......", "......", "......", "......", "######", "######"},
        {"..####", "..#..#", "######", "#..###", "#..#..", "####.."},
        {"##..##", ".####.", "..##..", "..##..", ".####.", "##..##"},
    };
    frame.Fill(Pattern(2, 2, glyphs[index / 4]), ink);
    if (look == TLook::Normal)
        frame.KeyOutside(Pattern(2, 2, glyphs[index / 4]));
    else
        frame.KeyOutside(BodyShape({0, 0, 10, 10}, 2));
    return frame;
}

// Up-down frames: the first button (up, or left) normal, pressed, hot,
// disabled, then the second (down, or right) the same; the arrows come from
// the glyph images.
TSkinCanvas SpinFrame(int index, bool horizontal) {
    const TLook look = kStateLooks[index % 4];
    const bool first = index < 4;
    TSkinCanvas frame(15, 16, kFace);
    // Each button is rounded on its outer side only.
    const TBox box = horizontal ? (first ? TBox{0, 0, 18, 16} : TBox{-3, 0, 15, 16})
                                : (first ? TBox{0, 0, 15, 19} : TBox{0, -3, 15, 16});
    PaintBody(frame, box, 2.5, look);
    if (horizontal)
        frame.Fill(first ? Rect(14, 0, 15, 16) : Rect(0, 0, 1, 16), kLineSoft);
    else
        frame.Fill(first ? Rect(0, 15, 15, 16) : Rect(0, 0, 15, 1), kLineSoft);
    frame.KeyOutside(BodyShape(box, 2.5));
    return frame;
}

// Arrow frames: the first direction in the four looks, then the second.
TSkinCanvas SpinArrow(int index, int width, int height, TDirection first, TDirection second) {
    TSkinCanvas frame(width, height, kKey);
    const TLook look = kStateLooks[index % 4];
    const TDirection direction = index < 4 ? first : second;
    const int size = first == TDirection::Up ? width : height;
    frame.Fill(Arrow(width / 2.0, height / 2.0, size, direction),
               look == TLook::Normal ? kInk : GlyphColor(look));
    return frame;
}

} // namespace

std::vector<TSkinBitmap> SpinBitmaps() {
    std::vector<TSkinBitmap> bitmaps;
    bitmaps.push_back({"mdibutton.bmp", 24, true, Strip(10, 10, 12, MdiFrame)});
    bitmaps.push_back(
        {"spin.bmp", 24, false, Strip(15, 16, 8, [](int i) { return SpinFrame(i, false); })});
    bitmaps.push_back({"spinarrow.bmp", 24, false, Strip(7, 6, 8, [](int i) {
                           return SpinArrow(i, 7, 6, TDirection::Up, TDirection::Down);
                       })});
    bitmaps.push_back(
        {"spinh.bmp", 24, false, Strip(15, 16, 8, [](int i) { return SpinFrame(i, true); })});
    bitmaps.push_back({"spinharrow.bmp", 24, false, Strip(6, 7, 8, [](int i) {
                           return SpinArrow(i, 6, 7, TDirection::Left, TDirection::Right);
                       })});
    return bitmaps;
}

} // namespace skinart

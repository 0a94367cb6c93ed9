// Popup menus (window background, item highlight and separator) and the
// extra glyphs: the combo box arrow in its states and the size grip.

#include "tools/skin/SkinParts.h"

namespace skinart {

namespace {

using namespace palette;

// The menu window: a border line, then white; sliced with 3-pixel margins,
// of which the outer three pixels also make the window's frame.
TSkinCanvas MenuBackground() {
    TSkinCanvas background(20, 20, kWhite);
    background.Fill(Minus(Rect(0, 0, 20, 20), Rect(1, 1, 19, 19)), kLine);
    background.Fill(Minus(Rect(1, 1, 19, 19), Rect(2, 2, 18, 18)), Rgb(0xF3F7FD));
    return background;
}

// Item frames: 1 normal (nothing: the menu shows through), 2 separator
// pieces, 3 normal disabled (nothing), 4 selected, 5 selected disabled.
TSkinCanvas MenuItemFrame(int index) {
    TSkinCanvas frame(20, 18, kWhite);
    const TShape highlight = RoundRect(0, 0, 20, 18, 3);
    switch (index) {
    case 1:
        frame.Fill(Rect(0, 8, 20, 9), kLineSoft);
        frame.KeyOutside(Rect(0, 8, 20, 10));
        return frame;
    case 3:
        frame.Fill(highlight, Rgb(0x8FBBF0));
        frame.Fill(RoundRect(1, 1, 19, 17, 2), VerticalGradient(1, kSelectTop, 17, kSelectBottom));
        frame.Fill(Rect(3, 1, 17, 2), kWhite);
        frame.KeyOutside(highlight);
        return frame;
    case 4:
        frame.Fill(highlight, kDisabledLine);
        frame.Fill(RoundRect(1, 1, 19, 17, 2), kDisabledFill);
        frame.KeyOutside(highlight);
        return frame;
    default:
        return TSkinCanvas(20, 18, kKey);
    }
}

// Extra frames: the combo box arrow 1 normal, 2 pressed, 3 disabled, 4 hot;
// 5 the status bar's size grip.
TSkinCanvas ExtraFrame(int index) {
    TSkinCanvas frame(16, 17, kKey);
    if (index == 4) {
        // Six dots in a triangle against the bottom-right corner.
        for (const auto& [x, y] : {std::pair{12, 4}, {9, 7}, {12, 7}, {6, 10}, {9, 10}, {12, 10}}) {
            frame.Fill(Rect(x + 1, y + 1, x + 3, y + 3), kWhite);
            frame.Fill(Rect(x, y, x + 2, y + 2), kShadow);
        }
        return frame;
    }
    constexpr TLook looks[] = {TLook::Normal, TLook::Pressed, TLook::Disabled, TLook::Hot};
    const TLook look = looks[index];
    const TRgb ink = look == TLook::Normal ? kInk : GlyphColor(look);
    frame.Fill(Pattern(4, 6 + (look == TLook::Pressed),
                       {
                           "##.....##",
                           "###...###",
                           ".###.###.",
                           "..#####..",
                           "...###...",
                       }),
               ink);
    return frame;
}

} // namespace

std::vector<TSkinBitmap> MenuBitmaps() {
    std::vector<TSkinBitmap> bitmaps;
    bitmaps.push_back({"menubackground.bmp", 32, false, MenuBackground()});
    bitmaps.push_back({"menuitem.bmp", 32, false, Strip(20, 18, 5, MenuItemFrame)});
    bitmaps.push_back({"extraimages.bmp", 24, false, Strip(16, 17, 5, ExtraFrame)});
    return bitmaps;
}

} // namespace skinart

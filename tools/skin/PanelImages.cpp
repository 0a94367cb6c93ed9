// Tabs and their page, the combo box button, status bar panels and header
// items.

#include "tools/skin/SkinParts.h"

namespace skinart {

namespace {

using namespace palette;

// Tab frames: 1 normal, 2 current, 3 hot, 4 disabled, 5 current with focus.
// Tabs are open at the bottom, where they meet the page.
TSkinCanvas TabFrame(int index) {
    const bool current = index == 1 || index == 4;
    TSkinCanvas frame(26, 23, kFace);
    const double top = current ? 0 : 2;
    const TShape outline = RoundRect(0, top, 26, 27, 3);
    const TRgb line = index == 3 ? kDisabledLine : current ? kLine : kLineSoft;
    frame.Fill(outline, line);
    const TPaint fill = index == 3   ? Solid(kDisabledFill)
                        : current    ? VerticalGradient(1, kWhite, 23, kFace)
                        : index == 2 ? VerticalGradient(top + 1, kHotTop, 23, kHotBottom)
                                     : VerticalGradient(top + 1, Rgb(0xF4F8FE), 23, Rgb(0xD6E4F8));
    frame.Fill(RoundRect(1, top + 1, 25, 27, 2), fill);
    if (current)
        frame.Fill(RoundRect(1, 1, 25, 4, 1.5), index == 4 ? kAccent : Rgb(0x6FA5EA));
    else
        // Tabs behind the current one stand on the page's top line.
        frame.Fill(Rect(0, 22, 26, 23), kLine);
    frame.KeyOutside(outline);
    return frame;
}

// The page below the tabs: a one-pixel border around the face colour.
TSkinCanvas TabSheet() {
    TSkinCanvas sheet(48, 48, kFace);
    sheet.Fill(Minus(Rect(0, 0, 48, 48), Rect(1, 1, 47, 47)), kLine);
    sheet.Fill(Rect(1, 1, 47, 2), kWhite);
    return sheet;
}

// Combo box button frames: 1 normal, 2 pressed, 3 disabled, 4 hot. A plain
// body with a rounded right side; the arrow comes from the extra images.
TSkinCanvas ComboFrame(int index) {
    constexpr TLook looks[] = {TLook::Normal, TLook::Pressed, TLook::Disabled, TLook::Hot};
    TSkinCanvas frame(15, 16, kFace);
    // Square on the left, where the button meets the edit field.
    const TBox box{-3, 0, 15, 16};
    PaintBody(frame, box, 2.5, looks[index]);
    frame.Fill(Rect(0, 0, 1, 16), index == 2 ? kDisabledLine : kLineSoft);
    frame.KeyOutside(BodyShape(box, 2.5));
    return frame;
}

// Status bar panels: 1 lowered, 2 raised, 3 without bevel (a separator at
// the right).
TSkinCanvas StatusFrame(int index) {
    TSkinCanvas frame(68, 21, kFace);
    switch (index) {
    case 0:
        frame.Fill(Minus(RoundRect(0, 1, 68, 21, 2), RoundRect(1, 2, 67, 20, 1)), kLineSoft);
        frame.Fill(RoundRect(1, 2, 67, 20, 1),
                   VerticalGradient(2, Rgb(0xEDF3FC), 20, Rgb(0xF7FAFE)));
        break;
    case 1:
        frame.Fill(Minus(RoundRect(0, 1, 68, 21, 2), RoundRect(1, 2, 67, 20, 1)), kShadow);
        frame.Fill(RoundRect(1, 2, 67, 20, 1), VerticalGradient(2, kWhite, 20, Rgb(0xE9F1FD)));
        break;
    default:
        frame.Fill(Rect(66, 4, 67, 18), kLineSoft);
        frame.Fill(Rect(67, 4, 68, 18), kWhite);
        break;
    }
    return frame;
}

// Header items: 1 normal, 2 pressed, 3 hot, 4 disabled, 5 sorted; a light
// gradient with a separator at the right and a line along the bottom.
TSkinCanvas HeaderFrame(int index) {
    TSkinCanvas frame(18, 18, kWhite);
    const TPaint fill = index == 1   ? VerticalGradient(0, kPressedTop, 17, kPressedBottom)
                        : index == 2 ? VerticalGradient(0, kHotTop, 17, kHotBottom)
                        : index == 3 ? Solid(kDisabledFill)
                                     : VerticalGradient(0, kWhite, 17, Rgb(0xE6EFFC));
    frame.Fill(Rect(0, 0, 18, 17), fill);
    frame.Fill(Rect(16, 3, 17, 14), kLineSoft);
    frame.Fill(Rect(17, 3, 18, 14), kWhite);
    frame.Fill(Rect(0, 17, 18, 18), index == 2 || index == 4 ? kAccent : kLine);
    return frame;
}

} // namespace

std::vector<TSkinBitmap> PanelBitmaps() {
    std::vector<TSkinBitmap> bitmaps;
    bitmaps.push_back({"tab.bmp", 24, false, Strip(26, 23, 5, TabFrame)});
    bitmaps.push_back({"tabsheet.bmp", 24, false, TabSheet()});
    bitmaps.push_back({"comboboxbtn.bmp", 24, false, Strip(15, 16, 4, ComboFrame)});
    bitmaps.push_back({"statusbar.bmp", 24, false, Strip(68, 21, 3, StatusFrame)});
    bitmaps.push_back({"header.bmp", 24, false, Strip(18, 18, 5, HeaderFrame)});
    return bitmaps;
}

} // namespace skinart

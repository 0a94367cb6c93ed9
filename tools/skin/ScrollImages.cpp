// Scroll bars: the arrow buttons and thumb grips, the thumbs and the tracks.

#include "tools/skin/SkinParts.h"

namespace skinart {

namespace {

using namespace palette;

// Arrow frames: left, right, up and down arrows, each normal, pressed, (not
// drawn: disabled), hot; then the grips of a horizontal and a vertical thumb,
// each normal, pressed, hot; the last frame is not drawn.
TSkinCanvas ArrowFrame(int index) {
    TSkinCanvas frame(16, 16, kFace);
    if (index >= 16) {
        if (index == 22)
            return TSkinCanvas(16, 16, kKey);
        const bool vertical = index >= 19;
        const int state = (index - 16) % 3; // normal, pressed, hot
        const TRgb ridge = state == 1 ? kLinePressed : state == 2 ? kLineHot : kLine;
        TSkinCanvas grip(16, 16, kKey);
        for (int i = 0; i < 3; ++i) {
            const int at = 5 + 2 * i;
            grip.Fill(vertical ? Rect(4, at, 11, at + 1) : Rect(at, 4, at + 1, 11), ridge);
        }
        return grip;
    }
    constexpr TDirection directions[] = {TDirection::Left, TDirection::Right, TDirection::Up,
                                         TDirection::Down};
    constexpr TLook looks[] = {TLook::Normal, TLook::Pressed, TLook::Disabled, TLook::Hot};
    const TDirection direction = directions[index / 4];
    const TLook look = looks[index % 4];
    const TBox box{1, 1, 15, 15};
    // At rest the button is barely there; it rises when the mouse comes.
    if (look == TLook::Normal || look == TLook::Disabled) {
        frame.Fill(BodyShape(box, 3), look == TLook::Normal ? Rgb(0xC9DBF3) : kDisabledLine);
        frame.Fill(BodyShape({2, 2, 14, 14}, 2),
                   look == TLook::Normal ? VerticalGradient(2, Rgb(0xF6F9FE), 14, Rgb(0xE6EFFB))
                                         : Solid(kDisabledFill));
    } else {
        PaintBody(frame, box, 3, look,
                  direction == TDirection::Up || direction == TDirection::Down
                      ? TShading::Horizontal
                      : TShading::Vertical);
    }
    frame.Fill(Arrow(8, 8, 7, direction), GlyphColor(look));
    frame.KeyOutside(BodyShape(box, 3));
    return frame;
}

// Thumb frames: 1 normal, 2 pressed, 3 hot, 4 disabled.
TSkinCanvas ThumbFrame(int index, int width, int height, TShading shading) {
    constexpr TLook looks[] = {TLook::Normal, TLook::Pressed, TLook::Hot, TLook::Disabled};
    TSkinCanvas frame(width, height, kFace);
    const TBox box = shading == TShading::Vertical ? TBox{0, 1, double(width), double(height) - 1}
                                                   : TBox{1, 0, double(width) - 1, double(height)};
    PaintBody(frame, box, 3, looks[index], shading);
    frame.KeyOutside(BodyShape(box, 3));
    return frame;
}

// Track frames: 1 enabled, 2 pressed, 3 disabled, 4 hot: a shallow groove.
TSkinCanvas TrackFrame(int index, bool vertical) {
    const TRgb edge = index == 2 ? Rgb(0xE4EAF2) : index == 1 ? Rgb(0xC6D8F1) : Rgb(0xD5E3F5);
    const TRgb deep = index == 2 ? Rgb(0xF3F6FA) : index == 1 ? Rgb(0xDCE8F8) : Rgb(0xEAF1FB);
    const TRgb light = index == 2 ? Rgb(0xF6F8FB) : index == 3 ? Rgb(0xFFFFFF) : Rgb(0xF8FBFF);
    TSkinCanvas frame(17, 17, light);
    if (vertical) {
        frame.Fill(Rect(0, 0, 17, 17), HorizontalGradient(0, deep, 17, light));
        frame.Fill(Rect(0, 0, 1, 17), edge);
    } else {
        frame.Fill(Rect(0, 0, 17, 17), VerticalGradient(0, deep, 17, light));
        frame.Fill(Rect(0, 0, 17, 1), edge);
    }
    return frame;
}

} // namespace

std::vector<TSkinBitmap> ScrollBitmaps() {
    std::vector<TSkinBitmap> bitmaps;
    bitmaps.push_back({"scrollbararrow.bmp", 32, false, Strip(16, 16, 23, ArrowFrame)});
    bitmaps.push_back({"scrollbarhthumb.bmp", 24, false, Strip(22, 15, 4, [](int i) {
                           return ThumbFrame(i, 22, 15, TShading::Vertical);
                       })});
    bitmaps.push_back({"scrollbarvthumb.bmp", 24, false, Strip(15, 22, 4, [](int i) {
                           return ThumbFrame(i, 15, 22, TShading::Horizontal);
                       })});
    bitmaps.push_back({"scrollbarhbar.bmp", 24, false,
                       Strip(17, 17, 4, [](int i) { return TrackFrame(i, false); })});
    bitmaps.push_back({"scrollbarvbar.bmp", 24, false,
                       Strip(17, 17, 4, [](int i) { return TrackFrame(i, true); })});
    return bitmaps;
}

} // namespace skinart

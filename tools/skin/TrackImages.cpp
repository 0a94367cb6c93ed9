// Track bars: the thumbs (a bar for both-sided bars, a pointer for bars
// ticked below) and the channels.

#include "tools/skin/SkinParts.h"

namespace skinart {

namespace {

using namespace palette;

// Thumb frames: 1 normal, 2 normal (the one the track bar painter draws),
// 3 hot, 4 pressed, 5 disabled.
constexpr TLook kThumbLooks[] = {TLook::Normal, TLook::Normal, TLook::Hot, TLook::Pressed,
                                 TLook::Disabled};

TSkinCanvas BarThumb(int index) {
    TSkinCanvas frame(9, 20, kFace);
    const TBox box{0, 0, 9, 20};
    PaintBody(frame, box, 3, kThumbLooks[index], TShading::Horizontal);
    frame.KeyOutside(BodyShape(box, 3));
    return frame;
}

TSkinCanvas PointerThumb(int index) {
    TSkinCanvas frame(11, 21, kFace);
    const TShape pointer = Polygon(
        {{0.5, 1.5}, {1.5, 0.5}, {9.5, 0.5}, {10.5, 1.5}, {10.5, 15.5}, {5.5, 20.5}, {0.5, 15.5}});
    const TShape inside = Polygon({{1.5, 1.5}, {9.5, 1.5}, {9.5, 15.1}, {5.5, 19.1}, {1.5, 15.1}});
    const TLook look = kThumbLooks[index];
    const TRgb line = look == TLook::Disabled  ? kDisabledLine
                      : look == TLook::Pressed ? kLinePressed
                      : look == TLook::Hot     ? kLineHot
                                               : kLine;
    frame.Fill(pointer, line);
    const TPaint fill = look == TLook::Disabled ? Solid(kDisabledFill)
                        : look == TLook::Pressed
                            ? HorizontalGradient(1, kPressedTop, 10, kPressedBottom)
                        : look == TLook::Hot ? HorizontalGradient(1, kHotTop, 10, kHotBottom)
                                             : HorizontalGradient(1, kFillTop, 10, kFillBottom);
    frame.Fill(inside, fill);
    frame.KeyOutside(pointer);
    return frame;
}

} // namespace

TSkinCanvas TrackChannel(int width, int height, bool vertical) {
    TSkinCanvas channel(width, height, kFace);
    channel.Fill(RoundRect(0, 0, width, height, 1.5), kShadow);
    channel.Fill(Rect(1, 1, width - 1, height - 1),
                 vertical ? HorizontalGradient(1, Rgb(0xDCE7F7), width - 1, kWhite)
                          : VerticalGradient(1, Rgb(0xDCE7F7), height - 1, kWhite));
    return channel;
}

std::vector<TSkinBitmap> TrackBitmaps() {
    std::vector<TSkinBitmap> bitmaps;
    bitmaps.push_back({"trackthumbh.bmp", 24, false, Strip(9, 20, 5, BarThumb)});
    bitmaps.push_back({"trackbot.bmp", 24, false, Strip(11, 21, 5, PointerThumb)});
    bitmaps.push_back({"trackbar.bmp", 24, true, TrackChannel(5, 10, false)});
    bitmaps.push_back({"trackbarv.bmp", 24, true, TrackChannel(5, 10, true)});
    return bitmaps;
}

} // namespace skinart

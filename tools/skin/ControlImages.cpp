// Push buttons, check boxes, radio buttons and the progress bar.

#include "tools/skin/SkinParts.h"

namespace skinart {

namespace {

using namespace palette;

// Button frames: 1 normal, 2 pressed, 3 disabled, 4 hot, 5 focused or default.
TSkinCanvas ButtonFrame(int index) {
    constexpr TLook looks[] = {TLook::Normal, TLook::Pressed, TLook::Disabled, TLook::Hot,
                               TLook::Normal};
    TSkinCanvas frame(20, 23, kFace);
    const TBox box{0, 0, 20, 23};
    PaintBody(frame, box, 3, looks[index]);
    if (index == 4) {
        // The default button: an accent border with a light ring inside it.
        frame.Fill(Minus(BodyShape(box, 3), BodyShape({1, 1, 19, 22}, 2)), kAccent);
        frame.Fill(Minus(BodyShape({1, 1, 19, 22}, 2), BodyShape({2, 2, 18, 21}, 1)),
                   Rgb(0xA9CBF5));
    }
    frame.KeyOutside(BodyShape(box, 3));
    return frame;
}

// The 13 x 13 box of a check box or the disc of a radio button, in a look.
void PaintMark(TSkinCanvas& canvas, const TShape& outer, const TShape& inner, TLook look) {
    const TRgb line = look == TLook::Disabled ? kDisabledLine
                      : look == TLook::Normal ? kLine
                                              : kLineHot;
    canvas.Fill(outer, line);
    const TPaint fill = look == TLook::Disabled ? Solid(kDisabledFill)
                        : look == TLook::Pressed
                            ? VerticalGradient(1, kPressedTop, 12, kPressedBottom)
                        : look == TLook::Hot ? VerticalGradient(1, kHotBottom, 12, kWhite)
                                             : VerticalGradient(1, Rgb(0xE8F0FB), 12, kWhite);
    canvas.Fill(inner, fill);
}

TRgb MarkColor(TLook look) {
    return look == TLook::Disabled ? kDisabledInk : look == TLook::Hot ? kAccent : kInk;
}

// Check box frames: unchecked, checked and mixed, each normal, hot, pressed
// and disabled, so that frames 1, 4, 5, 8, 9 and 12 are the ones a
// twelve-frame check box is drawn with at rest.
TSkinCanvas CheckFrame(int index) {
    constexpr TLook looks[] = {TLook::Normal, TLook::Hot, TLook::Pressed, TLook::Disabled};
    const TLook look = looks[index % 4];
    TSkinCanvas frame(13, 13, kFace);
    PaintMark(frame, RoundRect(0, 0, 13, 13, 2), RoundRect(1, 1, 12, 12, 1), look);
    if (index / 4 == 1)
        frame.Fill(Pattern(2, 3,
                           {
                               ".......#",
                               "......##",
                               "#....###",
                               "##..###.",
                               "######..",
                               ".####...",
                               "..##....",
                           }),
                   MarkColor(look));
    else if (index / 4 == 2)
        frame.Fill(RoundRect(3, 3, 10, 10, 1), look == TLook::Disabled ? kDisabledInk : kAccent);
    frame.KeyOutside(RoundRect(0, 0, 13, 13, 2));
    return frame;
}

// Radio button frames in the order the radio painter counts them: 1 off,
// 2 on, 3 off disabled, 4 on disabled; then hot off and on, pressed off and on.
TSkinCanvas RadioFrame(int index) {
    constexpr TLook looks[] = {TLook::Normal, TLook::Normal, TLook::Disabled, TLook::Disabled,
                               TLook::Hot,    TLook::Hot,    TLook::Pressed,  TLook::Pressed};
    const TLook look = looks[index];
    const bool on = index % 2 == 1;
    TSkinCanvas frame(13, 13, kFace);
    PaintMark(frame, Circle(6.5, 6.5, 6.5), Circle(6.5, 6.5, 5.5), look);
    if (on) {
        const TRgb dot = look == TLook::Disabled ? kDisabledInk : kAccent;
        frame.Fill(Circle(6.5, 6.5, 3.2), Mix(dot, kInk, look == TLook::Pressed ? 0.4 : 0));
        frame.Fill(Circle(5.8, 5.6, 1.2), Mix(dot, kWhite, 0.45));
    }
    frame.KeyOutside(Circle(6.5, 6.5, 6.5));
    return frame;
}

// The progress bar's trough, sliced with 3-pixel margins.
TSkinCanvas ProgressTrough() {
    TSkinCanvas trough(10, 13, kFace);
    trough.Fill(RoundRect(0, 0, 10, 13, 2.5), kLine);
    trough.Fill(RoundRect(1, 1, 9, 12, 1.5), VerticalGradient(1, Rgb(0xE6EEFA), 12, kWhite));
    trough.KeyOutside(RoundRect(0, 0, 10, 13, 2.5));
    return trough;
}

// The filled part: a glossy blue bar with rounded ends, sliced with
// 3-pixel margins.
TSkinCanvas ProgressChunk() {
    TSkinCanvas chunk(102, 15, kWhite);
    const TShape bar = RoundRect(0, 0, 102, 15, 2.5);
    chunk.Fill(bar, Rgb(0x2F6FC4));
    chunk.Fill(RoundRect(1, 1, 101, 14, 1.5),
               VerticalGradient(1, Rgb(0x8EC2F7), 14, Rgb(0x4E93E4)));
    chunk.Fill(RoundRect(1, 7, 101, 14, 1.5),
               VerticalGradient(7, Rgb(0x3C84DC), 14, Rgb(0x5AA2F0)));
    chunk.Fill(Rect(2, 1, 100, 2), Rgb(0xC4E0FC));
    chunk.KeyOutside(bar);
    return chunk;
}

} // namespace

std::vector<TSkinBitmap> ControlBitmaps() {
    std::vector<TSkinBitmap> bitmaps;
    bitmaps.push_back({"buttons.bmp", 24, false, Strip(20, 23, 5, ButtonFrame)});
    bitmaps.push_back({"checkbox.bmp", 24, false, Strip(13, 13, 12, CheckFrame)});
    bitmaps.push_back({"radiobutton.bmp", 24, false, Strip(13, 13, 8, RadioFrame)});
    bitmaps.push_back({"progress.bmp", 24, true, ProgressTrough()});
    bitmaps.push_back({"progresschunk.bmp", 24, false, ProgressChunk()});
    return bitmaps;
}

} // namespace skinart

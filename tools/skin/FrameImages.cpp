// The window frame (borders and caption, drawn as one window and cut into
// the four frame parts so that they meet seamlessly), the caption buttons
// and the caption of a minimised window.

#include "tools/skin/SkinParts.h"

namespace skinart {

namespace {

using namespace palette;

constexpr int kCaption = 28; // caption row height of one frame of the top part
constexpr int kSide = 4;     // left and right border width
constexpr int kBottom = 5;   // bottom border height

struct TFrameColors {
    TRgb outline, glossTop, glossBottom, bodyTop, bodyBottom, highlight, inner;
};

TFrameColors FrameColors(bool active) {
    if (active)
        return {kDeep,         Rgb(0x86BAF4), Rgb(0x64A2EB), Rgb(0x4A8DE1),
                Rgb(0x3C7DD3), Rgb(0xC3DEFB), Rgb(0x2C68B9)};
    return {Rgb(0x8496B0), Rgb(0xDCE6F3), Rgb(0xCBD8EA), Rgb(0xBFCFE4),
            Rgb(0xB3C5DD), Rgb(0xF2F6FB), Rgb(0x98ABC6)};
}

// The caption's colour at a height: a glossy upper half over a deeper lower
// half; the borders below the caption keep its last colour.
TPaint CaptionPaint(bool active) {
    const TFrameColors c = FrameColors(active);
    return [c](double, double y) {
        if (y < 14)
            return Mix(c.glossTop, c.glossBottom, (y - 1) / 13);
        return Mix(c.bodyTop, c.bodyBottom, (y - 14) / (kCaption - 14));
    };
}

// The window outline: top corners cut by 4, 2, 1 and 1 pixels, square at
// the bottom; inset moves it in by whole pixels.
TShape WindowShape(int width, int height, int inset) {
    return [=](double x, double y) {
        static constexpr int cut[] = {4, 2, 1, 1};
        const int px = int(x) - inset, py = int(y) - inset;
        const int w = width - 2 * inset, h = height - 2 * inset;
        if (x < inset || y < inset || px >= w || py >= h)
            return false;
        if (py < 4 && (px < cut[py] || px >= w - cut[py]))
            return false;
        return true;
    };
}

// A whole window frame of width x height: outline, caption, borders and the
// line along the client area.
TSkinCanvas WindowFrame(int width, int height, bool active) {
    const TFrameColors c = FrameColors(active);
    TSkinCanvas window(width, height, kFace);
    window.Fill(WindowShape(width, height, 0), c.outline);
    window.Fill(WindowShape(width, height, 1), CaptionPaint(active));
    window.Fill(Rect(2, 1, width - 2, 2), c.highlight);
    window.Fill(Minus(Rect(kSide - 1, kCaption - 1, width - kSide + 1, height - kBottom + 1),
                      Rect(kSide, kCaption, width - kSide, height - kBottom)),
                c.inner);
    window.Fill(Rect(kSide, kCaption, width - kSide, height - kBottom), kFace);
    window.KeyOutside(WindowShape(width, height, 0));
    return window;
}

TSkinCanvas Cut(const TSkinCanvas& from, int left, int top, int width, int height) {
    TSkinCanvas part(width, height, kKey);
    part.Place(from, -left, -top);
    return part;
}

enum class TPart { Left, Right, Top, Bottom };

// One of the four frame parts: active and inactive side by side (left,
// right) or one above the other (top, bottom).
TSkinCanvas FramePart(TPart part) {
    constexpr int width = 640, height = 100;
    const TSkinCanvas windows[] = {WindowFrame(width, height, true),
                                   WindowFrame(width, height, false)};
    const auto piece = [&](int i) {
        const TSkinCanvas& w = windows[i];
        switch (part) {
        case TPart::Left:
            return Cut(w, 0, 0, kSide, height);
        case TPart::Right:
            return Cut(w, width - kSide, 0, kSide, height);
        case TPart::Top:
            return Cut(w, kSide, 0, width - 2 * kSide, kCaption);
        case TPart::Bottom:
            break;
        }
        return Cut(w, kSide, height - kBottom, width - 2 * kSide, kBottom);
    };
    switch (part) {
    case TPart::Left:
    case TPart::Right:
        return Strip(kSide, height, 2, piece);
    case TPart::Top:
        return Strip(width - 2 * kSide, kCaption, 2, piece, true);
    case TPart::Bottom:
        break;
    }
    return Strip(width - 2 * kSide, kBottom, 2, piece, true);
}

constexpr int kButtonTop = 4; // where the caption buttons sit in the caption row

// Caption button frames: 1 normal, 2 pressed, 3 hot, 4 inactive or disabled,
// 5 inactive and hot, 6 inactive and pressed; each over the caption at the
// button's place, so its rounded corners blend into it.
TSkinCanvas CaptionButtonFrame(TCaptionGlyph glyph, int index) {
    const bool active = index < 3;
    const int state = index % 3; // normal, pressed, hot
    const TPaint caption = CaptionPaint(active);
    const auto behind = [caption](double x, double y) { return caption(x, y + kButtonTop); };
    TSkinCanvas frame(21, 21, kFace);
    frame.Fill(Rect(0, 0, 21, 21), behind);
    const TShape body = RoundRect(0, 0, 21, 21, 4);
    const TShape inner = RoundRect(1, 1, 20, 20, 3);
    const bool close = glyph == TCaptionGlyph::Close;
    const auto overlay = [behind](TRgb toward, double share) {
        return TPaint([=](double x, double y) { return Mix(behind(x, y), toward, share); });
    };
    if (close && state != 0 && active) {
        frame.Fill(body, state == 1 ? Rgb(0x7A2420) : Rgb(0x9E2F28));
        frame.Fill(inner, state == 1 ? VerticalGradient(1, kClosePressed, 20, Rgb(0xC0453C))
                                     : VerticalGradient(1, Rgb(0xEE7A6E), 20, kCloseHot));
    } else {
        const TRgb edge = active ? kDeep : Rgb(0x8496B0);
        frame.Fill(body, overlay(edge, state == 0 ? 0.35 : 0.6));
        frame.Fill(inner, state == 1   ? overlay(edge, 0.45)
                          : state == 2 ? overlay(kWhite, 0.4)
                                       : overlay(kWhite, 0.16));
    }
    frame.Fill(Rect(3, 1, 18, 2), overlay(kWhite, state == 1 ? 0.1 : 0.45));
    const TRgb ink = active ? kWhite : Rgb(0x4A5D78);
    const TRgb shade = active ? Rgb(0x1B4F93) : Rgb(0xF4F7FB);
    frame.Fill(Pattern(6, 7, CaptionGlyphRows(glyph)), shade);
    frame.Fill(Pattern(6, 6, CaptionGlyphRows(glyph)), ink);
    frame.KeyOutside(body);
    return frame;
}

TSkinBitmap CaptionButton(const char* name, TCaptionGlyph glyph) {
    return {name, 24, false,
            Strip(21, 21, 6, [glyph](int i) { return CaptionButtonFrame(glyph, i); })};
}

// A minimised window's caption: active above inactive.
TSkinCanvas MinCaption() {
    return Strip(
        66, 29, 2,
        [](int i) {
            const bool active = i == 0;
            const TFrameColors c = FrameColors(active);
            TSkinCanvas caption(66, 29, kFace);
            caption.Fill(WindowShape(66, 29, 0), c.outline);
            caption.Fill(WindowShape(66, 29, 1), CaptionPaint(active));
            caption.Fill(Rect(2, 1, 64, 2), c.highlight);
            caption.KeyOutside(WindowShape(66, 29, 0));
            return caption;
        },
        true);
}

} // namespace

std::vector<TSkinBitmap> FrameBitmaps() {
    std::vector<TSkinBitmap> bitmaps;
    bitmaps.push_back(CaptionButton("closebutton.bmp", TCaptionGlyph::Close));
    bitmaps.push_back(CaptionButton("maxbutton.bmp", TCaptionGlyph::Maximize));
    bitmaps.push_back(CaptionButton("minbutton.bmp", TCaptionGlyph::Minimize));
    bitmaps.push_back(CaptionButton("restrorebutton.bmp", TCaptionGlyph::Restore));
    bitmaps.push_back({"frameleft.bmp", 24, false, FramePart(TPart::Left)});
    bitmaps.push_back({"frameright.bmp", 24, false, FramePart(TPart::Right)});
    bitmaps.push_back({"frametop.bmp", 24, false, FramePart(TPart::Top)});
    bitmaps.push_back({"framebottom.bmp", 24, false, FramePart(TPart::Bottom)});
    bitmaps.push_back({"mincaption.bmp", 24, false, MinCaption()});
    return bitmaps;
}

} // namespace skinart

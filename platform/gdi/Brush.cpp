#include "platform/gdi/Brush.h"

namespace win {

std::unique_ptr<Brush> Brush::Solid(COLORREF color) {
    std::unique_ptr<Brush> brush(new Brush());
    brush->color_ = color & 0xFFFFFF;
    return brush;
}

std::unique_ptr<Brush> Brush::Null() {
    std::unique_ptr<Brush> brush(new Brush());
    brush->style_ = Style::Null;
    return brush;
}

std::unique_ptr<Brush> Brush::DcBrush() {
    std::unique_ptr<Brush> brush(new Brush());
    brush->style_ = Style::DcBrush;
    return brush;
}

std::unique_ptr<Brush> Brush::Hatched(int hatch, COLORREF color) {
    std::unique_ptr<Brush> brush(new Brush());
    brush->style_ = Style::Hatched;
    brush->hatch_ = hatch;
    brush->color_ = color & 0xFFFFFF;
    return brush;
}

std::unique_ptr<Brush> Brush::Pattern(int width, int height, std::vector<std::uint32_t> pixels,
                                      bool mono) {
    std::unique_ptr<Brush> brush(new Brush());
    brush->style_ = Style::Pattern;
    brush->patternWidth_ = width;
    brush->patternHeight_ = height;
    brush->pattern_ = std::move(pixels);
    brush->mono_ = mono;
    return brush;
}

std::uint32_t Brush::PatternPixel(int x, int y) const {
    const int px = ((x % patternWidth_) + patternWidth_) % patternWidth_;
    const int py = ((y % patternHeight_) + patternHeight_) % patternHeight_;
    return pattern_[std::size_t(py) * std::size_t(patternWidth_) + std::size_t(px)];
}

bool Brush::HatchBit(int x, int y) const {
    const int px = x & 7, py = y & 7;
    switch (hatch_) {
    case HS_HORIZONTAL:
        return py == 7;
    case HS_VERTICAL:
        return px == 7;
    case HS_FDIAGONAL:
        return px == py;
    case HS_BDIAGONAL:
        return px == 7 - py;
    case HS_CROSS:
        return px == 7 || py == 7;
    case HS_DIAGCROSS:
        return px == py || px == 7 - py;
    default:
        return false;
    }
}

LOGPEN Pen::Describe() const {
    LOGPEN lp;
    lp.lopnStyle = UINT(style_);
    lp.lopnWidth.x = width_;
    lp.lopnColor = color_;
    return lp;
}

} // namespace win

#pragma once
// Brushes and pens. A brush answers the colour it paints at a device pixel:
// solid, hatched (foreground and background), or a pattern bitmap copied when
// the brush is made (monochrome patterns take the DC's text and background
// colours, as on Windows).

#include "platform/gdi/GdiObject.h"
#include "platform/gdi/GdiTypes.h"

#include <vector>

namespace win {

class Brush : public GdiObject {
public:
    enum class Style { Solid, Null, Hatched, Pattern, DcBrush };

    static bool Accepts(DWORD type) { return type == OBJ_BRUSH; }
    static std::unique_ptr<Brush> Solid(COLORREF color);
    static std::unique_ptr<Brush> Null();
    static std::unique_ptr<Brush> Hatched(int hatch, COLORREF color);
    static std::unique_ptr<Brush> Pattern(int width, int height, std::vector<std::uint32_t> pixels,
                                          bool mono);
    static std::unique_ptr<Brush> DcBrush();

    Style GetStyle() const { return style_; }
    COLORREF Color() const { return color_; }
    int Hatch() const { return hatch_; }
    bool IsMonoPattern() const { return mono_; }
    int PatternWidth() const { return patternWidth_; }
    int PatternHeight() const { return patternHeight_; }
    // The pattern pixel (0x00RRGGBB) for a device point, brush origin applied.
    std::uint32_t PatternPixel(int x, int y) const;
    // Whether the hatch draws its foreground at a device point.
    bool HatchBit(int x, int y) const;

private:
    Brush() : GdiObject(OBJ_BRUSH) {}
    Style style_ = Style::Solid;
    COLORREF color_ = 0;
    int hatch_ = 0;
    bool mono_ = false;
    int patternWidth_ = 0, patternHeight_ = 0;
    std::vector<std::uint32_t> pattern_;
};

class Pen : public GdiObject {
public:
    Pen(int style, int width, COLORREF color)
        : GdiObject(OBJ_PEN), style_(style), width_(width), color_(color) {}
    static bool Accepts(DWORD type) { return type == OBJ_PEN; }

    int Style() const { return style_ & PS_STYLE_MASK; }
    // At least one pixel; capped far beyond any screen so arithmetic on it is safe.
    int Width() const { return width_ < 1 ? 1 : width_ > (1 << 16) ? (1 << 16) : width_; }
    COLORREF Color() const { return color_; }
    LOGPEN Describe() const;
    // DC_PEN's colour comes from the DC.
    bool isDcPen = false;

private:
    int style_;
    int width_;
    COLORREF color_;
};

} // namespace win

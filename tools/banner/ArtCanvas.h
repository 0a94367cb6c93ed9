#pragma once
// A drawing surface for generated artwork: shapes and text are drawn with the
// platform's GDI at several times the final size and then averaged down, which
// gives smooth edges from drawing calls that themselves do not anti-alias.
// Coordinates are in final pixels and may be fractional.

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Surface.h"
#include "tools/banner/ShapePainter.h"

#include <string>
#include <vector>

namespace banner {

struct TTextStyle {
    std::string face;
    double height; // cell height in final pixels
    int weight = win::FW_NORMAL;
    win::COLORREF color = 0;
};

class TArtCanvas : public TShapePainter {
public:
    // A canvas of width x height final pixels, drawn scale times larger,
    // cleared to background.
    TArtCanvas(int width, int height, int scale, win::COLORREF background);
    ~TArtCanvas() override;
    TArtCanvas(const TArtCanvas&) = delete;
    TArtCanvas& operator=(const TArtCanvas&) = delete;

    void VerticalGradient(double left, double top, double right, double bottom, win::COLORREF upper,
                          win::COLORREF lower);
    void Ellipse(double left, double top, double right, double bottom,
                 win::COLORREF color) override;
    void RoundRect(double left, double top, double right, double bottom, double radius,
                   win::COLORREF color) override;
    void Polygon(const std::vector<TPointF>& points, win::COLORREF color) override;
    // Draws text with its cell's top-left corner at (x, y).
    void Text(double x, double y, const std::string& text, const TTextStyle& style);
    double TextWidth(const std::string& text, const TTextStyle& style);

    // The final picture, each pixel the mean of its scale x scale block.
    win::Surface Averaged() const;
    // The same with transparency: pixels still holding the key colour count
    // as transparent; the alpha is the covered share of each block.
    win::Surface AveragedWithAlpha(win::COLORREF key) const;

private:
    int Scaled(double value) const;
    win::HFONT SelectFont(const TTextStyle& style);

    int FWidth;
    int FHeight;
    int FScale;
    win::Surface FSurface;
    win::HDC FDC;
};

} // namespace banner

#pragma once
// A scalable picture made of filled shapes: the SVG document of what was drawn
// on it, in drawing order, for icon themes that scale the program icon to any size.

#include "tools/banner/ShapePainter.h"

#include <string>

namespace banner {

class TSvgPicture : public TShapePainter {
public:
    // A picture whose coordinates run from 0 to width and 0 to height.
    TSvgPicture(int width, int height);

    void Ellipse(double left, double top, double right, double bottom,
                 win::COLORREF color) override;
    void RoundRect(double left, double top, double right, double bottom, double radius,
                   win::COLORREF color) override;
    void Polygon(const std::vector<TPointF>& points, win::COLORREF color) override;

    // The whole document, ending in a line feed.
    std::string Text() const;

private:
    int FWidth;
    int FHeight;
    std::string FShapes;
};

} // namespace banner

#pragma once
// The filled shapes the program's emblem is drawn from, as one interface, so
// that the same drawing gives the raster icons and the scalable one.

#include "platform/gdi/GdiTypes.h"

#include <vector>

namespace banner {

struct TPointF {
    double x;
    double y;
};

class TShapePainter {
public:
    virtual ~TShapePainter() = default;

    virtual void Ellipse(double left, double top, double right, double bottom,
                         win::COLORREF color) = 0;
    // Corners rounded with circles of the given radius.
    virtual void RoundRect(double left, double top, double right, double bottom, double radius,
                           win::COLORREF color) = 0;
    virtual void Polygon(const std::vector<TPointF>& points, win::COLORREF color) = 0;
};

} // namespace banner

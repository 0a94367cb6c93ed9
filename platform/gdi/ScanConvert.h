#pragma once
// Scan conversion of filled shapes into regions: a pixel belongs to a shape
// when its centre lies inside it. Regions and filled drawing share these, so
// CreateEllipticRgn and Ellipse cover the same pixels. Drawing converts only the
// rows it can show (the row window), so a huge shape costs what its visible
// part costs.

#include "platform/gdi/Region.h"

#include <limits>
#include <span>

namespace win {

struct RowWindow {
    LONG top = std::numeric_limits<LONG>::min();
    LONG bottom = std::numeric_limits<LONG>::max();
};

// Shapes taller than this are refused as regions (their bands would take
// memory in proportion to the height).
constexpr LONG kMaxShapeRows = 1 << 16;

Region EllipseRegion(const RECT& box, RowWindow window = {});
Region RoundRectRegion(const RECT& box, int cornerWidth, int cornerHeight, RowWindow window = {});
Region PolygonRegion(std::span<const POINT> points, bool winding, RowWindow window = {});

// The pixels of `area` within `width` columns or `height` rows of its outside:
// its frame, as a pen of that size draws it inside a shape.
Region FrameOf(const Region& area, int width, int height);

} // namespace win

#pragma once
// Scan conversion of filled shapes into rows of spans: a pixel belongs to a
// shape when its centre lies inside it. Regions and filled drawing share these,
// so CreateEllipticRgn and Ellipse cover the same pixels.

#include "platform/gdi/Region.h"

#include <span>
#include <vector>

namespace win {

using SpanRows = std::vector<std::vector<Region::Span>>;

// Rows from `box.top` to `box.bottom`.
SpanRows EllipseRows(const RECT& box);
SpanRows RoundRectRows(const RECT& box, int cornerWidth, int cornerHeight);
// Rows from the topmost vertex; `top` receives that row.
SpanRows PolygonRows(std::span<const POINT> points, bool winding, LONG& top);

// The pixels of `area` within `width` columns or `height` rows of its outside:
// its frame, as a pen of that size draws it inside a shape.
Region FrameOf(const Region& area, int width, int height);

} // namespace win

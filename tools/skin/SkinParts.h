#pragma once
// Painters shared by several image families: the raised body of a control in
// its four looks, and small glyphs drawn pixel by pixel so that they stay
// sharp at the sizes a skin uses.

#include "tools/skin/SkinTheme.h"

namespace skinart {

struct TBox {
    double left, top, right, bottom;
};

enum class TShading { Vertical, Horizontal };

// Border, gradient fill and a soft inner highlight, inside box, corners
// rounded by radius; what lies outside is left as it was.
void PaintBody(TSkinCanvas& canvas, TBox box, double radius, TLook look,
               TShading shading = TShading::Vertical);
// The shape PaintBody paints, for keying out what lies outside it.
TShape BodyShape(TBox box, double radius);

enum class TDirection { Up, Down, Left, Right };

// A solid triangle pointing in direction, `size` pixels along its base (odd
// sizes give a one-pixel tip), centred on (cx, cy), drawn in whole pixels.
TShape Arrow(double cx, double cy, int size, TDirection direction);
enum class TCaptionGlyph { Close, Maximize, Minimize, Restore };
// The 9 x 9 pictures of the window commands, for '#'-pattern shapes.
const std::vector<std::string>& CaptionGlyphRows(TCaptionGlyph glyph);

// The colour of a glyph in a look.
TRgb GlyphColor(TLook look);

} // namespace skinart

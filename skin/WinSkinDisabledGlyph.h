#pragma once
// The embossed grey look of a glyph whose control is disabled, for glyphs that
// carry no disabled image of their own.

namespace fw {
class TBitmap;
}

namespace skin {

// Repaints the bitmap in place: button face, then the glyph's monochrome mask
// (every pixel that is not the bitmap's transparent colour) in the highlight
// colour one pixel right and down, then in the shadow colour at (0, 0).
void MakeDisabledGlyph(fw::TBitmap& bitmap);

} // namespace skin

#pragma once
// The two copies every skin painter builds on: a colour-keyed copy (the skin
// bitmaps' magenta shows what lies beneath) and a tiled copy of one part of a
// bitmap.

#include "framework/Color.h"
#include "platform/gdi/GdiTypes.h"

namespace fw {
class TBitmap;
class TCanvas;
} // namespace fw

namespace skin {

// Copies the bitmap 1:1 to rect's top-left corner, rect's size, leaving the
// pixels of the key colour (a system colour is resolved) untouched: one
// MaskBlt through a mask made from the key colour.
void TransparentDraw(win::HDC dc, const win::RECT& rect, const fw::TBitmap& bitmap, fw::TColor key);
// The same from a DC holding a bitmap of `size` at its origin. The mask lives
// in a buffer kept between calls, so drawing on every paint makes no new
// drawing objects.
void TransparentDraw(win::HDC dc, const win::RECT& rect, win::HDC source, win::SIZE size,
                     fw::TColor key);

// Copies source (a part of bitmap) once to a scratch bitmap and draws it
// repeatedly from target's top-left corner, left to right and top to bottom,
// while the position is inside target. The last tile of a row or column is
// drawn whole, past target's edge: nine-slice drawing paints the edges after
// the centre. An empty source draws nothing.
void TileDraw(fw::TCanvas& canvas, const win::RECT& target, const fw::TBitmap& bitmap,
              const win::RECT& source);
// The same from a DC that has the bitmap selected; the tile is copied into a
// buffer kept between calls.
void TileDraw(win::HDC dc, const win::RECT& target, win::HDC bitmapDC, const win::RECT& source);

} // namespace skin

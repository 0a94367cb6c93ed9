#pragma once
// Whole-bitmap pixel transforms that turn one skin image into the variants a
// painter needs: the key colour replaced by a background, left-right mirror,
// upside-down flip and quarter turns. They work on the bitmap's own pixel
// memory, 24 or 32 bits per pixel, and keep its format (ReplaceKeyColor
// excepted, which always leaves 24 bits).

#include "framework/Color.h"

namespace fw {
class TBitmap;
}

namespace skin {

// The skin bitmaps' transparent key colour, magenta.
constexpr fw::TColor kSkinKeyColor = fw::clFuchsia;

// Converts the bitmap to 24 bits per pixel, then replaces every pixel that is
// exactly magenta by `color` (a system colour is resolved).
void ReplaceKeyColor(fw::TBitmap& bitmap, fw::TColor color);
// Reverses the pixels of every row.
void MirrorBitmap(fw::TBitmap& bitmap);
// Reverses the order of the rows.
void FlipBitmap(fw::TBitmap& bitmap);
// A quarter turn counter-clockwise: (x, y) moves to (y, W − 1 − x).
void RotateBitmapLeft(fw::TBitmap& bitmap);
// A quarter turn clockwise: (x, y) moves to (H − 1 − y, x).
void RotateBitmapRight(fw::TBitmap& bitmap);

} // namespace skin

#pragma once
// One state image drawn whole: stretched over a rectangle, or at its own size
// in the rectangle's centre (glyphs on buttons and combo boxes).

#include "platform/gdi/GdiTypes.h"

namespace fw {
class TBitmap;
}

namespace skin {

// Frame I of N side-by-side frames stretched whole to rect (with a fresh
// bitmap's stretch mode), colour-keyed on magenta when transparent.
void DrawSkinFrame(win::HDC dc, const win::RECT& rect, const fw::TBitmap& image, bool transparent,
                   int N, int I);

// Frame I of N at its own size, centred in rect ((size difference) / 2 on
// each axis, truncated toward zero).
void DrawSkinFrameCentered(win::HDC dc, const win::RECT& rect, const fw::TBitmap& image,
                           bool transparent, int N, int I);

} // namespace skin

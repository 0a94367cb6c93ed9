#pragma once
// Nine-slice drawing of one state image of a skin bitmap: the corners keep
// their size, the edges stretch along their length, the centre stretches or
// tiles. Margins are those of a skin object (`r`): left width, top height,
// right width, bottom height, in pixels of one frame.

#include "skin/WinSkinFrames.h"

#include <memory>

namespace fw {
class TBitmap;
}

namespace skin {

// A new bitmap of target's size holding frame I of N of image, nine-sliced.
// A target narrower than left + right margins loses those two margins (the
// same vertically); a non-zero tile tiles the centre instead of stretching
// it. An empty target gives an empty bitmap.
std::unique_ptr<fw::TBitmap> SkinStretchBitmap(const win::RECT& target, const fw::TBitmap& image,
                                               win::RECT margins, TFrameLayout layout, int tile,
                                               int N, int I);

// SkinStretchBitmap drawn at rect, colour-keyed on magenta when transparent,
// else copied; nothing for an empty or inverted rect.
void DrawSkinImage(win::HDC dc, const win::RECT& rect, const fw::TBitmap& image,
                   TFrameLayout layout, int tile, bool transparent, int N, int I,
                   const win::RECT& margins);

} // namespace skin

#pragma once
// Three-slice drawing of one state image: a fixed left part, a middle part
// and a fixed right part across the target, each stretched to the target's
// height. Title plates, menu bars and track bars are drawn this way.

#include "skin/WinSkinFrames.h"

namespace fw {
class TBitmap;
class TCanvas;
} // namespace fw

namespace skin {

// Frame I of N built in a bitmap of rect's size: the left part (margins.left
// wide) at x 0, the middle part repeated at its own width from x =
// margins.left while x is left of the right part, the right part
// (margins.right wide) last at the right edge; then drawn at rect, colour-keyed
// on magenta when transparent.
void DrawSkinBar3(fw::TCanvas& canvas, const win::RECT& rect, const fw::TBitmap& image,
                  TFrameLayout layout, bool transparent, int N, int I, const win::RECT& margins);

// Left part, stretched middle and right part of frame I of N straight into
// the DC with the DC's stretch mode (slices.left and slices.right are the
// fixed widths); a target narrower than one frame gets the whole frame
// stretched instead.
void StretchSkin3(win::HDC dc, const win::RECT& slices, const fw::TBitmap& image,
                  TFrameLayout layout, int N, int I, const win::RECT& target);

} // namespace skin

#pragma once
// Where one state image lies in a skin bitmap: frame I (from 1) of N frames
// side by side, or one above the other for vertical strips. Every drawing
// routine of the skin engine picks its source through this.

#include "platform/gdi/GdiTypes.h"

namespace fw {
class TBitmap;
}

namespace skin {

enum class TFrameLayout { Horizontal, Vertical };

struct TSkinFrame {
    int x0 = 0, y0 = 0; // top-left corner in the bitmap
    int fw = 0, fh = 0; // size of one frame
};

// Frame I of N (width or height div N). An N below 1 counts as one frame, so
// a skin that names no frames draws its whole image instead of dividing by 0.
TSkinFrame SkinFrame(const fw::TBitmap& image, TFrameLayout layout, int N, int I);

} // namespace skin

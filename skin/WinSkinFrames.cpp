#include "skin/WinSkinFrames.h"

#include "framework/gui/Bitmap.h"

namespace skin {

TSkinFrame SkinFrame(const fw::TBitmap& image, TFrameLayout layout, int N, int I) {
    if (N < 1)
        N = 1;
    if (layout == TFrameLayout::Vertical) {
        const int fh = image.Height() / N;
        return {0, (I - 1) * fh, image.Width(), fh};
    }
    const int fw = image.Width() / N;
    return {(I - 1) * fw, 0, fw, image.Height()};
}

} // namespace skin

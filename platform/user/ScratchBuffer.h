#pragma once
// An off-screen drawing buffer kept between paints: a memory DC holding a
// 32-bit bitmap of at least the size asked for, grown as needed. Painting code
// keeps one per purpose for the GUI thread's life (the handle table frees the
// objects at exit), so that an unchanged repaint creates no drawing objects.

#include "platform/gdi/Gdi.h"

#include <algorithm>

namespace win {

class ScratchBuffer {
public:
    // The memory DC, its bitmap at least `size`; the contents are undefined.
    HDC Get(SIZE size) {
        if (memory_ == nullptr)
            memory_ = CreateCompatibleDC(nullptr);
        if (size.cx > capacity_.cx || size.cy > capacity_.cy) {
            capacity_ = SIZE{std::max(size.cx, capacity_.cx), std::max(size.cy, capacity_.cy)};
            const HBITMAP grown = CreateBitmap(capacity_.cx, capacity_.cy, 1, 32, nullptr);
            const HGDIOBJ old = SelectObject(memory_, grown);
            if (bitmap_ != nullptr)
                DeleteObject(old);
            bitmap_ = grown;
        }
        return memory_;
    }

private:
    HDC memory_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    SIZE capacity_{0, 0};
};

} // namespace win

#pragma once
// A bitmap object: pixel memory in 1, 16, 24 or 32 bits per pixel (16-bit ones
// 5-5-5 unless green6 says 5-6-5; only DIB sections have them). Device bitmaps
// (CreateBitmap, CreateCompatibleBitmap) keep rows top-down with the stride
// Windows reports for them; DIB sections keep the layout their BITMAPINFO
// asks for (bottom-up unless the height is negative, rows DWORD-aligned) so the
// caller's bits pointer and drawing share one memory.

#include "platform/gdi/GdiObject.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/PixelView.h"

#include <vector>

namespace win {

class Bitmap : public GdiObject {
public:
    enum class Kind { Device, DibSection };
    enum class Orientation { TopDown, BottomUp };

    Bitmap(int width, int height, int bitsPerPixel, Kind kind,
           Orientation orientation = Orientation::TopDown, bool green6 = false);
    static bool Accepts(DWORD type) { return type == OBJ_BITMAP; }

    int Width() const { return width_; }
    int Height() const { return height_; }
    int BitsPerPixel() const { return bitsPerPixel_; }
    bool Green6() const { return green6_; }
    Kind GetKind() const { return kind_; }
    Orientation GetOrientation() const { return orientation_; }
    bool IsMono() const { return bitsPerPixel_ == 1; }
    std::ptrdiff_t StrideBytes() const { return stride_; }
    // The first byte of memory as a DIB sees it (the bottom row when bottom-up).
    std::uint8_t* Bits() { return reinterpret_cast<std::uint8_t*>(words_.data()); }
    std::size_t SizeBytes() const { return std::size_t(stride_) * std::size_t(height_); }

    PixelView View();
    BITMAP Describe();

    // Which DC has it selected: a bitmap can be in one DC at a time.
    void* selectedInto = nullptr;

private:
    int width_, height_, bitsPerPixel_;
    Kind kind_;
    Orientation orientation_;
    bool green6_;
    std::ptrdiff_t stride_;
    std::vector<std::uint32_t> words_;
};

} // namespace win

#pragma once
// A window onto rows of pixels in one of the formats drawing supports (1, 16,
// 24 or 32 bits per pixel, rows top-down or bottom-up), and row access in the
// common 0x00RRGGBB form. Every drawing routine works on 32-bit rows: a 32-bit
// target hands out its own memory, the others a scratch row converted on the
// way in and out.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace win {

struct Surface;

struct PixelView {
    std::uint8_t* base = nullptr; // row 0 (the top row)
    std::ptrdiff_t stride = 0;    // bytes from one row to the next one down
    int width = 0;
    int height = 0;
    int bitsPerPixel = 32;
    // 16-bit pixels: 5-6-5 (six bits of green), else 5-5-5 with the top bit unused.
    bool green6 = false;

    static PixelView Of(Surface& surface);
    bool IsMono() const { return bitsPerPixel == 1; }
    std::uint8_t* RowBytes(int y) const { return base + std::ptrdiff_t(y) * stride; }
    std::uint32_t* Row32(int y) const { return reinterpret_cast<std::uint32_t*>(RowBytes(y)); }

    std::uint32_t Get(int x, int y) const;
    void Set(int x, int y, std::uint32_t pixel) const;
    void Read(int y, int x, int count, std::uint32_t* out) const;
    void Write(int y, int x, int count, const std::uint32_t* in) const;
};

// A 16-bit pixel (5-6-5 or 5-5-5) to 0x00RRGGBB and back.
std::uint32_t From16(std::uint16_t pixel, bool green6);
std::uint16_t To16(std::uint32_t pixel, bool green6);

// Monochrome targets keep a pixel white when it is nearer white than black.
std::uint32_t QuantizeMono(std::uint32_t pixel);

// Read access to row segments in 32-bit form: a 32-bit view hands out its own
// memory, the others a scratch copy, grown and kept, so repeated drawing
// allocates nothing once warm.
class RowReader {
public:
    explicit RowReader(const PixelView& view) : view_(view) {}
    const std::uint32_t* Read(int y, int x, int count) { return Fetch(y, x, count); }

private:
    friend class RowEditor;
    std::uint32_t* Fetch(int y, int x, int count);

    const PixelView& view_;
    std::vector<std::uint32_t> scratch_;
};

// A 32-bit view of a row segment that is written back when committed.
class RowEditor {
public:
    explicit RowEditor(const PixelView& view) : view_(view), reader_(view) {}
    std::uint32_t* Open(int y, int x, int count);
    void Commit();

private:
    const PixelView& view_;
    RowReader reader_;
    std::uint32_t* row_ = nullptr;
    int y_ = 0, x_ = 0, count_ = 0;
};

} // namespace win

#pragma once
// Decoder of BMP files and packed DIBs: 1, 4, 8, 16, 24 and 32 bits per pixel,
// uncompressed or with bit fields, top-down or bottom-up, with core, info, V4
// and V5 headers. An explicit state machine over a bounds-checked reader: a
// malformed or truncated input gives an empty image and never reads or writes
// outside its buffers.

#include <cstdint>
#include <span>
#include <vector>

namespace win {

struct BmpImage {
    int width = 0;
    int height = 0;
    int bitCount = 0;                  // of the source
    std::vector<std::uint32_t> pixels; // 0x00RRGGBB, rows top-down, no padding

    bool IsEmpty() const { return pixels.empty(); }
};

// A whole BMP file ("BM" header first).
BmpImage DecodeBmp(std::span<const std::uint8_t> file);
// A packed DIB: the info header, colour table and bits, no file header.
BmpImage DecodePackedDib(std::span<const std::uint8_t> dib);

} // namespace win

#pragma once
// Raster operations on 32-bit rows: the ternary operations of blits over
// pattern, source and destination, and the colour conversions they involve.

#include "platform/gdi/Brush.h"
#include "platform/gdi/DeviceContext.h"

#include <cstdint>

namespace win {

constexpr std::uint32_t PixelOf(COLORREF color) {
    return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}
constexpr COLORREF ColorOf(std::uint32_t pixel) {
    return ((pixel & 0xFF) << 16) | (pixel & 0xFF00) | ((pixel >> 16) & 0xFF);
}

// A pattern pixel that leaves the destination alone: the background of a hatch
// brush in TRANSPARENT mode. Real pixels never have top-byte bits.
constexpr std::uint32_t kSkipPixel = 0x01000000;

// The truth-table byte of a ternary raster operation code.
constexpr std::uint8_t RopIndex(DWORD rop) {
    return std::uint8_t((rop >> 16) & 0xFF);
}
// The ternary operation that a binary one (R2_*) is, with the pen as pattern.
std::uint8_t Rop3FromRop2(int rop2);
constexpr bool RopUsesSource(std::uint8_t rop) {
    return ((rop >> 2) & 0x33) != (rop & 0x33);
}
constexpr bool RopUsesPattern(std::uint8_t rop) {
    return ((rop >> 4) & 0x0F) != (rop & 0x0F);
}
constexpr bool RopUsesDest(std::uint8_t rop) {
    return ((rop >> 1) & 0x55) != (rop & 0x55);
}

std::uint32_t Rop3(std::uint8_t rop, std::uint32_t p, std::uint32_t s, std::uint32_t d);
// dest[i] = rop(pattern[i], source[i], dest[i]); a null source or pattern row
// stands for a constant `source` / `pattern` value.
void RopRow(std::uint8_t rop, std::uint32_t* dest, const std::uint32_t* sourceRow,
            std::uint32_t source, const std::uint32_t* patternRow, std::uint32_t pattern, int n);

// The brush's pixels for `n` target pixels from (x, y), in the DC's colours.
// Returns false when the brush paints one colour, written to `solid`.
bool BrushRow(const DeviceContext& dc, const Brush& brush, int x, int y, int n, std::uint32_t* out,
              std::uint32_t& solid);

// Converts source pixels between a monochrome and a colour DC as Windows does:
// colour to mono makes the source DC's background colour white and the rest
// black; mono to colour makes black the destination's text colour and white
// its background colour.
void ConvertRow(const DeviceContext& src, const DeviceContext& dest, std::uint32_t* row, int n);
bool NeedsConversion(const DeviceContext& src, const DeviceContext& dest);

// Paints `area` (target coordinates, clipped here) with a brush and raster
// operation; a null brush paints nothing.
void PaintRegion(DeviceContext& dc, const Region& area, Brush& brush, std::uint8_t rop);

Brush* LookupBrush(const DeviceContext& dc, HBRUSH handle);
Pen* LookupPen(const DeviceContext& dc);
std::uint32_t PenPixel(const DeviceContext& dc, const Pen& pen);

} // namespace win

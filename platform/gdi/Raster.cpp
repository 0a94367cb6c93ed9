#include "platform/gdi/Raster.h"

#include <algorithm>
#include <cstring>

namespace win {

std::uint8_t Rop3FromRop2(int rop2) {
    const int table = (rop2 - 1) & 0x0F;
    std::uint8_t rop = 0;
    for (int i = 0; i < 8; ++i) {
        const int p = (i >> 2) & 1, d = i & 1;
        if ((table >> (p * 2 + d)) & 1)
            rop |= std::uint8_t(1 << i);
    }
    return rop;
}

std::uint32_t Rop3(std::uint8_t rop, std::uint32_t p, std::uint32_t s, std::uint32_t d) {
    switch (rop) {
    case 0x00:
        return 0;
    case 0xFF:
        return 0xFFFFFF;
    case 0xCC:
        return s;
    case 0xAA:
        return d;
    case 0xF0:
        return p;
    case 0x88:
        return s & d;
    case 0xEE:
        return s | d;
    case 0x66:
        return (s ^ d) & 0xFFFFFF;
    case 0x55:
        return ~d & 0xFFFFFF;
    case 0x33:
        return ~s & 0xFFFFFF;
    case 0x5A:
        return (p ^ d) & 0xFFFFFF;
    case 0xC0:
        return p & s;
    case 0xBB:
        return (~s | d) & 0xFFFFFF;
    case 0x44:
        return s & ~d & 0xFFFFFF;
    case 0x11:
        return ~(s | d) & 0xFFFFFF;
    case 0xB8: // where the source is white keep the destination, else take the pattern
        return ((s & d) | (~s & p)) & 0xFFFFFF;
    case 0xE2: // where the source is white take the pattern, else keep the destination
        return ((s & p) | (~s & d)) & 0xFFFFFF;
    default: {
        std::uint32_t result = 0;
        for (int i = 0; i < 8; ++i) {
            if (!((rop >> i) & 1))
                continue;
            const std::uint32_t tp = (i & 4) ? p : ~p;
            const std::uint32_t ts = (i & 2) ? s : ~s;
            const std::uint32_t td = (i & 1) ? d : ~d;
            result |= tp & ts & td;
        }
        return result & 0xFFFFFF;
    }
    }
}

void RopRow(std::uint8_t rop, std::uint32_t* dest, const std::uint32_t* sourceRow,
            std::uint32_t source, const std::uint32_t* patternRow, std::uint32_t pattern, int n) {
    if (rop == 0xCC && sourceRow) {
        std::memmove(dest, sourceRow, std::size_t(n) * 4);
        return;
    }
    if (rop == 0xF0 && !patternRow) {
        std::fill(dest, dest + n, pattern);
        return;
    }
    if (rop == 0xAA)
        return;
    for (int i = 0; i < n; ++i) {
        const std::uint32_t s = sourceRow ? sourceRow[i] : source;
        const std::uint32_t p = patternRow ? patternRow[i] : pattern;
        if (!(p & kSkipPixel))
            dest[i] = Rop3(rop, p, s, dest[i]);
    }
}

Brush* LookupBrush(const DeviceContext&, HBRUSH handle) {
    return GdiHandleTable::Instance().FindAs<Brush>(handle);
}

Pen* LookupPen(const DeviceContext& dc) {
    return GdiHandleTable::Instance().FindAs<Pen>(dc.state.pen);
}

std::uint32_t PenPixel(const DeviceContext& dc, const Pen& pen) {
    return PixelOf(pen.isDcPen ? dc.state.dcPenColor : pen.Color());
}

bool BrushRow(const DeviceContext& dc, const Brush& brush, int x, int y, int n, std::uint32_t* out,
              std::uint32_t& solid) {
    switch (brush.GetStyle()) {
    case Brush::Style::Solid:
    case Brush::Style::Null:
        solid = PixelOf(brush.Color());
        return false;
    case Brush::Style::DcBrush:
        solid = PixelOf(dc.state.dcBrushColor);
        return false;
    default:
        break;
    }
    // Patterns are anchored to device space and the brush origin.
    const int dx = x - dc.DeviceOrigin().x - dc.state.brushOrg.x;
    const int dy = y - dc.DeviceOrigin().y - dc.state.brushOrg.y;
    if (brush.GetStyle() == Brush::Style::Hatched) {
        // A hatch's background shows only in OPAQUE mode.
        const std::uint32_t fore = PixelOf(brush.Color());
        const std::uint32_t back =
            dc.state.bkMode == TRANSPARENT ? kSkipPixel : PixelOf(dc.state.bkColor);
        for (int i = 0; i < n; ++i)
            out[i] = brush.HatchBit(dx + i, dy) ? fore : back;
        return true;
    }
    const std::uint32_t text = PixelOf(dc.state.textColor);
    const std::uint32_t back = PixelOf(dc.state.bkColor);
    const bool recolor = brush.IsMonoPattern() && !dc.TargetIsMono();
    for (int i = 0; i < n; ++i) {
        const std::uint32_t pixel = brush.PatternPixel(dx + i, dy);
        out[i] = recolor ? (pixel ? back : text) : pixel;
    }
    return true;
}

bool NeedsConversion(const DeviceContext& src, const DeviceContext& dest) {
    return src.TargetIsMono() != dest.TargetIsMono();
}

void ConvertRow(const DeviceContext& src, const DeviceContext& dest, std::uint32_t* row, int n) {
    if (src.TargetIsMono()) {
        const std::uint32_t text = PixelOf(dest.state.textColor);
        const std::uint32_t back = PixelOf(dest.state.bkColor);
        for (int i = 0; i < n; ++i)
            row[i] = row[i] ? back : text;
    } else {
        const std::uint32_t key = PixelOf(src.state.bkColor);
        for (int i = 0; i < n; ++i)
            row[i] = row[i] == key ? 0xFFFFFF : 0;
    }
}

} // namespace win

#pragma once
// A 32-bit pixel surface: the memory every top-level window and every memory
// bitmap draws into. Pixels are 0x00RRGGBB words (B, G, R, X in memory), rows
// top-down, `width` pixels per row with no padding.

#include "platform/kernel/WinTypes.h"

#include <cstdint>
#include <vector>

namespace win {

WIN_DECLARE_HANDLE(HDC);
WIN_DECLARE_HANDLE(HRGN);

struct Surface {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    Surface() = default;
    Surface(int w, int h) : width(w), height(h), pixels(std::size_t(w) * std::size_t(h)) {}
    std::uint32_t* Row(int y) { return pixels.data() + std::size_t(y) * std::size_t(width); }
    const std::uint32_t* Row(int y) const {
        return pixels.data() + std::size_t(y) * std::size_t(width);
    }
};

// A device context over a surface owned by the caller, as the window manager
// hands out for a window: `deviceOrigin` is where the DC's device point (0, 0)
// lies on the surface (a child window's client origin, say); `visibleRegion`, in
// surface coordinates, is the system clip (the window's visible part) that every
// drawing call is limited to on top of any clip region the caller selects. The
// region is copied; nullptr means the whole surface. Free with DeleteDC.
HDC CreateSurfaceDC(Surface& surface, POINT deviceOrigin, HRGN visibleRegion);

} // namespace win

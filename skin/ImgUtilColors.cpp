#include "skin/ImgUtilColors.h"

#include "framework/gui/GraphicsColor.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace skin {

namespace {

std::array<int, 3> Channels(std::uint32_t color) {
    return {int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF)};
}

} // namespace

fw::TColor BlendColors(fw::TColor a, fw::TColor b, int w) {
    const int d = w < 100 ? 100 : 1000;
    const std::array<int, 3> ca = Channels(fw::ColorToRGB(a));
    const std::array<int, 3> cb = Channels(fw::ColorToRGB(b));
    std::uint32_t result = 0;
    for (int i = 0; i < 3; ++i) {
        const int channel = (w * ca[i] + (d - w) * cb[i] + d / 2) / d;
        result |= std::uint32_t(channel & 0xFF) << (8 * i);
    }
    return static_cast<fw::TColor>(result);
}

int ColorSaturation(fw::TColor color) {
    const std::array<int, 3> c = Channels(static_cast<std::uint32_t>(color));
    if (std::all_of(c.begin(), c.end(), [](int channel) { return channel < 160; }))
        return 200;
    const int mx = *std::max_element(c.begin(), c.end());
    const int mn = *std::min_element(c.begin(), c.end());
    const int numerator = 255 * (mx - mn);
    const int quotient = numerator / mx;
    const int twiceRemainder = 2 * (numerator % mx);
    if (twiceRemainder > mx || (twiceRemainder == mx && quotient % 2 == 1))
        return quotient + 1;
    return quotient;
}

} // namespace skin

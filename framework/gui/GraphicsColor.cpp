#include "framework/gui/GraphicsColor.h"

#include "platform/gdi/SystemMetrics.h"

namespace fw {

win::COLORREF ColorToRGB(TColor color) {
    const auto value = static_cast<std::uint32_t>(color);
    if ((value & 0xFF000000u) == 0xFF000000u)
        return win::GetSysColor(static_cast<int>(value & 0xFF));
    return value & 0x00FFFFFFu;
}

} // namespace fw

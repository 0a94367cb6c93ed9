#pragma once
// A framework colour as the device needs it: system colours resolved.

#include "framework/Color.h"
#include "platform/gdi/Gdi.h"

namespace fw {

win::COLORREF ColorToRGB(TColor color);

} // namespace fw

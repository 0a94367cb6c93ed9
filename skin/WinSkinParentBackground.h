#pragma once
// What lies behind a control: its parent's background and paint drawn into a
// DC at the control's place, so skinned controls with transparent parts show
// their parent through them.

#include "platform/gdi/GdiTypes.h"

namespace fw {
class TControl;
}

namespace skin {

// With the DC's origin moved to the control's top-left corner in its parent
// and the DC clipped to the control's client area, sends the parent
// WM_ERASEBKGND and WM_PAINT with the DC. Nothing for a control without a
// parent. At design time a failing parent paint is ignored.
void DrawParentBackground(fw::TControl& control, win::HDC dc);

} // namespace skin

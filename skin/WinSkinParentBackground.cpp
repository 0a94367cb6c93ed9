#include "skin/WinSkinParentBackground.h"

#include "framework/gui/WinControl.h"
#include "platform/gdi/Gdi.h"

namespace skin {

namespace {

void SendToParent(fw::TWinControl& parent, win::UINT msg, win::HDC dc, bool designing) {
    const auto wParam = reinterpret_cast<win::WPARAM>(dc);
    if (!designing) {
        parent.Perform(msg, wParam);
        return;
    }
    try {
        parent.Perform(msg, wParam);
    } catch (...) {
        // A parent half-built in the designer must not stop its children painting.
    }
}

} // namespace

void DrawParentBackground(fw::TControl& control, win::HDC dc) {
    fw::TWinControl* parent = control.Parent();
    if (!parent)
        return;
    const bool designing = control.ComponentState().Contains(fw::TComponentStateItem::csDesigning);
    const int saved = win::SaveDC(dc);
    win::POINT origin;
    win::GetViewportOrgEx(dc, &origin);
    win::SetViewportOrgEx(dc, origin.x - control.Left(), origin.y - control.Top(), nullptr);
    const win::RECT client = control.ClientRect();
    win::IntersectClipRect(dc, control.Left() + client.left, control.Top() + client.top,
                           control.Left() + client.right, control.Top() + client.bottom);
    SendToParent(*parent, win::WM_ERASEBKGND, dc, designing);
    SendToParent(*parent, win::WM_PAINT, dc, designing);
    win::RestoreDC(dc, saved);
}

} // namespace skin

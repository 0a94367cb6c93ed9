// Window regions and scrolling of window contents.

#include "platform/user/Desktop.h"
#include "platform/user/Painting.h"
#include "platform/user/Rects.h"
#include "platform/user/WinUser.h"
#include "platform/user/WindowTree.h"

#include <vector>

namespace win {

int SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw) {
    Desktop& desktop = Desktop::Get();
    Window* w = desktop.Find(hwnd);
    if (w == nullptr)
        return 0;
    w->windowRegion.Reset(region);
    if (desktop.IsTopLevel(*w))
        desktop.Display().TopLevelShapeChanged(hwnd);
    if (redraw) {
        RedrawWindow(hwnd, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        if (!desktop.IsTopLevel(*w))
            RedrawWindow(w->parent->handle, &w->rect, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
    return 1;
}

int GetWindowRgn(HWND hwnd, HRGN region) {
    const Window* w = Desktop::Get().Find(hwnd);
    if (w == nullptr || region == nullptr || !w->windowRegion)
        return RGN_ERROR;
    return CombineRgn(region, w->windowRegion.Get(), nullptr, RGN_COPY);
}

// The contents are not moved pixel by pixel: the whole scrolled area is
// invalidated and repainted at its new place, which gives the same picture.
int ScrollWindowEx(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN update,
                   RECT* updateRect, UINT flags) {
    const Window* w = Desktop::Get().Find(hwnd);
    if (w == nullptr)
        return RGN_ERROR;
    RECT area{0, 0, RectWidth(w->client), RectHeight(w->client)};
    if (scroll != nullptr)
        IntersectRect(&area, &area, scroll);
    if (clip != nullptr)
        IntersectRect(&area, &area, clip);
    if (flags & SW_SCROLLCHILDREN) {
        std::vector<HWND> children;
        for (const Window* child : w->children)
            children.push_back(child->handle);
        for (HWND child : children) {
            const Window* c = Desktop::Get().Find(child);
            if (c == nullptr)
                continue;
            if (scroll == nullptr || Contains(*scroll, POINT{c->rect.left, c->rect.top}))
                SetWindowPos(child, nullptr, c->rect.left + dx, c->rect.top + dy, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    if (update != nullptr)
        SetRectRgn(update, area.left, area.top, area.right, area.bottom);
    if (updateRect != nullptr)
        *updateRect = area;
    if (flags & SW_INVALIDATE)
        RedrawWindow(hwnd, &area, nullptr,
                     RDW_INVALIDATE | ((flags & SW_ERASE) ? RDW_ERASE : 0) |
                         ((flags & SW_SCROLLCHILDREN) ? RDW_ALLCHILDREN : 0));
    return IsRectEmpty(&area) ? NULLREGION : SIMPLEREGION;
}

BOOL ScrollWindow(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip) {
    return ScrollWindowEx(hwnd, dx, dy, scroll, clip, nullptr, nullptr,
                          SW_INVALIDATE | SW_ERASE | (scroll == nullptr ? SW_SCROLLCHILDREN : 0)) !=
           RGN_ERROR;
}

} // namespace win

// Window regions and scrolling of window contents.

#include "platform/user/Desktop.h"
#include "platform/user/PaintInternals.h"
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

namespace {

// Children touching the scrolled area move with it; their pixels moved already.
void MoveChildren(Window& w, const RECT& area, int dx, int dy) {
    std::vector<HWND> children;
    for (const Window* child : w.children) {
        RECT overlap;
        if (IntersectRect(&overlap, &child->rect, &area))
            children.push_back(child->handle);
    }
    for (HWND child : children)
        if (const Window* c = Desktop::Get().Find(child))
            SetWindowPos(child, nullptr, c->rect.left + dx, c->rect.top + dy, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

} // namespace

// The pixels move on the surface; only what they uncover (or what could not be
// moved because its source was hidden) is invalid, and any part already
// waiting to be painted moves along.
int ScrollWindowEx(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN update,
                   RECT* updateRect, UINT flags) {
    Window* w = Desktop::Get().Find(hwnd);
    if (w == nullptr)
        return RGN_ERROR;
    const RECT client{0, 0, RectWidth(w->client), RectHeight(w->client)};
    RECT area = client;
    if (scroll != nullptr)
        IntersectRect(&area, &area, scroll);
    RECT clipArea = client;
    if (clip != nullptr)
        IntersectRect(&clipArea, &clipArea, clip);
    const bool withChildren = (flags & SW_SCROLLCHILDREN) != 0;
    const OwnedRegion moved = ScrollClientPixels(*w, area, clipArea, POINT{dx, dy}, withChildren);
    OwnedRegion invalid = OwnedRegion::Rect(area);
    invalid.Combine(Offset(area, dx, dy), RGN_OR);
    invalid.Combine(clipArea, RGN_AND);
    invalid.Combine(moved.Get(), RGN_DIFF);
    OwnedRegion pending = OwnedRegion::Empty();
    if (GetUpdateRgn(hwnd, pending.Get(), FALSE) > NULLREGION) {
        pending.Combine(area, RGN_AND);
        OffsetRgn(pending.Get(), dx, dy);
        pending.Combine(clipArea, RGN_AND);
        invalid.Combine(pending.Get(), RGN_OR);
    }
    if (withChildren)
        MoveChildren(*w, area, dx, dy);
    if (update != nullptr)
        CombineRgn(update, invalid.Get(), nullptr, RGN_COPY);
    if (updateRect != nullptr)
        *updateRect = invalid.Box();
    if ((flags & SW_INVALIDATE) && IsWindow(hwnd))
        RedrawWindow(hwnd, nullptr, invalid.Get(),
                     RDW_INVALIDATE | ((flags & SW_ERASE) ? RDW_ERASE : 0) |
                         (withChildren ? RDW_ALLCHILDREN : 0));
    RECT box;
    return GetRgnBox(invalid.Get(), &box);
}

BOOL ScrollWindow(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip) {
    return ScrollWindowEx(hwnd, dx, dy, scroll, clip, nullptr, nullptr,
                          SW_INVALIDATE | SW_ERASE | (scroll == nullptr ? SW_SCROLLCHILDREN : 0)) !=
           RGN_ERROR;
}

} // namespace win

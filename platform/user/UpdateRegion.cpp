// Update regions: invalidation, validation, RedrawWindow and UpdateWindow, and
// finding the next window that needs WM_PAINT.

#include "platform/user/Desktop.h"
#include "platform/user/Dispatch.h"
#include "platform/user/PaintInternals.h"
#include "platform/user/Painting.h"
#include "platform/user/Rects.h"
#include "platform/user/WinUser.h"
#include "platform/user/WindowTree.h"

#include <vector>

namespace win {

namespace {

Window* Find(HWND hwnd) {
    return Desktop::Get().Find(hwnd);
}

RECT WholeWindow(const Window& w) {
    return RECT{0, 0, RectWidth(w.rect), RectHeight(w.rect)};
}

// The area a call names, in window coordinates: a client rectangle or region,
// or the client area (the whole window with RDW_FRAME).
OwnedRegion AreaOf(const Window& w, const RECT* rect, HRGN region, UINT flags) {
    OwnedRegion area;
    if (region != nullptr) {
        area = OwnedRegion::CopyOf(region);
        OffsetRgn(area.Get(), w.client.left, w.client.top);
    } else if (rect != nullptr) {
        area = OwnedRegion::Rect(Offset(*rect, w.client.left, w.client.top));
    } else {
        area = OwnedRegion::Rect((flags & RDW_FRAME) ? WholeWindow(w) : w.client);
    }
    area.Combine(WholeWindow(w), RGN_AND);
    return area;
}

void Invalidate(Window& w, HRGN area, UINT flags) {
    if (!w.updateRegion)
        w.updateRegion = OwnedRegion::Empty();
    w.updateRegion.Combine(area, RGN_OR);
    if (flags & RDW_ERASE)
        w.eraseNeeded = true;
    if (flags & RDW_FRAME) {
        // Any part of the area's bounds outside the client rectangle is frame.
        RECT box;
        RECT inside;
        GetRgnBox(area, &box);
        if (!IsRectEmpty(&box) && (!IntersectRect(&inside, &box, &w.client) || !(inside == box)))
            w.frameNeeded = true;
    }
    if (w.updateRegion.IsEmpty())
        w.updateRegion.Reset();
}

void Validate(Window& w, HRGN area, UINT flags) {
    if (w.updateRegion) {
        w.updateRegion.Combine(area, RGN_DIFF);
        if (w.updateRegion.IsEmpty()) {
            w.updateRegion.Reset();
            w.eraseNeeded = false;
        }
    }
    if (flags & RDW_NOFRAME)
        w.frameNeeded = false;
    if (flags & RDW_NOERASE)
        w.eraseNeeded = false;
    if (flags & RDW_NOINTERNALPAINT)
        w.internalPaint = false;
    if (!w.updateRegion)
        w.frameNeeded = false;
}

bool ChildrenIncluded(const Window& w, UINT flags) {
    if (flags & RDW_ALLCHILDREN)
        return true;
    if (flags & RDW_NOCHILDREN)
        return false;
    return !(w.style & WS_CLIPCHILDREN);
}

// Applies the change to `w` and, where the flags say so, to its children, with
// the area moved into each child's window coordinates.
void ApplyToTree(Window& w, HRGN area, UINT flags) {
    if (!IsShown(w))
        return;
    if (flags & RDW_INVALIDATE)
        Invalidate(w, area, flags);
    if (flags & RDW_VALIDATE)
        Validate(w, area, flags);
    if (flags & RDW_INTERNALPAINT)
        w.internalPaint = true;
    if (!ChildrenIncluded(w, flags))
        return;
    for (Window* child : w.children) {
        OwnedRegion childArea = OwnedRegion::CopyOf(area);
        OffsetRgn(childArea.Get(), -(w.client.left + child->rect.left),
                  -(w.client.top + child->rect.top));
        childArea.Combine(WholeWindow(*child), RGN_AND);
        if (!childArea.IsEmpty())
            ApplyToTree(*child, childArea.Get(),
                        (flags & RDW_VALIDATE) ? flags : flags | RDW_FRAME);
    }
}

bool NeedsPaint(const Window& w) {
    return IsShown(w) && (w.updateRegion || w.internalPaint);
}

HWND FirstNeedingPaint(const Window& w) {
    if (NeedsPaint(w))
        return w.handle;
    if (!w.IsVisible())
        return nullptr;
    for (const Window* child : w.children)
        if (HWND found = FirstNeedingPaint(*child))
            return found;
    return nullptr;
}

// WM_NCPAINT and WM_ERASEBKGND now, without WM_PAINT (RDW_ERASENOW).
void EraseNow(HWND hwnd) {
    const Window* w = Find(hwnd);
    if (w == nullptr || !(w->frameNeeded || w->eraseNeeded))
        return;
    PAINTSTRUCT paint;
    // BeginPaint sends both; the client update stays for WM_PAINT.
    OwnedRegion keep = OwnedRegion::CopyOf(w->updateRegion.Get());
    const bool internal = w->internalPaint;
    if (BeginPaint(hwnd, &paint) != nullptr)
        EndPaint(hwnd, &paint);
    if (Window* again = Find(hwnd); again != nullptr && !keep.IsEmpty()) {
        OwnedRegion client = OwnedRegion::Rect(again->client);
        client.Combine(keep.Get(), RGN_AND);
        if (!client.IsEmpty())
            again->updateRegion = std::move(client);
        again->internalPaint = internal;
    }
}

void UpdateTree(HWND hwnd, bool eraseOnly, bool children) {
    if (eraseOnly)
        EraseNow(hwnd);
    else if (const Window* w = Find(hwnd); w != nullptr && NeedsPaint(*w))
        Send(hwnd, WM_PAINT);
    if (!children)
        return;
    const Window* w = Find(hwnd);
    if (w == nullptr)
        return;
    // Handles are taken first, as painting may change the tree; one stack shared
    // by every level (a paint may nest another update) saves a list per window.
    static std::vector<HWND> pending;
    const std::size_t first = pending.size();
    for (const Window* child : w->children)
        pending.push_back(child->handle);
    const std::size_t end = pending.size();
    for (std::size_t i = first; i < end; ++i)
        UpdateTree(pending[i], eraseOnly, true);
    pending.resize(first);
}

} // namespace

BOOL RedrawWindow(HWND hwnd, const RECT* rect, HRGN region, UINT flags) {
    Window* w = hwnd == nullptr ? &Desktop::Get().Root() : Find(hwnd);
    if (w == nullptr)
        return FALSE;
    if (flags & (RDW_INVALIDATE | RDW_VALIDATE | RDW_INTERNALPAINT | RDW_NOINTERNALPAINT)) {
        OwnedRegion area = AreaOf(*w, rect, region, flags);
        if (Desktop::Get().IsRoot(*w)) {
            // The desktop is not painted: the change goes to the top-level windows.
            for (Window* top : w->children) {
                OwnedRegion topArea = OwnedRegion::CopyOf(area.Get());
                OffsetRgn(topArea.Get(), -top->rect.left, -top->rect.top);
                ApplyToTree(*top, topArea.Get(), flags | RDW_FRAME);
            }
        } else {
            ApplyToTree(*w, area.Get(), flags);
        }
    }
    if (flags & (RDW_UPDATENOW | RDW_ERASENOW))
        UpdateTree(w->handle, !(flags & RDW_UPDATENOW),
                   (flags & RDW_ALLCHILDREN) || !(flags & RDW_NOCHILDREN));
    return TRUE;
}

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
    return RedrawWindow(hwnd, rect, nullptr, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL InvalidateRgn(HWND hwnd, HRGN region, BOOL erase) {
    if (region == nullptr)
        return InvalidateRect(hwnd, nullptr, erase);
    return RedrawWindow(hwnd, nullptr, region, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL ValidateRect(HWND hwnd, const RECT* rect) {
    return RedrawWindow(hwnd, rect, nullptr, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL ValidateRgn(HWND hwnd, HRGN region) {
    if (region == nullptr)
        return ValidateRect(hwnd, nullptr);
    return RedrawWindow(hwnd, nullptr, region, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL UpdateWindow(HWND hwnd) {
    return RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

int GetUpdateRgn(HWND hwnd, HRGN region, BOOL erase) {
    Window* w = Find(hwnd);
    if (w == nullptr || region == nullptr)
        return RGN_ERROR;
    if (erase)
        EraseNow(hwnd);
    if ((w = Find(hwnd)) == nullptr)
        return RGN_ERROR;
    OwnedRegion client = OwnedRegion::Rect(w->client);
    if (w->updateRegion)
        client.Combine(w->updateRegion.Get(), RGN_AND);
    else
        client.Reset(CreateRectRgn(0, 0, 0, 0));
    OffsetRgn(client.Get(), -w->client.left, -w->client.top);
    return CombineRgn(region, client.Get(), nullptr, RGN_COPY);
}

BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL erase) {
    OwnedRegion region = OwnedRegion::Empty();
    const int kind = GetUpdateRgn(hwnd, region.Get(), erase);
    if (rect != nullptr)
        *rect = region.Box();
    return kind != RGN_ERROR && kind != NULLREGION ? TRUE : FALSE;
}

HWND FindWindowToPaint(HWND filter) {
    if (filter != nullptr) {
        const Window* w = Find(filter);
        return w != nullptr && NeedsPaint(*w) ? filter : nullptr;
    }
    for (const Window* top : Desktop::Get().Root().children)
        if (HWND found = FirstNeedingPaint(*top))
            return found;
    return nullptr;
}

} // namespace win

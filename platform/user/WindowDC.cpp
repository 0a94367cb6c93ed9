// Device contexts of windows: each draws into its top-level window's surface
// with the window's origin and a visible region computed from the tree
// (ancestors' client areas, siblings above with WS_CLIPSIBLINGS, children with
// WS_CLIPCHILDREN, window regions). BeginPaint/EndPaint, and presentation.

#include "platform/user/BackendSupport.h"
#include "platform/user/Desktop.h"
#include "platform/user/Dispatch.h"
#include "platform/user/PaintInternals.h"
#include "platform/user/Painting.h"
#include "platform/user/Rects.h"
#include "platform/user/WinUser.h"
#include "platform/user/WindowInternals.h"
#include "platform/user/WindowTree.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace win {

namespace {

struct WindowDCRecord {
    HDC hdc = nullptr;
    HWND hwnd = nullptr;
    HWND top = nullptr;
    RECT drawable; // surface coordinates
};

std::vector<WindowDCRecord>& OpenDCs() {
    static std::vector<WindowDCRecord> records;
    return records;
}

Window* Find(HWND hwnd) {
    return Desktop::Get().Find(hwnd);
}

RECT SurfaceRectOf(const Window& w, const RECT& local) {
    const POINT origin = SurfaceOrigin(w);
    return Offset(local, origin.x, origin.y);
}

RECT WholeWindow(const Window& w) {
    return RECT{0, 0, RectWidth(w.rect), RectHeight(w.rect)};
}

void IntersectWindowRegion(OwnedRegion& region, const Window& w) {
    if (!w.windowRegion)
        return;
    OwnedRegion shape = OwnedRegion::CopyOf(w.windowRegion.Get());
    const POINT origin = SurfaceOrigin(w);
    OffsetRgn(shape.Get(), origin.x, origin.y);
    region.Combine(shape.Get(), RGN_AND);
}

// Only windows that overlap the region's bounds can take anything from it:
// testing rectangles first keeps clipping by siblings and children from
// building a region per window.
void ExcludeWindow(OwnedRegion& region, const RECT& bounds, const Window& w) {
    const RECT area = SurfaceRectOf(w, WholeWindow(w));
    RECT overlap;
    if (!IntersectRect(&overlap, &area, &bounds))
        return;
    if (!w.windowRegion) {
        region.Combine(area, RGN_DIFF);
        return;
    }
    OwnedRegion shape = OwnedRegion::Rect(area);
    IntersectWindowRegion(shape, w);
    region.Combine(shape.Get(), RGN_DIFF);
}

void ExcludeSiblingsAbove(OwnedRegion& region, const RECT& bounds, const Window& w) {
    for (const Window* sibling : w.parent->children) {
        if (sibling == &w)
            return;
        if (sibling->IsVisible())
            ExcludeWindow(region, bounds, *sibling);
    }
}

enum class ChildPixels { ByStyle, Clip, Keep };

OwnedRegion VisibleRegion(Window& w, DWORD flags, ChildPixels children = ChildPixels::ByStyle) {
    Desktop& desktop = Desktop::Get();
    if (!IsShown(w))
        return OwnedRegion::Empty();
    const bool windowArea = (flags & DCX_WINDOW) != 0;
    const RECT bounds = SurfaceRectOf(w, windowArea ? WholeWindow(w) : w.client);
    OwnedRegion region = OwnedRegion::Rect(bounds);
    IntersectWindowRegion(region, w);
    const Window& top = desktop.TopLevelOf(w);
    for (const Window* c = &w; c != &top; c = c->parent) {
        const bool clipSiblings =
            (c->style & WS_CLIPSIBLINGS) || (c == &w && (flags & DCX_CLIPSIBLINGS));
        if (clipSiblings)
            ExcludeSiblingsAbove(region, bounds, *c);
        region.Combine(SurfaceRectOf(*c->parent, c->parent->client), RGN_AND);
        IntersectWindowRegion(region, *c->parent);
    }
    const bool clipChildren = children == ChildPixels::Clip ||
                              (children == ChildPixels::ByStyle &&
                               ((w.style & WS_CLIPCHILDREN) || (flags & DCX_CLIPCHILDREN)));
    if (clipChildren)
        for (const Window* child : w.children)
            if (child->IsVisible())
                ExcludeWindow(region, bounds, *child);
    return region;
}

// Regions handed to GetDCEx are in screen coordinates. The region 1 of a
// whole-frame WM_NCPAINT, passed on as is, stands for no limit.
void ApplyCallerRegion(OwnedRegion& region, const Window& w, HRGN clip, DWORD flags) {
    if (reinterpret_cast<std::uintptr_t>(clip) <= 1 ||
        !(flags & (DCX_INTERSECTRGN | DCX_EXCLUDERGN)))
        return;
    const POINT topOrigin = WindowScreenOrigin(Desktop::Get().TopLevelOf(const_cast<Window&>(w)));
    OwnedRegion local = OwnedRegion::CopyOf(clip);
    OffsetRgn(local.Get(), -topOrigin.x, -topOrigin.y);
    region.Combine(local.Get(), (flags & DCX_INTERSECTRGN) ? RGN_AND : RGN_DIFF);
}

HDC OpenDC(Window& w, OwnedRegion visible, DWORD flags) {
    Window& top = Desktop::Get().TopLevelOf(w);
    if (!top.surface)
        CreateTopLevelSurface(top);
    const POINT origin = SurfaceOrigin(w);
    const POINT deviceOrigin =
        (flags & DCX_WINDOW) ? origin : POINT{origin.x + w.client.left, origin.y + w.client.top};
    const HDC hdc = CreateSurfaceDC(*top.surface, deviceOrigin, visible.Get());
    if (hdc != nullptr)
        OpenDCs().push_back(WindowDCRecord{hdc, w.handle, top.handle, visible.Box()});
    return hdc;
}

// WM_NCPAINT carries the region 1 when the whole window is invalid (just shown,
// sized, its frame changed), as on Windows; else the update region on screen.
void SendNonClientPaint(const Window& w, HRGN update) {
    RECT box;
    if (GetRgnBox(update, &box) == SIMPLEREGION && box == WholeWindow(w)) {
        Send(w.handle, WM_NCPAINT, 1, 0);
        return;
    }
    OwnedRegion screen = OwnedRegion::CopyOf(update);
    const POINT origin = WindowScreenOrigin(w);
    OffsetRgn(screen.Get(), origin.x, origin.y);
    Send(w.handle, WM_NCPAINT, reinterpret_cast<WPARAM>(screen.Get()), 0);
}

void MarkForPresentation(Window& top, const RECT& changed) {
    RECT merged;
    UnionRect(&merged, &top.presentPending, &changed);
    top.presentPending = merged;
}

// Copies the pixels of `target` (surface coordinates) from `offset` away,
// through a copy of their source, as source and destination may overlap.
void MoveSurfacePixels(Window& top, HRGN target, POINT offset) {
    RECT box;
    GetRgnBox(target, &box);
    const int width = RectWidth(box);
    const int height = RectHeight(box);
    const HDC source = CreateSurfaceDC(*top.surface, POINT{0, 0}, nullptr);
    const HDC copy = CreateCompatibleDC(nullptr);
    const HBITMAP bitmap = CreateBitmap(width, height, 1, 32, nullptr);
    const HGDIOBJ old = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, width, height, source, box.left - offset.x, box.top - offset.y, SRCCOPY);
    const HDC destination = CreateSurfaceDC(*top.surface, POINT{0, 0}, target);
    BitBlt(destination, box.left, box.top, width, height, copy, 0, 0, SRCCOPY);
    DeleteDC(destination);
    SelectObject(copy, old);
    DeleteObject(bitmap);
    DeleteDC(copy);
    DeleteDC(source);
    MarkForPresentation(top, box);
}

} // namespace

OwnedRegion ScrollClientPixels(Window& w, const RECT& area, const RECT& clipArea, POINT offset,
                               bool withChildren) {
    Window& top = Desktop::Get().TopLevelOf(w);
    if (!top.surface)
        return OwnedRegion::Empty();
    const POINT surface = SurfaceOrigin(w);
    const POINT client{surface.x + w.client.left, surface.y + w.client.top};
    const OwnedRegion visible =
        VisibleRegion(w, 0, withChildren ? ChildPixels::Keep : ChildPixels::Clip);
    OwnedRegion target = OwnedRegion::CopyOf(visible.Get());
    target.Combine(Offset(area, client.x, client.y), RGN_AND);
    OffsetRgn(target.Get(), offset.x, offset.y);
    target.Combine(visible.Get(), RGN_AND);
    target.Combine(Offset(clipArea, client.x, client.y), RGN_AND);
    if (!target.IsEmpty())
        MoveSurfacePixels(top, target.Get(), offset);
    OffsetRgn(target.Get(), -client.x, -client.y);
    return target;
}

HDC GetDCEx(HWND hwnd, HRGN clip, DWORD flags) {
    Window* w = hwnd == nullptr ? nullptr : Find(hwnd);
    if (w == nullptr || Desktop::Get().IsRoot(*w))
        return nullptr;
    OwnedRegion visible = VisibleRegion(*w, flags);
    ApplyCallerRegion(visible, *w, clip, flags);
    return OpenDC(*w, std::move(visible), flags);
}

HDC GetDC(HWND hwnd) {
    return GetDCEx(hwnd, nullptr, DCX_USESTYLE);
}

HDC GetWindowDC(HWND hwnd) {
    return GetDCEx(hwnd, nullptr, DCX_WINDOW | DCX_USESTYLE);
}

int ReleaseDC(HWND, HDC hdc) {
    auto& records = OpenDCs();
    auto found = std::find_if(records.begin(), records.end(),
                              [&](const WindowDCRecord& r) { return r.hdc == hdc; });
    if (found == records.end())
        return 0;
    const WindowDCRecord record = *found;
    records.erase(found);
    DeleteDC(hdc);
    if (Window* top = Find(record.top))
        MarkForPresentation(*top, record.drawable);
    return 1;
}

HWND WindowFromDC(HDC hdc) {
    for (const WindowDCRecord& r : OpenDCs())
        if (r.hdc == hdc)
            return r.hwnd;
    return nullptr;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint) {
    Window* w = Find(hwnd);
    if (w == nullptr || paint == nullptr)
        return nullptr;
    OwnedRegion update = std::move(w->updateRegion);
    const bool frame = w->frameNeeded;
    const bool erase = w->eraseNeeded;
    w->frameNeeded = false;
    w->eraseNeeded = false;
    w->internalPaint = false;
    if (frame && update) {
        SendNonClientPaint(*w, update.Get());
        if ((w = Find(hwnd)) == nullptr)
            return nullptr;
    }
    OwnedRegion clientUpdate = OwnedRegion::Rect(w->client);
    if (update)
        clientUpdate.Combine(update.Get(), RGN_AND);
    else
        clientUpdate = OwnedRegion::Empty();
    OwnedRegion visible = VisibleRegion(*w, DCX_USESTYLE);
    OwnedRegion updateOnSurface = OwnedRegion::CopyOf(clientUpdate.Get());
    const POINT origin = SurfaceOrigin(*w);
    OffsetRgn(updateOnSurface.Get(), origin.x, origin.y);
    visible.Combine(updateOnSurface.Get(), RGN_AND);
    const HDC hdc = OpenDC(*w, std::move(visible), DCX_USESTYLE);
    *paint = PAINTSTRUCT{};
    paint->hdc = hdc;
    paint->rcPaint = Offset(clientUpdate.Box(), -w->client.left, -w->client.top);
    paint->fErase = FALSE;
    if (erase && hdc != nullptr)
        paint->fErase = Send(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0) ? FALSE : TRUE;
    return hdc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* paint) {
    if (paint == nullptr)
        return FALSE;
    ReleaseDC(hwnd, paint->hdc);
    return TRUE;
}

void CreateTopLevelSurface(Window& window) {
    window.surface = std::make_unique<Surface>(std::max<LONG>(RectWidth(window.rect), 0),
                                               std::max<LONG>(RectHeight(window.rect), 0));
    Desktop::Get().Display().TopLevelCreated(window.handle);
}

void ResizeTopLevelSurface(Window& window) {
    const int width = std::max<LONG>(RectWidth(window.rect), 0);
    const int height = std::max<LONG>(RectHeight(window.rect), 0);
    if (!window.surface) {
        CreateTopLevelSurface(window);
        return;
    }
    if (window.surface->width == width && window.surface->height == height)
        return;
    window.surface->width = width;
    window.surface->height = height;
    window.surface->pixels.assign(std::size_t(width) * std::size_t(height), 0);
    window.presentPending = RECT{};
}

void ReleaseWindowResources(Window& window) {
    window.updateRegion.Reset();
    window.windowRegion.Reset();
    window.surface.reset();
    auto& records = OpenDCs();
    for (auto it = records.begin(); it != records.end();) {
        if (it->hwnd == window.handle) {
            DeleteDC(it->hdc);
            it = records.erase(it);
        } else {
            ++it;
        }
    }
}

void PresentChangedSurfaces() {
    Desktop& desktop = Desktop::Get();
    std::vector<std::pair<HWND, RECT>> changed;
    for (Window* top : desktop.Root().children) {
        if (IsRectEmpty(&top->presentPending))
            continue;
        changed.emplace_back(top->handle, top->presentPending);
        top->presentPending = RECT{};
    }
    for (const auto& [hwnd, rect] : changed)
        if (IsWindow(hwnd))
            desktop.Display().Present(hwnd, rect);
}

const Surface* GetWindowSurface(HWND hwnd) {
    Window* w = Find(hwnd);
    if (w == nullptr)
        return nullptr;
    return Desktop::Get().TopLevelOf(*w).surface.get();
}

} // namespace win

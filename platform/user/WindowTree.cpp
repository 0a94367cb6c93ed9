#include "platform/user/WindowTree.h"

#include "platform/user/Desktop.h"
#include "platform/user/Rects.h"

#include <algorithm>

namespace win {

namespace {

bool IsTopmost(const Window* w) {
    return (w->exStyle & WS_EX_TOPMOST) != 0;
}

} // namespace

void LinkWindow(Window& parent, Window& child, HWND insertAfter) {
    auto& list = parent.children;
    child.parent = &parent;
    // Topmost windows stay above the others among top-level windows.
    const bool topLevel = Desktop::Get().IsRoot(parent);
    auto firstNonTopmost =
        std::find_if(list.begin(), list.end(), [](const Window* w) { return !IsTopmost(w); });
    if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
        if (topLevel && !IsTopmost(&child))
            list.insert(firstNonTopmost, &child);
        else
            list.insert(list.begin(), &child);
        return;
    }
    if (insertAfter == HWND_BOTTOM) {
        if (topLevel && IsTopmost(&child))
            list.insert(firstNonTopmost, &child);
        else
            list.push_back(&child);
        return;
    }
    auto after = std::find_if(list.begin(), list.end(),
                              [&](const Window* w) { return w->handle == insertAfter; });
    if (after == list.end())
        list.insert(list.begin(), &child);
    else
        list.insert(after + 1, &child);
}

void UnlinkWindow(Window& child) {
    if (child.parent == nullptr)
        return;
    std::erase(child.parent->children, &child);
}

POINT WindowScreenOrigin(const Window& window) {
    if (window.parent == nullptr)
        return POINT{window.rect.left, window.rect.top};
    const POINT base = ClientScreenOrigin(*window.parent);
    return POINT{base.x + window.rect.left, base.y + window.rect.top};
}

POINT ClientScreenOrigin(const Window& window) {
    const POINT origin = WindowScreenOrigin(window);
    return POINT{origin.x + window.client.left, origin.y + window.client.top};
}

RECT WindowScreenRect(const Window& window) {
    const POINT origin = WindowScreenOrigin(window);
    return RECT{origin.x, origin.y, origin.x + RectWidth(window.rect),
                origin.y + RectHeight(window.rect)};
}

RECT ClientScreenRect(const Window& window) {
    const POINT origin = WindowScreenOrigin(window);
    return Offset(window.client, origin.x, origin.y);
}

POINT SurfaceOrigin(const Window& window) {
    const Window& top = Desktop::Get().TopLevelOf(const_cast<Window&>(window));
    const POINT a = WindowScreenOrigin(window);
    const POINT b = WindowScreenOrigin(top);
    return POINT{a.x - b.x, a.y - b.y};
}

bool IsAncestor(const Window& ancestor, const Window& window) {
    for (const Window* w = window.parent; w != nullptr; w = w->parent)
        if (w == &ancestor)
            return true;
    return false;
}

bool IsShown(const Window& window) {
    for (const Window* w = &window; w != nullptr; w = w->parent)
        if (!w->IsVisible())
            return false;
    return true;
}

bool IsEnabledWindow(const Window& window) {
    return (window.style & WS_DISABLED) == 0;
}

} // namespace win

// Tree queries and the coordinate calls.

#include "platform/user/Desktop.h"
#include "platform/user/NonClientLayout.h"
#include "platform/user/Rects.h"
#include "platform/user/WinUser.h"
#include "platform/user/WindowTree.h"

#include <algorithm>
#include <cstring>
#include <strings.h>
#include <vector>

namespace win {

namespace {

Window* Find(HWND hwnd) {
    return Desktop::Get().Find(hwnd);
}

HWND HandleOf(const Window* window) {
    return window == nullptr ? nullptr : window->handle;
}

std::vector<HWND> Handles(const std::vector<Window*>& windows) {
    std::vector<HWND> handles;
    handles.reserve(windows.size());
    for (const Window* w : windows)
        handles.push_back(w->handle);
    return handles;
}

} // namespace

HWND GetDesktopWindow() {
    return Desktop::Get().Root().handle;
}

// Windows answers the owner for pop-up windows and the parent for children.
HWND GetParent(HWND hwnd) {
    const Window* window = Find(hwnd);
    if (window == nullptr)
        return nullptr;
    if (window->IsChild())
        return window->parent->handle;
    if (window->style & WS_POPUP)
        return window->owner;
    return nullptr;
}

HWND SetParent(HWND child, HWND newParent) {
    Desktop& desktop = Desktop::Get();
    Window* window = Find(child);
    Window* parent = newParent == nullptr ? &desktop.Root() : Find(newParent);
    if (window == nullptr || parent == nullptr || desktop.IsRoot(*window) || parent == window ||
        IsAncestor(*window, *parent))
        return nullptr;
    const HWND old = window->parent->handle;
    const bool visible = window->IsVisible();
    if (visible)
        ShowWindow(child, SW_HIDE);
    if ((window = Find(child)) == nullptr ||
        (parent = newParent == nullptr ? &desktop.Root() : Find(newParent)) == nullptr)
        return nullptr;
    UnlinkWindow(*window);
    LinkWindow(*parent, *window, HWND_TOP);
    if (visible)
        ShowWindow(child, SW_SHOWNA);
    return old;
}

HWND GetAncestor(HWND hwnd, UINT flags) {
    Desktop& desktop = Desktop::Get();
    Window* window = Find(hwnd);
    if (window == nullptr || desktop.IsRoot(*window))
        return nullptr;
    switch (flags) {
    case GA_PARENT:
        return HandleOf(window->parent);
    case GA_ROOT:
        return desktop.TopLevelOf(*window).handle;
    case GA_ROOTOWNER: {
        HWND root = desktop.TopLevelOf(*window).handle;
        while (HWND owner = GetWindow(root, GW_OWNER))
            root = owner;
        return root;
    }
    default:
        return nullptr;
    }
}

HWND GetWindow(HWND hwnd, UINT relation) {
    const Window* window = Find(hwnd);
    if (window == nullptr)
        return nullptr;
    if (relation == GW_OWNER)
        return window->IsChild() ? nullptr : window->owner;
    if (relation == GW_CHILD)
        return window->children.empty() ? nullptr : window->children.front()->handle;
    if (relation == GW_ENABLEDPOPUP)
        return nullptr;
    if (window->parent == nullptr)
        return nullptr;
    const auto& siblings = window->parent->children;
    auto self = std::find(siblings.begin(), siblings.end(), window);
    switch (relation) {
    case GW_HWNDFIRST:
        return siblings.front()->handle;
    case GW_HWNDLAST:
        return siblings.back()->handle;
    case GW_HWNDNEXT:
        return self + 1 == siblings.end() ? nullptr : (*(self + 1))->handle;
    case GW_HWNDPREV:
        return self == siblings.begin() ? nullptr : (*(self - 1))->handle;
    default:
        return nullptr;
    }
}

HWND GetTopWindow(HWND hwnd) {
    return GetWindow(hwnd == nullptr ? GetDesktopWindow() : hwnd, GW_CHILD);
}

BOOL IsChild(HWND parent, HWND hwnd) {
    const Window* p = Find(parent);
    const Window* w = Find(hwnd);
    if (p == nullptr || w == nullptr)
        return FALSE;
    // Only an unbroken chain of child windows counts.
    for (const Window* c = w; c->IsChild(); c = c->parent)
        if (c->parent == p)
            return TRUE;
    return FALSE;
}

namespace {

bool EnumTree(HWND parent, WNDENUMPROC proc, LPARAM lParam) {
    const Window* window = Find(parent);
    if (window == nullptr)
        return true;
    // The list is taken first: the callback may create or destroy windows.
    for (HWND child : Handles(window->children)) {
        if (!IsWindow(child))
            continue;
        if (!proc(child, lParam))
            return false;
        if (!EnumTree(child, proc, lParam))
            return false;
    }
    return true;
}

} // namespace

BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam) {
    if (proc == nullptr)
        return FALSE;
    return EnumTree(parent == nullptr ? GetDesktopWindow() : parent, proc, lParam) ? TRUE : FALSE;
}

BOOL EnumWindows(WNDENUMPROC proc, LPARAM lParam) {
    if (proc == nullptr)
        return FALSE;
    for (HWND top : Handles(Desktop::Get().Root().children))
        if (IsWindow(top) && !proc(top, lParam))
            return FALSE;
    return TRUE;
}

HWND FindWindow(const char* className, const char* windowName) {
    for (const Window* w : Desktop::Get().Root().children) {
        if (className != nullptr && strcasecmp(w->windowClass->Name().c_str(), className) != 0)
            continue;
        if (windowName != nullptr && w->text != windowName)
            continue;
        return w->handle;
    }
    return nullptr;
}

HWND GetDlgItem(HWND dialog, int id) {
    const Window* window = Find(dialog);
    if (window == nullptr)
        return nullptr;
    for (const Window* child : window->children)
        if (child->idOrMenu == UINT_PTR(id))
            return child->handle;
    return nullptr;
}

int GetDlgCtrlID(HWND hwnd) {
    const Window* window = Find(hwnd);
    return window == nullptr || !window->IsChild() ? 0 : int(window->idOrMenu);
}

BOOL GetWindowRect(HWND hwnd, RECT* rect) {
    const Window* window = Find(hwnd);
    if (window == nullptr || rect == nullptr)
        return FALSE;
    *rect = WindowScreenRect(*window);
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, RECT* rect) {
    const Window* window = Find(hwnd);
    if (window == nullptr || rect == nullptr)
        return FALSE;
    *rect = RECT{0, 0, RectWidth(window->client), RectHeight(window->client)};
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, POINT* point) {
    const Window* window = Find(hwnd);
    if (window == nullptr || point == nullptr)
        return FALSE;
    const POINT origin = ClientScreenOrigin(*window);
    point->x += origin.x;
    point->y += origin.y;
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, POINT* point) {
    const Window* window = Find(hwnd);
    if (window == nullptr || point == nullptr)
        return FALSE;
    const POINT origin = ClientScreenOrigin(*window);
    point->x -= origin.x;
    point->y -= origin.y;
    return TRUE;
}

// Returns the offset packed as MAKELONG(dx, dy), as Windows does.
int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count) {
    POINT a{0, 0};
    POINT b{0, 0};
    if (from != nullptr && !ClientToScreen(from, &a))
        return 0;
    if (to != nullptr && !ClientToScreen(to, &b))
        return 0;
    const LONG dx = a.x - b.x;
    const LONG dy = a.y - b.y;
    for (UINT i = 0; points != nullptr && i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    return int(MAKELONG(WORD(dx), WORD(dy)));
}

HWND ChildWindowFromPoint(HWND parent, POINT point) {
    const Window* window = Find(parent);
    if (window == nullptr)
        return nullptr;
    const RECT client{0, 0, RectWidth(window->client), RectHeight(window->client)};
    if (!Contains(client, point))
        return nullptr;
    for (const Window* child : window->children)
        if (Contains(child->rect, point))
            return child->handle;
    return parent;
}

BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD exStyle) {
    if (rect == nullptr)
        return FALSE;
    // The frame does not depend on the size: measure it on a large window.
    const SIZE probe{10000, 10000};
    const NonClientLayout layout =
        NonClientLayout::Compute(style & ~(WS_VSCROLL | WS_HSCROLL), exStyle, probe, menu != FALSE);
    rect->left -= layout.client.left;
    rect->top -= layout.client.top;
    rect->right += probe.cx - layout.client.right;
    rect->bottom += probe.cy - layout.client.bottom;
    return TRUE;
}

} // namespace win

// CreateWindowEx and DestroyWindow, with their messages in the Windows order.

#include "platform/user/Desktop.h"
#include "platform/user/Dispatch.h"
#include "platform/user/NonClientLayout.h"
#include "platform/user/Painting.h"
#include "platform/user/Rects.h"
#include "platform/user/WinUser.h"
#include "platform/user/WindowInternals.h"
#include "platform/user/WindowTree.h"
#include "platform/user/controls/CommCtrl.h"

#include <algorithm>
#include <vector>

namespace win {

namespace {

// Overlapped windows always get a caption and clip their siblings.
void ApplyImpliedStyles(DWORD& style, DWORD& exStyle) {
    if (!(style & (WS_CHILD | WS_POPUP))) {
        style |= WS_CLIPSIBLINGS | WS_CAPTION;
        exStyle |= WS_EX_WINDOWEDGE;
    }
    if (style & WS_CHILD)
        exStyle &= ~WS_EX_TOPMOST;
    if ((exStyle & WS_EX_DLGMODALFRAME) || (style & WS_THICKFRAME) ||
        ((style & WS_DLGFRAME) && !(style & WS_CHILD)))
        exStyle |= WS_EX_WINDOWEDGE;
}

void ResolveDefaultPlacement(CREATESTRUCT& cs, bool child) {
    const RECT screen = Desktop::Get().Root().rect;
    if (cs.x == CW_USEDEFAULT) {
        cs.x = child ? 0 : screen.left + 32;
        cs.y = child ? 0 : screen.top + 32;
    }
    if (cs.cx == CW_USEDEFAULT) {
        cs.cx = child ? 0 : RectWidth(screen) * 3 / 4;
        cs.cy = child ? 0 : RectHeight(screen) * 3 / 4;
    }
}

void ApplyMinMaxLimits(HWND hwnd, CREATESTRUCT& cs) {
    if (cs.style & WS_CHILD)
        return;
    if (!((cs.style & WS_THICKFRAME) || HasCaption(DWORD(cs.style))))
        return;
    const MINMAXINFO info = QueryMinMaxInfo(hwnd);
    cs.cx = std::clamp<int>(cs.cx, 0, info.ptMaxTrackSize.x);
    cs.cy = std::clamp<int>(cs.cy, 0, info.ptMaxTrackSize.y);
}

std::unique_ptr<Window> NewWindow(std::shared_ptr<WindowClass> windowClass, const CREATESTRUCT& cs,
                                  Window& parent, HWND owner) {
    auto window = std::make_unique<Window>();
    window->windowClass = windowClass;
    window->style = DWORD(cs.style) & ~WS_VISIBLE; // becomes visible through ShowWindow
    window->exStyle = cs.dwExStyle;
    window->owner = owner;
    window->proc = windowClass->Description().lpfnWndProc;
    window->instance = cs.hInstance;
    window->idOrMenu = reinterpret_cast<UINT_PTR>(cs.hMenu);
    window->extraBytes.resize(std::size_t(std::max(0, windowClass->Description().cbWndExtra)));
    window->threadId = Desktop::Get().GuiThread();
    window->rect = RECT{cs.x, cs.y, cs.x + cs.cx, cs.y + cs.cy};
    window->client = RECT{0, 0, cs.cx, cs.cy};
    window->normalRect = window->rect;
    window->parent = &parent;
    return window;
}

// Undoes a creation that a hook or WM_NCCREATE refused before any WM_CREATE.
void DiscardWindow(HWND hwnd) {
    Desktop& desktop = Desktop::Get();
    if (Window* window = desktop.Find(hwnd)) {
        UnlinkWindow(*window);
        ReleaseWindowResources(*window);
        desktop.Windows().Remove(hwnd);
    }
}

void SendInitialSizeAndMove(Window& window) {
    if (window.sizeSent)
        return;
    window.sizeSent = true;
    const HWND hwnd = window.handle;
    const WPARAM kind = (window.style & WS_MAXIMIZE)   ? SIZE_MAXIMIZED
                        : (window.style & WS_MINIMIZE) ? SIZE_MINIMIZED
                                                       : SIZE_RESTORED;
    const LPARAM size = MAKELPARAM(WORD(RectWidth(window.client)), WORD(RectHeight(window.client)));
    const LPARAM move = MAKELPARAM(WORD(window.rect.left + window.client.left),
                                   WORD(window.rect.top + window.client.top));
    Send(hwnd, WM_SIZE, kind, size);
    Send(hwnd, WM_MOVE, 0, move);
}

void NotifyParentOfCreation(Window& window) {
    if (!window.IsChild() || (window.exStyle & WS_EX_NOPARENTNOTIFY))
        return;
    const HWND parent = window.parent->handle;
    Send(parent, WM_PARENTNOTIFY, MAKEWPARAM(WORD(WM_CREATE), WORD(window.idOrMenu)),
         reinterpret_cast<LPARAM>(window.handle));
}

int InitialShowCommand(DWORD style) {
    if (style & WS_MAXIMIZE)
        return SW_SHOWMAXIMIZED;
    if (style & WS_MINIMIZE)
        return SW_SHOWMINIMIZED;
    return SW_SHOW;
}

} // namespace

HWND CreateWindowEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                    int x, int y, int width, int height, HWND parentHandle, HMENU menu,
                    HINSTANCE instance, void* param) {
    Desktop& desktop = Desktop::Get();
    auto windowClass = desktop.Classes().Find(ClassNameArgument(className));
    if (windowClass == nullptr) {
        // The system classes are registered on first need, as the system's own
        // classes exist before any program asks for them.
        InitCommonControls();
        windowClass = desktop.Classes().Find(ClassNameArgument(className));
    }
    if (windowClass == nullptr)
        return nullptr;
    Window* parent = &desktop.Root();
    HWND owner = nullptr;
    if (parentHandle != nullptr && parentHandle != HWND_MESSAGE) {
        Window* given = desktop.Find(parentHandle);
        if (given == nullptr)
            return nullptr;
        if (style & WS_CHILD)
            parent = given;
        else
            owner = desktop.TopLevelOf(*given).handle; // owners are always top-level
    } else if (style & WS_CHILD) {
        return nullptr; // a child window needs a parent
    }
    ApplyImpliedStyles(style, exStyle);

    CREATESTRUCT cs;
    cs.lpCreateParams = param;
    cs.hInstance = instance;
    cs.hMenu = menu;
    cs.hwndParent = parentHandle;
    cs.x = x;
    cs.y = y;
    cs.cx = width;
    cs.cy = height;
    cs.style = LONG(style);
    cs.lpszName = windowName;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;
    ResolveDefaultPlacement(cs, (style & WS_CHILD) != 0);

    Window& created = desktop.Windows().Add(NewWindow(windowClass, cs, *parent, owner));
    const HWND hwnd = created.handle;
    // Children join their siblings at the bottom, so sibling order is creation
    // order (what tab order and radio groups walk); top-level windows go on top.
    const HWND insertAfter = (style & WS_CHILD) ? HWND_BOTTOM : HWND_TOP;
    LinkWindow(*parent, created, insertAfter);

    CBT_CREATEWND cbt{&cs, insertAfter};
    if (CbtRefuses(HCBT_CREATEWND, reinterpret_cast<WPARAM>(hwnd),
                   reinterpret_cast<LPARAM>(&cbt))) {
        DiscardWindow(hwnd);
        return nullptr;
    }
    // A hook may have changed the create struct; styles follow it.
    if (Window* w = desktop.Find(hwnd)) {
        w->style = DWORD(cs.style) & ~WS_VISIBLE;
        w->exStyle = cs.dwExStyle;
        w->rect = RECT{cs.x, cs.y, cs.x + cs.cx, cs.y + cs.cy};
        w->client = RECT{0, 0, cs.cx, cs.cy};
    }
    ApplyMinMaxLimits(hwnd, cs);
    if (Window* w = desktop.Find(hwnd))
        w->rect = RECT{cs.x, cs.y, cs.x + cs.cx, cs.y + cs.cy};

    if (!SendWithPointer(hwnd, WM_NCCREATE, 0, &cs)) {
        DestroyWindow(hwnd);
        DiscardWindow(hwnd);
        return nullptr;
    }
    Window* window = desktop.Find(hwnd);
    if (window == nullptr)
        return nullptr;
    window->created = true;
    RecalculateClientRect(*window);
    if (desktop.IsTopLevel(*window))
        CreateTopLevelSurface(*window);

    if (SendWithPointer(hwnd, WM_CREATE, 0, &cs) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    window = desktop.Find(hwnd);
    if (window == nullptr)
        return nullptr;
    SendInitialSizeAndMove(*window);
    if ((window = desktop.Find(hwnd)) == nullptr)
        return nullptr;
    NotifyParentOfCreation(*window);
    if ((window = desktop.Find(hwnd)) == nullptr)
        return nullptr;
    if (style & WS_VISIBLE)
        ShowWindow(hwnd, InitialShowCommand(style));
    return IsWindow(hwnd) ? hwnd : nullptr;
}

namespace {

void SendDestroyToTree(HWND hwnd) {
    Send(hwnd, WM_DESTROY);
    Window* window = Desktop::Get().Find(hwnd);
    if (window == nullptr)
        return;
    std::vector<HWND> children;
    for (Window* child : window->children)
        children.push_back(child->handle);
    for (HWND child : children) {
        if (Window* c = Desktop::Get().Find(child))
            c->destroying = true;
        SendDestroyToTree(child);
    }
}

// Children first, each with WM_NCDESTROY, then the window itself.
void FreeTree(HWND hwnd) {
    Desktop& desktop = Desktop::Get();
    Window* window = desktop.Find(hwnd);
    if (window == nullptr)
        return;
    std::vector<HWND> children;
    for (Window* child : window->children)
        children.push_back(child->handle);
    for (HWND child : children)
        FreeTree(child);
    Send(hwnd, WM_NCDESTROY);
    window = desktop.Find(hwnd);
    if (window == nullptr)
        return;
    ForgetWindowState(*window);
    const bool topLevel = desktop.IsTopLevel(*window);
    UnlinkWindow(*window);
    ReleaseWindowResources(*window);
    desktop.Windows().Remove(hwnd);
    if (topLevel)
        desktop.Display().TopLevelDestroyed(hwnd);
}

void DestroyOwnedWindows(HWND owner) {
    for (;;) {
        HWND owned = nullptr;
        for (Window* w : Desktop::Get().Root().children)
            if (w->owner == owner && !w->destroying)
                owned = w->handle;
        if (owned == nullptr)
            return;
        DestroyWindow(owned);
    }
}

} // namespace

BOOL DestroyWindow(HWND hwnd) {
    Desktop& desktop = Desktop::Get();
    Window* window = desktop.Find(hwnd);
    if (window == nullptr || desktop.IsRoot(*window))
        return FALSE;
    if (window->destroying)
        return TRUE;
    if (CbtRefuses(HCBT_DESTROYWND, reinterpret_cast<WPARAM>(hwnd), 0))
        return FALSE;
    if ((window = desktop.Find(hwnd)) == nullptr)
        return TRUE;
    window->destroying = true;
    if (window->IsChild() && !(window->exStyle & WS_EX_NOPARENTNOTIFY) && window->created)
        Send(window->parent->handle, WM_PARENTNOTIFY,
             MAKEWPARAM(WORD(WM_DESTROY), WORD(window->idOrMenu)), reinterpret_cast<LPARAM>(hwnd));
    if (IsWindow(hwnd) && IsWindowVisible(hwnd))
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    if (!IsWindow(hwnd))
        return TRUE;
    MoveInputAwayFrom(hwnd);
    DestroyOwnedWindows(hwnd);
    if (!IsWindow(hwnd))
        return TRUE;
    if (desktop.Find(hwnd)->created)
        SendDestroyToTree(hwnd);
    FreeTree(hwnd);
    return TRUE;
}

BOOL IsWindow(HWND hwnd) {
    Desktop& desktop = Desktop::Get();
    Window* window = desktop.Find(hwnd);
    return window != nullptr ? TRUE : FALSE;
}

BOOL IsWindowUnicode(HWND hwnd) {
    return IsWindow(hwnd);
}

} // namespace win

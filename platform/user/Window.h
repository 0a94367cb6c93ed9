#pragma once
// The window object behind an HWND. Owned by the WindowTable; every other
// reference to it is borrowed and must be looked up again by handle after any
// call that can run a window procedure, since that procedure may destroy it.

#include "platform/gdi/Surface.h"
#include "platform/user/OwnedRegion.h"
#include "platform/user/Styles.h"
#include "platform/user/UserTypes.h"

#include <memory>
#include <string>
#include <vector>

namespace win {

class WindowClass;

struct ScrollBarState {
    int min = 0;
    int max = 0;
    UINT page = 0;
    int pos = 0;
    int trackPos = 0;
    UINT disabledArrows = 0; // ESB_DISABLE_* bits
    bool tracking = false;   // the thumb is being dragged: trackPos is shown
    int pressedPart = -1;    // SB_ code of the part held down, -1 for none
};

struct WindowProperty {
    std::string name; // empty when the property is named by an atom alone
    ATOM atom = 0;
    HANDLE data = nullptr;
};

struct Window {
    HWND handle = nullptr;
    std::shared_ptr<WindowClass> windowClass;
    DWORD style = 0;
    DWORD exStyle = 0;
    Window* parent = nullptr; // nullptr: a top-level window
    HWND owner = nullptr;
    std::vector<Window*> children; // z-order, topmost first
    DWORD threadId = 0;

    RECT rect;       // window rectangle in the parent's client coordinates (screen for top-level)
    RECT client;     // client rectangle in window coordinates
    RECT normalRect; // restored rectangle while minimised or maximised
    std::string text;
    WNDPROC proc = nullptr;
    HINSTANCE instance = nullptr;
    UINT_PTR idOrMenu = 0;
    LONG_PTR userData = 0;
    std::vector<BYTE> extraBytes;
    HFONT font = nullptr;
    HICON smallIcon = nullptr;
    HICON bigIcon = nullptr;
    std::vector<WindowProperty> properties;

    bool created = false;    // WM_NCCREATE answered
    bool destroying = false; // DestroyWindow has begun
    bool sizeSent = false;   // WM_SIZE/WM_MOVE went out during creation

    // Painting state, in window coordinates.
    OwnedRegion updateRegion; // null: nothing to paint
    bool eraseNeeded = false;
    bool frameNeeded = false;
    bool internalPaint = false;
    bool activeFrame = false; // the caption is drawn active
    int pressedButton = 0;    // HTCLOSE, HTMINBUTTON or HTMAXBUTTON held down
    OwnedRegion windowRegion;
    RECT presentPending;              // surface part drawn since the last presentation (top-level)
    std::unique_ptr<Surface> surface; // top-level windows only

    ScrollBarState hscroll;
    ScrollBarState vscroll;

    bool IsChild() const { return (style & WS_CHILD) != 0; }
    bool IsVisible() const { return (style & WS_VISIBLE) != 0; }
};

} // namespace win

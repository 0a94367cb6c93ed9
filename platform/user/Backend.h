#pragma once
// What the window manager asks of the display below it. A backend is installed
// once at start (InstallBackend); the window manager calls it on the GUI thread
// only, except Wake. The backend feeds input back through the Inject* calls of
// "platform/user/Input.h" and reads surfaces with GetWindowSurface.

#include "platform/user/UserTypes.h"

#include <string>

namespace win {

constexpr DWORD INFINITE = 0xFFFFFFFF;

class Backend {
public:
    virtual ~Backend() = default;

    virtual RECT ScreenRect() const = 0;

    // A top-level window appeared, changed place, size, visibility, z-order or
    // shape, or went away. The backend reads the new state through the API.
    virtual void TopLevelCreated(HWND) {}
    virtual void TopLevelChanged(HWND) {}
    virtual void TopLevelShapeChanged(HWND) {}
    virtual void TopLevelDestroyed(HWND) {}

    // Part of a top-level window's surface (window coordinates) changed.
    virtual void Present(HWND, const RECT& /*changed*/) {}
    virtual void SetInputFocus(HWND) {}
    virtual void SetCursorShape(HCURSOR) {}
    virtual void SetMouseCapture(bool /*captured*/) {}

    // Turns pending native events into injected input; waits up to `timeout`
    // milliseconds for one when none is pending (0: do not wait).
    virtual void PumpEvents(DWORD timeout) = 0;
    // Ends a PumpEvents wait early; callable from any thread.
    virtual void Wake() = 0;

    virtual std::string ClipboardText() { return clipboard_; }
    virtual void SetClipboardText(const std::string& text) { clipboard_ = text; }

private:
    std::string clipboard_;
};

} // namespace win

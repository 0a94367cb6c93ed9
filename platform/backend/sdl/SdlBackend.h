#pragma once
// The SDL2 display: one borderless SDL window per shown top-level window (the
// window manager's own non-client area is the frame), pop-ups owned by another
// window as override-redirect popup-menu windows, surfaces presented as they
// are, SDL events turned into injected input, shapes through the X11 shape
// extension, the clipboard through SDL. Keyboard focus given or taken by
// others (a window manager, another program) moves our activation; their
// moves and resizes move our windows. SIGTERM and SIGINT close the windows
// that no other window owns.

#include "platform/backend/sdl/SdlPointerGrab.h"
#include "platform/backend/sdl/SdlTextInput.h"
#include "platform/user/Backend.h"

#include <SDL2/SDL.h>
#include <memory>
#include <unordered_map>

namespace win::sdl {

class SdlBackend final : public Backend {
public:
    // Fails (throws std::runtime_error) when SDL cannot open the display.
    SdlBackend();
    ~SdlBackend() override;

    RECT ScreenRect() const override { return screen_; }
    void TopLevelCreated(HWND) override {}
    void TopLevelChanged(HWND hwnd) override;
    void TopLevelShapeChanged(HWND hwnd) override;
    void TopLevelDestroyed(HWND hwnd) override;
    void Present(HWND hwnd, const RECT& changed) override;
    void SetInputFocus(HWND hwnd) override;
    void SetCursorShape(HCURSOR cursor) override;
    void SetMouseCapture(bool captured) override;
    void PumpEvents(DWORD timeout) override;
    void Wake() override;
    std::string ClipboardText() override;
    void SetClipboardText(const std::string& text) override;

private:
    struct NativeWindow {
        SDL_Window* window = nullptr;
        unsigned long xid = 0; // the X window, 0 when SDL runs on another system
        bool popupMenu = false;
    };

    SDL_Window* WindowOf(HWND hwnd) const;
    SDL_Window* CreateNativeWindow(HWND hwnd);
    HWND HandleOf(Uint32 windowId) const;
    void Translate(const SDL_Event& event);
    void TranslateWindowEvent(const SDL_WindowEvent& event);
    void FollowDisplayFocus(HWND reported, bool gained);
    void FollowDisplayGeometry(HWND hwnd);
    void CloseMainWindows();
    void ReturnFocusToActive();
    void PumpWhileGrabbed(DWORD timeout);
    POINT ScreenPoint(Uint32 windowId, int x, int y) const;
    void ApplyShape(HWND hwnd, SDL_Window* window);

    RECT screen_{};
    Uint32 wakeEvent_ = 0;
    std::unordered_map<HWND, NativeWindow> windows_;
    SdlTextInput textInput_;
    std::unique_ptr<SdlPointerGrab> pointerGrab_; // X11 only
    bool sdlPointerStale_ = false;                // no SDL motion since our grab
    std::unordered_map<SDL_SystemCursor, SDL_Cursor*> cursors_;
};

} // namespace win::sdl

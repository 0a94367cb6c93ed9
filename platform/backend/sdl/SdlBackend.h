#pragma once
// The SDL2 display: one borderless SDL window per shown top-level window (the
// window manager's own non-client area is the frame), pop-ups owned by another
// window as override-redirect popup-menu windows, surfaces presented as they
// are, SDL events turned into injected input, shapes through the X11 shape
// extension, the clipboard through SDL.

#include "platform/user/Backend.h"

#include <SDL2/SDL.h>
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
    SDL_Window* WindowOf(HWND hwnd) const;
    SDL_Window* CreateNativeWindow(HWND hwnd);
    HWND HandleOf(Uint32 windowId) const;
    void Translate(const SDL_Event& event);
    void TranslateWindowEvent(const SDL_WindowEvent& event);
    POINT ScreenPoint(Uint32 windowId, int x, int y) const;
    void ApplyShape(HWND hwnd, SDL_Window* window);

    RECT screen_{};
    Uint32 wakeEvent_ = 0;
    std::unordered_map<HWND, SDL_Window*> windows_;
    std::unordered_map<SDL_SystemCursor, SDL_Cursor*> cursors_;
};

} // namespace win::sdl

#include "platform/backend/sdl/SdlBackend.h"

#include "platform/backend/sdl/SdlKeys.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/SystemMetrics.h"
#include "platform/user/BackendSupport.h"
#include "platform/user/Input.h"
#include "platform/user/Painting.h"
#include "platform/user/WinUser.h"

#include <SDL2/SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/extensions/shape.h>
#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <vector>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TELVORA_LEAK_CHECKED 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define TELVORA_LEAK_CHECKED 1
#endif

#ifdef TELVORA_LEAK_CHECKED
// In leak-checked builds: the system's D-Bus library, which SDL loads for
// input methods, keeps a buffer for the life of the process; it is not ours
// to free, and every program on this backend would report it.
extern "C" __attribute__((visibility("default"))) const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so\n";
}
#endif

namespace win::sdl {

namespace {

// A point that lies outside every window: where the mouse "is" after it left.
constexpr POINT kOutside{-30000, -30000};

RECT RectOf(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

// Pop-ups that belong to another window (menus, drop-down lists, tool windows)
// must not be managed: they land exactly where asked and take no focus.
bool IsOwnedPopup(HWND hwnd) {
    const DWORD style = DWORD(GetWindowLong(hwnd, GWL_STYLE));
    return (style & WS_POPUP) && GetWindow(hwnd, GW_OWNER) != nullptr &&
           (style & WS_CAPTION) != WS_CAPTION;
}

std::string TitleOf(HWND hwnd) {
    char text[512] = {};
    GetWindowText(hwnd, text, sizeof text);
    return text;
}

// SDL's own X connection and the X window of `window`, when SDL runs on X11.
bool X11HandlesOf(SDL_Window* window, Display*& display, ::Window& xwindow) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return false;
    display = info.info.x11.display;
    xwindow = info.info.x11.window;
    return true;
}

void CopyRows(const Surface& from, SDL_Surface* to, const RECT& area) {
    if (SDL_MUSTLOCK(to))
        SDL_LockSurface(to);
    const int right = std::min<int>(area.right, std::min(from.width, to->w));
    const int bottom = std::min<int>(area.bottom, std::min(from.height, to->h));
    const int left = std::max<int>(area.left, 0);
    for (int y = std::max<int>(area.top, 0); y < bottom && left < right; ++y) {
        auto* row =
            static_cast<std::uint8_t*>(to->pixels) + std::size_t(y) * std::size_t(to->pitch);
        std::memcpy(row + std::size_t(left) * 4, from.Row(y) + left, std::size_t(right - left) * 4);
    }
    if (SDL_MUSTLOCK(to))
        SDL_UnlockSurface(to);
}

} // namespace

SdlBackend::SdlBackend() {
    // Without this, window surfaces go through software OpenGL: many times
    // slower per present under X servers without acceleration.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    // Compositions longer than SDL_TEXTEDITING's 32 bytes arrive whole.
    SDL_SetHint(SDL_HINT_IME_SUPPORT_EXTENDED_TEXT, "1");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0)
        throw std::runtime_error(std::string("SDL: ") + SDL_GetError());
    SDL_Rect bounds{0, 0, 1024, 768};
    SDL_GetDisplayBounds(0, &bounds);
    screen_ = RECT{bounds.x, bounds.y, bounds.x + bounds.w, bounds.y + bounds.h};
    SetScreenSize(bounds.w, bounds.h);
    wakeEvent_ = SDL_RegisterEvents(1);
    if (std::string(SDL_GetCurrentVideoDriver()) == "x11")
        pointerGrab_ = std::make_unique<SdlPointerGrab>(nullptr);
}

SdlBackend::~SdlBackend() {
    for (auto& [hwnd, native] : windows_)
        SDL_DestroyWindow(native.window);
    for (auto& [id, cursor] : cursors_)
        SDL_FreeCursor(cursor);
    SDL_Quit();
}

SDL_Window* SdlBackend::WindowOf(HWND hwnd) const {
    auto found = windows_.find(hwnd);
    return found == windows_.end() ? nullptr : found->second.window;
}

HWND SdlBackend::HandleOf(Uint32 windowId) const {
    SDL_Window* window = SDL_GetWindowFromID(windowId);
    for (const auto& [hwnd, native] : windows_)
        if (native.window == window)
            return hwnd;
    return nullptr;
}

SDL_Window* SdlBackend::CreateNativeWindow(HWND hwnd) {
    const RECT r = RectOf(hwnd);
    Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN;
    const bool popupMenu = IsOwnedPopup(hwnd);
    if (popupMenu)
        flags |= SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR;
    SDL_Window* window =
        SDL_CreateWindow(TitleOf(hwnd).c_str(), r.left, r.top, std::max<LONG>(r.right - r.left, 1),
                         std::max<LONG>(r.bottom - r.top, 1), flags);
    if (window == nullptr)
        return nullptr;
    NativeWindow& native = windows_[hwnd];
    native.window = window;
    native.popupMenu = popupMenu;
    Display* display = nullptr;
    ::Window xwindow = 0;
    if (X11HandlesOf(window, display, xwindow))
        native.xid = xwindow;
    ApplyShape(hwnd, window);
    return window;
}

void SdlBackend::TopLevelChanged(HWND hwnd) {
    SDL_Window* window = WindowOf(hwnd);
    const bool visible = IsWindowVisible(hwnd) && !IsIconic(hwnd);
    if (window == nullptr) {
        if (!visible)
            return;
        window = CreateNativeWindow(hwnd);
        if (window == nullptr)
            return;
    }
    const RECT r = RectOf(hwnd);
    int x = 0, y = 0, w = 0, h = 0;
    SDL_GetWindowPosition(window, &x, &y);
    SDL_GetWindowSize(window, &w, &h);
    const int width = std::max<LONG>(r.right - r.left, 1);
    const int height = std::max<LONG>(r.bottom - r.top, 1);
    if (w != width || h != height)
        SDL_SetWindowSize(window, width, height);
    if (x != r.left || y != r.top) {
        SDL_SetWindowPosition(window, r.left, r.top);
        textInput_.WindowMoved();
    }
    SDL_SetWindowTitle(window, TitleOf(hwnd).c_str());
    const bool shown = (SDL_GetWindowFlags(window) & SDL_WINDOW_SHOWN) != 0;
    if (visible && !shown) {
        SDL_ShowWindow(window);
        Present(hwnd, RECT{0, 0, width, height});
    } else if (!visible && shown) {
        SDL_HideWindow(window);
        ReturnFocusToActive();
    }
}

// Without a window manager SDL focuses every window it shows (a pop-up may
// keep it: keys go to the focus window whichever X window has them), and the
// focus of a window hidden goes nowhere: back to the active window.
// Not raised: that would cover pop-ups still open.
void SdlBackend::ReturnFocusToActive() {
    const HWND active = GetActiveWindow();
    SDL_Window* window = WindowOf(active);
    if (window != nullptr && (SDL_GetWindowFlags(window) & SDL_WINDOW_SHOWN))
        SDL_SetWindowInputFocus(window);
}

void SdlBackend::ApplyShape(HWND hwnd, SDL_Window* window) {
    Display* display = nullptr;
    ::Window xwindow = 0;
    if (!X11HandlesOf(window, display, xwindow))
        return;
    int eventBase = 0, errorBase = 0;
    if (!XShapeQueryExtension(display, &eventBase, &errorBase))
        return;
    const HRGN region = CreateRectRgn(0, 0, 0, 0);
    if (GetWindowRgn(hwnd, region) == RGN_ERROR) {
        XShapeCombineMask(display, xwindow, ShapeBounding, 0, 0, None, ShapeSet);
    } else {
        const DWORD size = GetRegionData(region, 0, nullptr);
        std::vector<std::uint8_t> buffer(size);
        auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
        GetRegionData(region, size, data);
        const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
        std::vector<XRectangle> shape;
        for (DWORD i = 0; i < data->rdh.nCount; ++i)
            shape.push_back(
                XRectangle{short(rects[i].left), short(rects[i].top),
                           static_cast<unsigned short>(rects[i].right - rects[i].left),
                           static_cast<unsigned short>(rects[i].bottom - rects[i].top)});
        XShapeCombineRectangles(display, xwindow, ShapeBounding, 0, 0, shape.data(),
                                int(shape.size()), ShapeSet, Unsorted);
    }
    DeleteObject(region);
    XFlush(display);
}

void SdlBackend::TopLevelShapeChanged(HWND hwnd) {
    if (SDL_Window* window = WindowOf(hwnd))
        ApplyShape(hwnd, window);
}

void SdlBackend::TopLevelDestroyed(HWND hwnd) {
    if (SDL_Window* window = WindowOf(hwnd)) {
        SDL_DestroyWindow(window);
        windows_.erase(hwnd);
        ReturnFocusToActive();
    }
}

void SdlBackend::Present(HWND hwnd, const RECT& changed) {
    SDL_Window* window = WindowOf(hwnd);
    const Surface* surface = GetWindowSurface(hwnd);
    if (window == nullptr || surface == nullptr)
        return;
    SDL_Surface* target = SDL_GetWindowSurface(window);
    if (target == nullptr || target->format->BytesPerPixel != 4)
        return;
    CopyRows(*surface, target, changed);
    const SDL_Rect rect{int(changed.left), int(changed.top), int(changed.right - changed.left),
                        int(changed.bottom - changed.top)};
    SDL_UpdateWindowSurfaceRects(window, &rect, 1);
}

// Keyboard focus must be given explicitly: there may be no window manager.
void SdlBackend::SetInputFocus(HWND hwnd) {
    if (SDL_Window* window = WindowOf(hwnd)) {
        SDL_RaiseWindow(window);
        SDL_SetWindowInputFocus(window);
    }
}

void SdlBackend::SetCursorShape(HCURSOR cursor) {
    SDL_SystemCursor id = SDL_SYSTEM_CURSOR_ARROW;
    if (cursor == LoadCursor(nullptr, IDC_SIZEWE))
        id = SDL_SYSTEM_CURSOR_SIZEWE;
    else if (cursor == LoadCursor(nullptr, IDC_SIZENS))
        id = SDL_SYSTEM_CURSOR_SIZENS;
    else if (cursor == LoadCursor(nullptr, IDC_SIZENWSE))
        id = SDL_SYSTEM_CURSOR_SIZENWSE;
    else if (cursor == LoadCursor(nullptr, IDC_SIZENESW))
        id = SDL_SYSTEM_CURSOR_SIZENESW;
    else if (cursor == LoadCursor(nullptr, IDC_IBEAM))
        id = SDL_SYSTEM_CURSOR_IBEAM;
    else if (cursor == LoadCursor(nullptr, IDC_WAIT))
        id = SDL_SYSTEM_CURSOR_WAIT;
    else if (cursor == LoadCursor(nullptr, IDC_HAND))
        id = SDL_SYSTEM_CURSOR_HAND;
    auto& slot = cursors_[id];
    if (slot == nullptr)
        slot = SDL_CreateSystemCursor(id);
    if (slot != nullptr)
        SDL_SetCursor(slot);
}

void SdlBackend::SetMouseCapture(bool captured) {
    if (captured && pointerGrab_ != nullptr && pointerGrab_->Start())
        return;
    if (!captured && pointerGrab_ != nullptr && pointerGrab_->Active()) {
        pointerGrab_->Stop();
        sdlPointerStale_ = true;
        return;
    }
    SDL_CaptureMouse(captured ? SDL_TRUE : SDL_FALSE);
}

void SdlBackend::Wake() {
    SDL_Event event{};
    event.type = wakeEvent_;
    SDL_PushEvent(&event);
}

// Window positions come from our own rectangles: the global mouse state is
// stale under some X servers.
POINT SdlBackend::ScreenPoint(Uint32 windowId, int x, int y) const {
    const HWND hwnd = HandleOf(windowId);
    const RECT r = hwnd == nullptr ? RECT{} : RectOf(hwnd);
    return POINT{r.left + x, r.top + y};
}

void SdlBackend::PumpEvents(DWORD timeout) {
    // The loop has dispatched what came in last time: focus and caret may
    // have moved.
    textInput_.FollowFocus();
    if (pointerGrab_ != nullptr && pointerGrab_->Active()) {
        PumpWhileGrabbed(timeout);
        return;
    }
    SDL_Event event;
    const int wait = timeout == INFINITE ? -1 : int(std::min<DWORD>(timeout, 0x7FFFFFFF));
    if (wait != 0) {
        if (SDL_WaitEventTimeout(&event, wait == -1 ? 0x7FFFFFFF : wait))
            Translate(event);
    }
    while (SDL_PollEvent(&event))
        Translate(event);
}

// SDL cannot wait on the grab's connection as well: wait in short slices.
void SdlBackend::PumpWhileGrabbed(DWORD timeout) {
    const Uint64 end = SDL_GetTicks64() + std::min<DWORD>(timeout, 0x7FFFFFFF);
    for (;;) {
        bool any = pointerGrab_->Drain();
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            Translate(event);
            any = true;
        }
        const Uint64 now = SDL_GetTicks64();
        if (any || !pointerGrab_->Active() || now >= end)
            return;
        pointerGrab_->Wait(int(std::min<Uint64>(end - now, 10)));
    }
}

void SdlBackend::Translate(const SDL_Event& event) {
    if (textInput_.Translate(event))
        return;
    switch (event.type) {
    case SDL_MOUSEMOTION:
        sdlPointerStale_ = false;
        InjectMouseMove(ScreenPoint(event.motion.windowID, event.motion.x, event.motion.y));
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        textInput_.CaretMayHaveMoved();
        const MouseButton button = event.button.button == SDL_BUTTON_RIGHT    ? MouseButton::Right
                                   : event.button.button == SDL_BUTTON_MIDDLE ? MouseButton::Middle
                                                                              : MouseButton::Left;
        POINT at = ScreenPoint(event.button.windowID, event.button.x, event.button.y);
        // After our grab SDL knows the pointer only from before it (it saw
        // no leaving, so it ignores the coming back): ask the server.
        if (sdlPointerStale_ && pointerGrab_ != nullptr)
            at = pointerGrab_->PointerPosition(at);
        InjectMouseButton(
            button, event.type == SDL_MOUSEBUTTONDOWN ? KeyTransition::Down : KeyTransition::Up,
            at);
        break;
    }
    case SDL_MOUSEWHEEL: {
        POINT cursor;
        GetCursorPos(&cursor);
        InjectMouseWheel(event.wheel.y * WHEEL_DELTA, cursor);
        break;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        textInput_.CaretMayHaveMoved();
        if (const int vk = VirtualKeyFromScancode(event.key.keysym.scancode))
            InjectKey(vk, event.type == SDL_KEYDOWN ? KeyTransition::Down : KeyTransition::Up);
        break;
    case SDL_WINDOWEVENT:
        TranslateWindowEvent(event.window);
        break;
    case SDL_QUIT:
        CloseMainWindows();
        break;
    default:
        break;
    }
}

void SdlBackend::TranslateWindowEvent(const SDL_WindowEvent& event) {
    const HWND hwnd = HandleOf(event.windowID);
    if (hwnd == nullptr)
        return;
    switch (event.event) {
    case SDL_WINDOWEVENT_EXPOSED: {
        const RECT r = RectOf(hwnd);
        Present(hwnd, RECT{0, 0, r.right - r.left, r.bottom - r.top});
        break;
    }
    case SDL_WINDOWEVENT_FOCUS_GAINED:
    case SDL_WINDOWEVENT_FOCUS_LOST:
        FollowDisplayFocus(hwnd, event.event == SDL_WINDOWEVENT_FOCUS_GAINED);
        break;
    case SDL_WINDOWEVENT_CLOSE:
        PostMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case SDL_WINDOWEVENT_MOVED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        FollowDisplayGeometry(hwnd);
        break;
    case SDL_WINDOWEVENT_LEAVE:
        if (GetCapture() == nullptr)
            InjectMouseMove(kOutside);
        break;
    default:
        break;
    }
}

// SDL turns SIGTERM and SIGINT into SDL_QUIT: the program is asked to end as
// a user closing its windows would, so it may save its state first.
void SdlBackend::CloseMainWindows() {
    for (const auto& [hwnd, native] : windows_)
        if (IsWindowVisible(hwnd) && GetWindow(hwnd, GW_OWNER) == nullptr)
            PostMessage(hwnd, WM_CLOSE, 0, 0);
}

// Reports of our own moves come back too, possibly after a later move of ours:
// SDL's latest geometry, not the report's, is what the window must have.
void SdlBackend::FollowDisplayGeometry(HWND hwnd) {
    SDL_Window* window = WindowOf(hwnd);
    if (window == nullptr || !(SDL_GetWindowFlags(window) & SDL_WINDOW_SHOWN))
        return;
    int x = 0, y = 0, w = 0, h = 0;
    SDL_GetWindowPosition(window, &x, &y);
    SDL_GetWindowSize(window, &w, &h);
    MoveFromDisplay(hwnd, RECT{x, y, x + w, y + h});
    textInput_.WindowMoved();
}

// SDL reports focus changes late (it waits out a window manager's brief focus
// juggling), and our own SetInputFocus causes them too: what counts is where
// the X focus is now, so that a stale report cannot undo a later activation
// and moving between two of our windows never looks like leaving the
// application.
void SdlBackend::FollowDisplayFocus(HWND reported, bool gained) {
    Display* display = nullptr;
    ::Window xwindow = 0;
    SDL_Window* window = WindowOf(reported);
    if (window == nullptr || !X11HandlesOf(window, display, xwindow)) {
        if (gained)
            ActivateFromDisplay(reported);
        else if (SDL_GetKeyboardFocus() == nullptr)
            ActivateFromDisplay(nullptr);
        return;
    }
    ::Window focused = 0;
    int revert = 0;
    XGetInputFocus(display, &focused, &revert);
    for (const auto& [hwnd, native] : windows_) {
        if (native.xid != focused)
            continue;
        // Menus and drop-downs holding the focus leave activation alone.
        if (!native.popupMenu)
            ActivateFromDisplay(hwnd);
        return;
    }
    ActivateFromDisplay(nullptr);
}

std::string SdlBackend::ClipboardText() {
    char* text = SDL_GetClipboardText();
    std::string result = text == nullptr ? "" : text;
    SDL_free(text);
    return result;
}

void SdlBackend::SetClipboardText(const std::string& text) {
    SDL_SetClipboardText(text.c_str());
}

} // namespace win::sdl

// Routing of raw input: hit testing through WM_NCHITTEST, capture, activation
// by click (WM_MOUSEACTIVATE), WM_SETCURSOR, double clicks, mouse tracking, and
// keys to the focus window.

#include "platform/user/InputRouting.h"

#include "platform/gdi/SystemMetrics.h"
#include "platform/user/Desktop.h"
#include "platform/user/Dispatch.h"
#include "platform/user/Input.h"
#include "platform/user/Rects.h"
#include "platform/user/WinUser.h"
#include "platform/user/WindowInternals.h"
#include "platform/user/WindowTree.h"

#include <cstdlib>
#include <vector>

namespace win {

namespace {

Window* Find(HWND hwnd) {
    return Desktop::Get().Find(hwnd);
}

LPARAM PackPoint(POINT p) {
    return MAKELPARAM(WORD(p.x), WORD(p.y));
}

bool InsideShape(const Window& window, POINT screen) {
    if (!Contains(WindowScreenRect(window), screen))
        return false;
    if (!window.windowRegion)
        return true;
    const POINT origin = WindowScreenOrigin(window);
    return PtInRegion(window.windowRegion.Get(), screen.x - origin.x, screen.y - origin.y) != FALSE;
}

// Windows under the point, deepest first, in z-order within each level.
void CollectUnder(Window& window, POINT screen, std::vector<HWND>& found) {
    if (!window.IsVisible() || !InsideShape(window, screen))
        return;
    if (Contains(ClientScreenRect(window), screen) && !(window.style & WS_MINIMIZE)) {
        for (Window* child : window.children) {
            if ((child->style & WS_DISABLED) && child->IsChild())
                continue; // a disabled child lets its parent have the mouse
            CollectUnder(*child, screen, found);
        }
    }
    found.push_back(window.handle);
}

HWND HitTestWindow(POINT screen, int& hit) {
    std::vector<HWND> candidates;
    for (Window* top : Desktop::Get().Root().children) {
        CollectUnder(*top, screen, candidates);
        if (!candidates.empty())
            break;
    }
    for (HWND hwnd : candidates) {
        if (!IsWindow(hwnd))
            continue;
        hit = int(Send(hwnd, WM_NCHITTEST, 0, PackPoint(screen)));
        if (hit != HTTRANSPARENT)
            return hwnd;
    }
    hit = HTNOWHERE;
    return nullptr;
}

WPARAM MouseKeyFlags() {
    const auto& keys = Desktop::Get().Input().asyncKeys;
    WPARAM flags = 0;
    if (keys[VK_LBUTTON] & 0x80)
        flags |= MK_LBUTTON;
    if (keys[VK_RBUTTON] & 0x80)
        flags |= MK_RBUTTON;
    if (keys[VK_MBUTTON] & 0x80)
        flags |= MK_MBUTTON;
    if (keys[VK_SHIFT] & 0x80)
        flags |= MK_SHIFT;
    if (keys[VK_CONTROL] & 0x80)
        flags |= MK_CONTROL;
    return flags;
}

void NotifyLeave(HWND hwnd, int hit) {
    InputState& input = Desktop::Get().Input();
    if (input.trackWindow == nullptr)
        return;
    const bool nonClient = (input.trackFlags & TME_NONCLIENT) != 0;
    const bool sameArea = nonClient ? hit != HTCLIENT : hit == HTCLIENT;
    if (hwnd == input.trackWindow && sameArea)
        return;
    const HWND tracked = input.trackWindow;
    input.trackWindow = nullptr;
    PostMessage(tracked, nonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
}

bool IsButtonDown(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
}

// A press becomes a double click when it repeats the last press on the same
// window within the double-click time and rectangle.
UINT ApplyDoubleClick(UINT message, HWND hwnd, int hit, const MSG& raw) {
    InputState& input = Desktop::Get().Input();
    if (!IsButtonDown(message))
        return message;
    const bool wantsDouble = hit != HTCLIENT || (GetClassLong(hwnd, GCL_STYLE) & CS_DBLCLKS);
    const bool repeat =
        input.lastClickMessage == message && input.lastClickWindow == hwnd &&
        raw.time - input.lastClickTime <= input.doubleClickTime &&
        std::abs(raw.pt.x - input.lastClickPos.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
        std::abs(raw.pt.y - input.lastClickPos.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
    if (repeat && wantsDouble) {
        input.lastClickMessage = 0; // a third press starts over
        return message + (WM_LBUTTONDBLCLK - WM_LBUTTONDOWN);
    }
    input.lastClickMessage = message;
    input.lastClickWindow = hwnd;
    input.lastClickTime = raw.time;
    input.lastClickPos = raw.pt;
    return message;
}

// Every press on a window other than the active one asks it (and, through
// DefWindowProc, its parents) whether to activate its top-level window: a
// child of the active window is asked too and may still eat the click, as on
// Windows. False when the click was eaten.
bool ActivateByClick(HWND hwnd, int hit, UINT message) {
    Desktop& desktop = Desktop::Get();
    Window* window = Find(hwnd);
    if (window == nullptr)
        return false;
    Window& top = desktop.TopLevelOf(*window);
    if (desktop.Input().active == hwnd)
        return true;
    const LRESULT answer = Send(hwnd, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top.handle),
                                MAKELPARAM(WORD(hit), WORD(message)));
    if (answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT)
        if (IsWindow(top.handle))
            ActivateWindow(top.handle, WA_CLICKACTIVE);
    return answer != MA_ACTIVATEANDEAT && answer != MA_NOACTIVATEANDEAT;
}

bool RouteMouse(MSG& msg) {
    Desktop& desktop = Desktop::Get();
    InputState& input = desktop.Input();
    int hit = HTCLIENT;
    HWND hwnd = input.capture;
    if (msg.message == WM_MOUSEWHEEL) {
        hwnd = input.focus != nullptr ? input.focus : input.active;
        if (hwnd == nullptr)
            return false;
        msg.hwnd = hwnd;
        msg.lParam = PackPoint(msg.pt);
        return true;
    }
    if (hwnd == nullptr)
        hwnd = HitTestWindow(msg.pt, hit);
    NotifyLeave(hwnd, hit);
    input.lastMouseWindow = hwnd;
    input.lastHitTest = hit;
    if (hwnd == nullptr)
        return false;
    Window* window = Find(hwnd);
    if (window == nullptr || !IsEnabledWindow(desktop.TopLevelOf(*window)))
        return false;
    UINT message = ApplyDoubleClick(msg.message, hwnd, hit, msg);
    if (input.capture == nullptr) {
        if (IsButtonDown(msg.message) && !ActivateByClick(hwnd, hit, message))
            return false;
        if (!IsWindow(hwnd))
            return false;
        Send(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd),
             MAKELPARAM(WORD(hit), WORD(msg.message)));
    }
    msg.hwnd = hwnd;
    if (hit == HTCLIENT) {
        POINT client = msg.pt;
        ScreenToClient(hwnd, &client);
        msg.message = message;
        msg.lParam = PackPoint(client);
    } else {
        msg.message = message - (WM_MOUSEMOVE - WM_NCMOUSEMOVE);
        msg.wParam = WPARAM(hit);
        msg.lParam = PackPoint(msg.pt);
    }
    return true;
}

// Raw key input carries the keyboard state of its moment in lParam (built by
// InjectKey); kControlDown is a private bit beyond Windows' 32 bits.
constexpr LPARAM kAltDown = LPARAM(1) << 29;
constexpr LPARAM kControlDown = LPARAM(1) << 32;

// Alt turns keys into system keys; without a focus window they go to the
// active window as system keys, as Windows does.
bool RouteKey(MSG& msg) {
    InputState& input = Desktop::Get().Input();
    const bool alt = (msg.lParam & kAltDown) != 0;
    const bool control = (msg.lParam & kControlDown) != 0;
    const int vk = int(msg.wParam);
    const bool down = msg.message == WM_KEYDOWN;
    bool system = (alt && !control) || vk == VK_F10 || vk == VK_MENU;
    HWND target = input.focus;
    if (target == nullptr) {
        target = input.active;
        system = true;
    }
    if (target == nullptr)
        return false;
    msg.hwnd = target;
    msg.message = system ? (down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : msg.message;
    msg.lParam &= ~kControlDown;
    return true;
}

LPARAM KeyMessageFlags(int vk, bool down) {
    const auto& keys = Desktop::Get().Input().asyncKeys;
    LPARAM lParam = 1;
    if (keys[VK_MENU] & 0x80)
        lParam |= kAltDown;
    if (keys[VK_CONTROL] & 0x80)
        lParam |= kControlDown;
    if (!down || (keys[vk & 0xFF] & 0x80))
        lParam |= LPARAM(1) << 30;
    if (!down)
        lParam |= LPARAM(1) << 31;
    return lParam;
}

void QueueRaw(UINT message, WPARAM wParam, POINT pt, LPARAM lParam = 0) {
    Desktop& desktop = Desktop::Get();
    QueuedMessage raw;
    raw.rawInput = true;
    raw.msg.message = message;
    raw.msg.wParam = wParam;
    raw.msg.lParam = lParam;
    raw.msg.pt = pt;
    raw.msg.time = desktop.Time().Now();
    desktop.Queue().Post(raw);
    desktop.Display().Wake();
}

int ButtonKey(MouseButton button) {
    switch (button) {
    case MouseButton::Left:
        return VK_LBUTTON;
    case MouseButton::Right:
        return VK_RBUTTON;
    case MouseButton::Middle:
        break;
    }
    return VK_MBUTTON;
}

UINT ButtonMessage(MouseButton button, KeyTransition transition) {
    const bool down = transition == KeyTransition::Down;
    switch (button) {
    case MouseButton::Left:
        return down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    case MouseButton::Right:
        return down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    case MouseButton::Middle:
        break;
    }
    return down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
}

void SetKey(std::array<BYTE, 256>& keys, int vk, bool down) {
    BYTE& state = keys[vk & 0xFF];
    if (down && !(state & 0x80))
        state ^= 0x01;
    state = BYTE(down ? (state | 0x80) : (state & ~0x80));
}

// Left and right variants also move the generic key.
void SetKeyWithGeneric(std::array<BYTE, 256>& keys, int vk, bool down) {
    SetKey(keys, vk, down);
    if (vk == VK_LSHIFT || vk == VK_RSHIFT)
        SetKey(keys, VK_SHIFT, down);
    if (vk == VK_LCONTROL || vk == VK_RCONTROL)
        SetKey(keys, VK_CONTROL, down);
    if (vk == VK_LMENU || vk == VK_RMENU)
        SetKey(keys, VK_MENU, down);
}

std::u32string DecodeUtf8(const std::string& text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80         ? 1
                           : (lead >> 5) == 6  ? 2
                           : (lead >> 4) == 14 ? 3
                           : (lead >> 3) == 30 ? 4
                                               : 0;
        if (length == 0 || i + std::size_t(length) > text.size()) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        bool valid = true;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + std::size_t(k)]);
            valid = valid && (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        out.push_back(valid ? c : 0xFFFD);
        i += valid ? std::size_t(length) : 1;
    }
    return out;
}

} // namespace

bool RouteInput(MSG& msg) {
    if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST)
        return RouteMouse(msg);
    if (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP)
        return RouteKey(msg);
    if (msg.message == WM_CHAR) {
        msg.hwnd = Desktop::Get().Input().focus;
        return msg.hwnd != nullptr;
    }
    return false;
}

bool IsAltKey(int vk) {
    return vk == VK_MENU || vk == VK_LMENU || vk == VK_RMENU;
}

// Tracked as messages are taken, not in DefWindowProc, so that Alt+letter
// cancels the lone Alt even when the application answers the letter itself.
void NoteMenuKey(InputState& input, const MSG& msg) {
    const int vk = int(msg.wParam);
    const bool down = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
    if (down && (IsAltKey(vk) || vk == VK_F10)) {
        const bool repeat = (msg.lParam & (LPARAM(1) << 30)) != 0;
        if (!repeat)
            input.loneMenuKey = IsAltKey(vk) ? VK_MENU : VK_F10;
    } else if (down || IsButtonDown(msg.message) || msg.message == WM_NCLBUTTONDOWN ||
               msg.message == WM_NCRBUTTONDOWN) {
        input.loneMenuKey = 0;
    }
}

void NoteKeyState(const MSG& msg) {
    InputState& input = Desktop::Get().Input();
    NoteMenuKey(input, msg);
    auto& keys = input.keys;
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        SetKeyWithGeneric(keys, int(msg.wParam), true);
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        SetKeyWithGeneric(keys, int(msg.wParam), false);
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        SetKey(keys, VK_LBUTTON, true);
        break;
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP:
        SetKey(keys, VK_LBUTTON, false);
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
        SetKey(keys, VK_RBUTTON, true);
        break;
    case WM_RBUTTONUP:
    case WM_NCRBUTTONUP:
        SetKey(keys, VK_RBUTTON, false);
        break;
    default:
        break;
    }
}

void InjectMouseMove(POINT screen) {
    Desktop::Get().Input().cursorPos = screen;
    QueueRaw(WM_MOUSEMOVE, MouseKeyFlags(), screen);
}

void InjectMouseButton(MouseButton button, KeyTransition transition, POINT screen) {
    InputState& input = Desktop::Get().Input();
    input.cursorPos = screen;
    SetKey(input.asyncKeys, ButtonKey(button), transition == KeyTransition::Down);
    QueueRaw(ButtonMessage(button, transition), MouseKeyFlags(), screen);
}

void InjectMouseWheel(int delta, POINT screen) {
    Desktop::Get().Input().cursorPos = screen;
    QueueRaw(WM_MOUSEWHEEL, MAKEWPARAM(WORD(MouseKeyFlags()), WORD(std::int16_t(delta))), screen);
}

void InjectKey(int virtualKey, KeyTransition transition) {
    const bool down = transition == KeyTransition::Down;
    const LPARAM flags = KeyMessageFlags(virtualKey, down);
    SetKeyWithGeneric(Desktop::Get().Input().asyncKeys, virtualKey, down);
    QueueRaw(down ? WM_KEYDOWN : WM_KEYUP, WPARAM(virtualKey), Desktop::Get().Input().cursorPos,
             flags);
}

void InjectText(const std::string& utf8) {
    for (char32_t c : DecodeUtf8(utf8))
        QueueRaw(WM_CHAR, WPARAM(c), Desktop::Get().Input().cursorPos);
}

short GetKeyState(int virtualKey) {
    const BYTE state = Desktop::Get().Input().keys[virtualKey & 0xFF];
    return short((state & 0x80 ? 0x8000 : 0) | (state & 0x01));
}

short GetAsyncKeyState(int virtualKey) {
    const BYTE state = Desktop::Get().Input().asyncKeys[virtualKey & 0xFF];
    return short(state & 0x80 ? 0x8000 : 0);
}

BOOL GetCursorPos(POINT* point) {
    if (point == nullptr)
        return FALSE;
    *point = Desktop::Get().Input().cursorPos;
    return TRUE;
}

BOOL SetCursorPos(int x, int y) {
    InjectMouseMove(POINT{x, y});
    return TRUE;
}

HWND WindowFromPoint(POINT point) {
    int hit = HTNOWHERE;
    return HitTestWindow(point, hit);
}

BOOL TrackMouseEvent(TRACKMOUSEEVENT* track) {
    if (track == nullptr || track->cbSize != sizeof(TRACKMOUSEEVENT))
        return FALSE;
    InputState& input = Desktop::Get().Input();
    if (track->dwFlags & TME_QUERY) {
        track->hwndTrack = input.trackWindow;
        track->dwFlags = input.trackWindow == nullptr ? 0 : input.trackFlags;
        return TRUE;
    }
    if (track->dwFlags & TME_CANCEL) {
        if (input.trackWindow == track->hwndTrack)
            input.trackWindow = nullptr;
        return TRUE;
    }
    if (!(track->dwFlags & TME_LEAVE) || !IsWindow(track->hwndTrack))
        return FALSE;
    input.trackWindow = track->hwndTrack;
    input.trackFlags = track->dwFlags & (TME_LEAVE | TME_NONCLIENT);
    // Already outside the tracked area: the leave comes at once.
    NotifyLeave(input.lastMouseWindow, input.lastHitTest);
    return TRUE;
}

UINT GetDoubleClickTime() {
    return Desktop::Get().Input().doubleClickTime;
}

BOOL SetDoubleClickTime(UINT milliseconds) {
    Desktop::Get().Input().doubleClickTime = milliseconds == 0 ? 500 : milliseconds;
    return TRUE;
}

} // namespace win

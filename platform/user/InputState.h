#pragma once
// Keyboard and mouse state of the GUI thread: focus, activation, capture, key
// states, cursor, mouse tracking and the last click for double clicks.

#include "platform/user/UserTypes.h"

#include <array>

namespace win {

struct InputState {
    HWND focus = nullptr;
    HWND active = nullptr;
    HWND capture = nullptr;
    HCURSOR cursor = nullptr;
    POINT cursorPos;

    // Bit 0x80: down; bit 0x01: toggled. `keys` follows retrieved messages
    // (GetKeyState), `asyncKeys` follows the input as it arrives.
    std::array<BYTE, 256> keys{};
    std::array<BYTE, 256> asyncKeys{};

    // TrackMouseEvent: the window and the area (client or not) being watched.
    HWND trackWindow = nullptr;
    DWORD trackFlags = 0;
    // Where the last routed mouse message went, to notice leaving it.
    HWND lastMouseWindow = nullptr;
    int lastHitTest = 0;

    // Double clicks: the last button press and where it went.
    UINT lastClickMessage = 0;
    HWND lastClickWindow = nullptr;
    DWORD lastClickTime = 0;
    POINT lastClickPos;
    UINT doubleClickTime = 500;

    // Alt or F10 pressed with no other key or button since: its release enters
    // the menu bar (0 when none).
    int loneMenuKey = 0;

    // The message being dispatched, for GetMessageTime and GetMessagePos.
    DWORD messageTime = 0;
    POINT messagePos;
};

} // namespace win

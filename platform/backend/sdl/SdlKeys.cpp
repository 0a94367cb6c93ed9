#include "platform/backend/sdl/SdlKeys.h"

#include "platform/user/VirtualKeys.h"

namespace win::sdl {

int VirtualKeyFromScancode(SDL_Scancode scancode) {
    if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z)
        return 'A' + (scancode - SDL_SCANCODE_A);
    if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9)
        return '1' + (scancode - SDL_SCANCODE_1);
    if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F12)
        return VK_F1 + (scancode - SDL_SCANCODE_F1);
    switch (scancode) {
    case SDL_SCANCODE_0:
        return '0';
    case SDL_SCANCODE_RETURN:
    case SDL_SCANCODE_KP_ENTER:
        return VK_RETURN;
    case SDL_SCANCODE_ESCAPE:
        return VK_ESCAPE;
    case SDL_SCANCODE_BACKSPACE:
        return VK_BACK;
    case SDL_SCANCODE_TAB:
        return VK_TAB;
    case SDL_SCANCODE_SPACE:
        return VK_SPACE;
    case SDL_SCANCODE_PAGEUP:
        return VK_PRIOR;
    case SDL_SCANCODE_PAGEDOWN:
        return VK_NEXT;
    case SDL_SCANCODE_END:
        return VK_END;
    case SDL_SCANCODE_HOME:
        return VK_HOME;
    case SDL_SCANCODE_LEFT:
        return VK_LEFT;
    case SDL_SCANCODE_UP:
        return VK_UP;
    case SDL_SCANCODE_RIGHT:
        return VK_RIGHT;
    case SDL_SCANCODE_DOWN:
        return VK_DOWN;
    case SDL_SCANCODE_INSERT:
        return VK_INSERT;
    case SDL_SCANCODE_DELETE:
        return VK_DELETE;
    case SDL_SCANCODE_LSHIFT:
        return VK_LSHIFT;
    case SDL_SCANCODE_RSHIFT:
        return VK_RSHIFT;
    case SDL_SCANCODE_LCTRL:
        return VK_LCONTROL;
    case SDL_SCANCODE_RCTRL:
        return VK_RCONTROL;
    case SDL_SCANCODE_LALT:
        return VK_LMENU;
    case SDL_SCANCODE_RALT:
        return VK_RMENU;
    case SDL_SCANCODE_CAPSLOCK:
        return VK_CAPITAL;
    case SDL_SCANCODE_PAUSE:
        return VK_PAUSE;
    default:
        return 0;
    }
}

} // namespace win::sdl

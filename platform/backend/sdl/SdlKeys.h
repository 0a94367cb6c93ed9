#pragma once
// SDL key codes to Windows virtual keys.

#include <SDL2/SDL.h>

namespace win::sdl {

// 0 for keys the window manager does not know.
int VirtualKeyFromScancode(SDL_Scancode scancode);

} // namespace win::sdl

#pragma once
// Typed text and the input method for the focus window. Text input is on only
// while the focus window takes characters (an input method would otherwise
// swallow keys meant for a button); the input method's window is placed at
// the focus window's caret; compositions and committed text go to the window
// manager.

#include "platform/user/UserTypes.h"

#include <SDL2/SDL.h>
#include <cstddef>
#include <string>

namespace win::sdl {

// False for windows that call themselves buttons or static text in their
// WM_GETDLGCODE answer without asking for characters.
bool WantsTextInput(HWND focus);
// Where the input method's window belongs, in window coordinates of the
// top-level window holding `focus`: the caret line of an edit (the start of
// its selection, which typing replaces), else the focus window's client area.
RECT TextInputRect(HWND focus);
// The byte offset of character `index` in UTF-8 text (input methods count
// their cursor in characters), the end for an index beyond it.
std::size_t ByteOffsetOfCharacter(const std::string& utf8, int index);

class SdlTextInput {
public:
    // After the loop dispatched what came in: follows the focus window and
    // its caret.
    void FollowFocus();
    // Typing, clicking or moving the window may have moved the caret.
    void CaretMayHaveMoved() { caretMoved_ = true; }
    // The input method places its window from the rectangle and the window's
    // position at the time the rectangle is set: set it again.
    void WindowMoved() {
        caretMoved_ = true;
        rect_ = RECT{};
    }
    // SDL_TEXTEDITING(_EXT) and SDL_TEXTINPUT; false for any other event.
    bool Translate(const SDL_Event& event);

private:
    HWND target_ = nullptr;
    bool followed_ = false;
    bool caretMoved_ = true;
    RECT rect_{};
};

} // namespace win::sdl

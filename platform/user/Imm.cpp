// The composition of the GUI thread's one input context, fed by the backend.

#include "platform/user/Imm.h"

#include "platform/user/BackendSupport.h"
#include "platform/user/WinUser.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace win {

namespace {

struct Composition {
    HWND target = nullptr; // the window that saw WM_IME_STARTCOMPOSITION
    std::string text;
    std::size_t cursor = 0;
};

Composition& State() {
    static Composition state;
    return state;
}

HIMC ContextHandle() {
    return reinterpret_cast<HIMC>(&State());
}

// The last character of UTF-8 text, for WM_IME_COMPOSITION's wParam.
WPARAM LastCharacter(const std::string& text) {
    std::size_t start = text.size();
    while (start > 0 && (static_cast<unsigned char>(text[--start]) & 0xC0) == 0x80) {
    }
    const auto lead = static_cast<unsigned char>(text[start]);
    const int extra = lead < 0xC0 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
    char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
    for (std::size_t i = start + 1; i < text.size(); ++i)
        c = (c << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
    return WPARAM(c);
}

void End(Composition& state) {
    const HWND target = state.target;
    state = Composition{};
    SendMessage(target, WM_IME_COMPOSITION, 0, 0);
    SendMessage(target, WM_IME_ENDCOMPOSITION, 0, 0);
}

} // namespace

// Sent, as the input method does on Windows: each message is handled while
// the composition is what it announces.
void InjectComposition(const std::string& utf8, std::size_t cursor) {
    Composition& state = State();
    // A composition moves with the focus: the old window's one ends.
    if (state.target != nullptr && (utf8.empty() || state.target != GetFocus()))
        End(state);
    const HWND focus = GetFocus();
    if (utf8.empty() || focus == nullptr)
        return;
    if (state.target == nullptr) {
        state.target = focus;
        SendMessage(focus, WM_IME_STARTCOMPOSITION, 0, 0);
    }
    state.text = utf8;
    // The cursor lands on a character boundary inside the text.
    state.cursor = std::min(cursor, utf8.size());
    while (state.cursor > 0 && state.cursor < utf8.size() &&
           (static_cast<unsigned char>(utf8[state.cursor]) & 0xC0) == 0x80)
        --state.cursor;
    SendMessage(focus, WM_IME_COMPOSITION, LastCharacter(utf8), GCS_COMPSTR | GCS_CURSORPOS);
}

HIMC ImmGetContext(HWND hwnd) {
    return IsWindow(hwnd) ? ContextHandle() : nullptr;
}

BOOL ImmReleaseContext(HWND, HIMC context) {
    return context == ContextHandle() ? TRUE : FALSE;
}

LONG ImmGetCompositionString(HIMC context, DWORD index, void* buffer, DWORD size) {
    if (context != ContextHandle())
        return IMM_ERROR_GENERAL;
    const Composition& state = State();
    switch (index) {
    case GCS_COMPSTR: {
        if (size == 0)
            return LONG(state.text.size());
        if (buffer == nullptr)
            return IMM_ERROR_GENERAL;
        // A short buffer gets whole characters only.
        std::size_t copied = std::min<std::size_t>(size, state.text.size());
        while (copied < state.text.size() && copied > 0 &&
               (static_cast<unsigned char>(state.text[copied]) & 0xC0) == 0x80)
            --copied;
        std::memcpy(buffer, state.text.data(), copied);
        return LONG(copied);
    }
    case GCS_CURSORPOS:
        return LONG(state.cursor);
    default:
        return IMM_ERROR_GENERAL;
    }
}

} // namespace win

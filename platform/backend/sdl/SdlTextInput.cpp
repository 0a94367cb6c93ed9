#include "platform/backend/sdl/SdlTextInput.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Text.h"
#include "platform/user/BackendSupport.h"
#include "platform/user/Input.h"
#include "platform/user/Painting.h"
#include "platform/user/Rects.h"
#include "platform/user/WinUser.h"
#include "platform/user/controls/StandardControls.h"

#include <algorithm>

namespace win::sdl {

namespace {

LRESULT DialogCode(HWND hwnd) {
    return SendMessage(hwnd, WM_GETDLGCODE, 0, 0);
}

LONG LineHeight(HWND hwnd) {
    HDC dc = GetDC(hwnd);
    const auto font = reinterpret_cast<HFONT>(SendMessage(hwnd, WM_GETFONT, 0, 0));
    const HGDIOBJ old = font != nullptr ? SelectObject(dc, font) : nullptr;
    TEXTMETRIC metrics;
    GetTextMetrics(dc, &metrics);
    if (old != nullptr)
        SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    return std::max<LONG>(metrics.tmHeight, 1);
}

// The caret line in client coordinates, or false for a window without one.
bool CaretLine(HWND hwnd, RECT& line) {
    if (!(DialogCode(hwnd) & DLGC_HASSETSEL))
        return false;
    DWORD start = 0, end = 0;
    SendMessage(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const LRESULT position = SendMessage(hwnd, EM_POSFROMCHAR, start, 0);
    if (position == -1)
        return false;
    const int x = GET_X_LPARAM(position), y = GET_Y_LPARAM(position);
    line = RECT{x, y, x + 1, y + LineHeight(hwnd)};
    return true;
}

} // namespace

bool WantsTextInput(HWND focus) {
    if (!IsWindow(focus))
        return false;
    const LRESULT code = DialogCode(focus);
    return (code & DLGC_WANTCHARS) || !(code & (DLGC_BUTTON | DLGC_STATIC));
}

RECT TextInputRect(HWND focus) {
    RECT client{};
    if (!CaretLine(focus, client))
        GetClientRect(focus, &client);
    RECT top{};
    GetWindowRect(GetAncestor(focus, GA_ROOT), &top);
    MapWindowPoints(focus, nullptr, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -top.left, -top.top);
    return client;
}

std::size_t ByteOffsetOfCharacter(const std::string& utf8, int index) {
    std::size_t at = 0;
    for (int counted = 0; at < utf8.size(); ++at) {
        if ((static_cast<unsigned char>(utf8[at]) & 0xC0) == 0x80)
            continue;
        if (counted++ == index)
            return at;
    }
    return utf8.size();
}

void SdlTextInput::FollowFocus() {
    const HWND focus = GetFocus();
    // SDL starts with text input on; the first look sets it as the focus wants.
    if (focus != target_ || !followed_) {
        target_ = focus;
        followed_ = true;
        caretMoved_ = true;
        const bool wanted = WantsTextInput(focus);
        if (wanted != bool(SDL_IsTextInputActive())) {
            rect_ = RECT{};
            if (wanted)
                SDL_StartTextInput();
            else
                SDL_StopTextInput();
        }
    }
    if (!SDL_IsTextInputActive() || !caretMoved_)
        return;
    caretMoved_ = false;
    const RECT rect = TextInputRect(focus);
    if (rect == rect_)
        return;
    rect_ = rect;
    SDL_Rect area{int(rect.left), int(rect.top), int(rect.right - rect.left),
                  int(rect.bottom - rect.top)};
    SDL_SetTextInputRect(&area);
}

bool SdlTextInput::Translate(const SDL_Event& event) {
    switch (event.type) {
    case SDL_TEXTEDITING: {
        const std::string text = event.edit.text;
        InjectComposition(text, ByteOffsetOfCharacter(text, event.edit.start));
        break;
    }
    case SDL_TEXTEDITING_EXT: {
        const std::string text = event.editExt.text != nullptr ? event.editExt.text : "";
        SDL_free(event.editExt.text);
        InjectComposition(text, ByteOffsetOfCharacter(text, event.editExt.start));
        break;
    }
    case SDL_TEXTINPUT:
        // The composition ends before its result arrives, as on Windows.
        InjectComposition("", 0);
        InjectText(event.text.text);
        break;
    default:
        return false;
    }
    caretMoved_ = true;
    return true;
}

} // namespace win::sdl

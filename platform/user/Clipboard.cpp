// The clipboard holds text only, kept by the backend (the display's clipboard
// where there is one). Data handles are pointers to NUL-terminated UTF-8
// strings owned by the clipboard until the next EmptyClipboard.

#include "platform/user/Desktop.h"
#include "platform/user/WinUser.h"

#include <string>

namespace win {

namespace {

struct ClipboardState {
    bool open = false;
    std::string text; // last text handed out, kept alive for the caller
};

ClipboardState& State() {
    static ClipboardState state;
    return state;
}

bool IsTextFormat(UINT format) {
    return format == CF_TEXT || format == CF_UNICODETEXT;
}

} // namespace

BOOL OpenClipboard(HWND) {
    if (State().open)
        return FALSE;
    State().open = true;
    return TRUE;
}

BOOL CloseClipboard() {
    if (!State().open)
        return FALSE;
    State().open = false;
    return TRUE;
}

BOOL EmptyClipboard() {
    if (!State().open)
        return FALSE;
    Desktop::Get().Display().SetClipboardText("");
    return TRUE;
}

BOOL IsClipboardFormatAvailable(UINT format) {
    return IsTextFormat(format) && !Desktop::Get().Display().ClipboardText().empty();
}

HANDLE SetClipboardData(UINT format, HANDLE data) {
    if (!State().open || !IsTextFormat(format) || data == nullptr)
        return nullptr;
    Desktop::Get().Display().SetClipboardText(static_cast<const char*>(data));
    return data;
}

HANDLE GetClipboardData(UINT format) {
    if (!State().open || !IsTextFormat(format))
        return nullptr;
    State().text = Desktop::Get().Display().ClipboardText();
    return State().text.empty() ? nullptr : const_cast<char*>(State().text.c_str());
}

} // namespace win

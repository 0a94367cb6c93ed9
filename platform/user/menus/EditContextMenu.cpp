#include "platform/user/menus/EditContextMenu.h"

#include "platform/user/controls/StandardControls.h"
#include "platform/user/menus/Menus.h"

#include <string>

namespace win {

namespace {

// Windows uses the messages themselves as the items' ids.
constexpr UINT WM_UNDO = 0x0304;
constexpr UINT kSelectAll = EM_SETSEL;

struct EditState {
    bool canUndo, hasSelection, readOnly, password, hasText, allSelected, canPaste;
};

EditState StateOf(HWND edit) {
    DWORD start = 0, end = 0;
    SendMessage(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const int length = GetWindowTextLength(edit);
    const DWORD style = DWORD(GetWindowLong(edit, GWL_STYLE));
    return EditState{SendMessage(edit, EM_CANUNDO, 0, 0) != 0,
                     start != end,
                     (style & ES_READONLY) != 0,
                     SendMessage(edit, EM_GETPASSWORDCHAR, 0, 0) != 0,
                     length > 0,
                     start == 0 && int(end) >= length,
                     IsClipboardFormatAvailable(CF_TEXT) != FALSE};
}

HMENU BuildMenu(const EditState& s) {
    const auto flag = [](bool enabled) { return MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED); };
    const HMENU menu = CreatePopupMenu();
    AppendMenu(menu, flag(s.canUndo && !s.readOnly), WM_UNDO, "撤消(&U)");
    AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenu(menu, flag(s.hasSelection && !s.readOnly && !s.password), WM_CUT, "剪切(&T)");
    AppendMenu(menu, flag(s.hasSelection && !s.password), WM_COPY, "复制(&C)");
    AppendMenu(menu, flag(s.canPaste && !s.readOnly), WM_PASTE, "粘贴(&P)");
    AppendMenu(menu, flag(s.hasSelection && !s.readOnly), WM_CLEAR, "删除(&D)");
    AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenu(menu, flag(s.hasText && !s.allSelected), kSelectAll, "全选(&A)");
    return menu;
}

} // namespace

LRESULT ShowEditContextMenu(HWND edit, LPARAM lParam) {
    if (!IsWindow(edit))
        return 0;
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (lParam == -1) {
        RECT r;
        GetWindowRect(edit, &r);
        at = POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    SetFocus(edit);
    const HMENU menu = BuildMenu(StateOf(edit));
    const UINT chosen =
        UINT(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, edit, nullptr));
    DestroyMenu(menu);
    if (!IsWindow(edit) || chosen == 0)
        return 0;
    if (chosen == kSelectAll)
        SendMessage(edit, EM_SETSEL, 0, -1);
    else
        SendMessage(edit, chosen, 0, 0);
    return 0;
}

} // namespace win

#include "framework/gui/DialogKeys.h"

#include "framework/gui/Menus.h"
#include "platform/kernel/Utf8Encoder.h"
#include "platform/user/controls/StandardControls.h"

#include <algorithm>
#include <string>

namespace fw {

namespace {

constexpr win::LPARAM kAltDown = win::LPARAM(1) << 29;

bool KeyHeld(int virtualKey) {
    return win::GetKeyState(virtualKey) < 0;
}

std::size_t Utf8SequenceLength(unsigned char lead) {
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

// The character after the last single "&" of the caption, as UTF-8.
std::string_view Hotkey(std::string_view caption) {
    std::string_view hotkey;
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        ++i;
        if (caption[i] == '&')
            continue;
        const std::size_t length = std::min(
            Utf8SequenceLength(static_cast<unsigned char>(caption[i])), caption.size() - i);
        hotkey = caption.substr(i, length);
    }
    return hotkey;
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

// The framework control of hwnd, or of the nearest window above it that has one
// (the edit inside a combo box belongs to the combo box's control).
TWinControl* ControlOfWindow(win::HWND hwnd) {
    for (; hwnd; hwnd = win::GetParent(hwnd))
        if (TWinControl* control = TWinControl::FindControl(hwnd))
            return control;
    return nullptr;
}

bool IsBelow(const TWinControl& control, const TWinControl& container) {
    for (const TWinControl* parent = control.Parent(); parent; parent = parent->Parent())
        if (parent == &container)
            return true;
    return false;
}

void AppendTabOrder(const TWinControl& container, std::vector<TWinControl*>& list) {
    for (TWinControl* child : container.TabList()) {
        list.push_back(child);
        AppendTabOrder(*child, list);
    }
}

win::LRESULT DialogCode(TWinControl& control) {
    return control.Perform(win::WM_GETDLGCODE);
}

// Moving onto a radio button with the arrows selects it, as dialogs do.
void CheckFocusedRadio() {
    TWinControl* focused = FocusedControl();
    if (!focused || !(DialogCode(*focused) & win::DLGC_RADIOBUTTON))
        return;
    if (win::SendMessage(focused->Handle(), win::BM_GETCHECK, 0, 0) != win::BST_CHECKED)
        win::SendMessage(focused->Handle(), win::BM_CLICK, 0, 0);
}

// Which WM_GETDLGCODE answer keeps a key with the control.
win::LRESULT WantedMask(win::WPARAM key) {
    switch (key) {
    case win::VK_TAB:
        return win::DLGC_WANTTAB;
    case win::VK_LEFT:
    case win::VK_RIGHT:
    case win::VK_UP:
    case win::VK_DOWN:
        return win::DLGC_WANTARROWS;
    case win::VK_RETURN:
    case win::VK_ESCAPE:
        return win::DLGC_WANTALLKEYS;
    default:
        return 0;
    }
}

} // namespace

TWinControl& ParentForm(TControl& control) {
    TWinControl* top = dynamic_cast<TWinControl*>(&control);
    for (TWinControl* parent = control.Parent(); parent; parent = parent->Parent())
        top = parent;
    return *top;
}

TWinControl* FocusedControl() {
    return ControlOfWindow(win::GetFocus());
}

bool IsAccel(unsigned charCode, std::string_view caption) {
    const std::string_view hotkey = Hotkey(caption);
    if (hotkey.empty() || charCode == 0)
        return false;
    std::string typed;
    win::AppendUtf8(typed, static_cast<char32_t>(charCode));
    return std::equal(typed.begin(), typed.end(), hotkey.begin(), hotkey.end(),
                      [](char a, char b) { return AsciiLower(a) == AsciiLower(b); });
}

bool IsAccelFor(const TMessage& message, TWinControl& control) {
    return message.Msg == CM_DIALOGCHAR &&
           IsAccel(static_cast<unsigned>(message.WParam), control.Caption()) && control.CanFocus();
}

std::vector<TWinControl*> TabOrderList(const TWinControl& container) {
    std::vector<TWinControl*> list;
    AppendTabOrder(container, list);
    return list;
}

TWinControl* FindNextControl(const TWinControl& container, const TWinControl* current, bool forward,
                             bool checkTabStop, bool checkParent) {
    const std::vector<TWinControl*> list = TabOrderList(container);
    if (list.empty())
        return nullptr;
    const auto count = static_cast<std::ptrdiff_t>(list.size());
    std::ptrdiff_t start = std::find(list.begin(), list.end(), current) - list.begin();
    // Without a current control the search starts at the first (or last) one.
    if (start == count)
        start = forward ? count - 1 : 0;
    std::ptrdiff_t i = start;
    do {
        i = forward ? (i + 1) % count : (i + count - 1) % count;
        TWinControl* candidate = list[static_cast<std::size_t>(i)];
        if (candidate->CanFocus() && (!checkTabStop || candidate->TabStop()) &&
            (!checkParent || candidate->Parent() == &container))
            return candidate;
    } while (i != start);
    return nullptr;
}

bool SelectNext(TWinControl& container, const TWinControl* current, bool forward,
                bool checkTabStop) {
    TWinControl* next = FindNextControl(container, current, forward, checkTabStop, !checkTabStop);
    if (!next)
        return false;
    next->SetFocus();
    return true;
}

bool SelectFirst(TWinControl& container) {
    return SelectNext(container, nullptr, true, true);
}

bool ModifierHeld(win::LPARAM keyData) {
    return (keyData & kAltDown) || KeyHeld(win::VK_SHIFT) || KeyHeld(win::VK_CONTROL);
}

bool IsKeyMessage(const win::MSG& msg) {
    if (msg.message < win::WM_KEYFIRST || msg.message > win::WM_KEYLAST)
        return false;
    TWinControl* control = ControlOfWindow(msg.hwnd);
    if (!control || !control->HandleAllocated())
        return false;
    return win::SendMessage(control->Handle(), CN_BASE + msg.message, msg.wParam, msg.lParam) != 0;
}

win::LRESULT ControlDialogKey(TWinControl& control, const TMessage& message) {
    TWinControl& form = ParentForm(control);
    switch (message.Msg) {
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN: {
        // A menu shortcut wins over the dialog keys (an item on Tab or an arrow).
        if (DispatchShortCut(control, message))
            return 1;
        const win::LRESULT mask = WantedMask(message.WParam);
        if (mask == 0 || (DialogCode(control) & mask))
            return 0;
        return form.Perform(CM_DIALOGKEY, message.WParam, message.LParam);
    }
    case CN_CHAR:
        if (DialogCode(control) & win::DLGC_WANTCHARS)
            return 0;
        return form.Perform(CM_DIALOGCHAR, message.WParam, message.LParam);
    case CN_SYSCHAR:
        // Alt+Space stays the system menu's.
        if (message.WParam == win::WPARAM(' '))
            return 0;
        return form.Perform(CM_DIALOGCHAR, message.WParam, message.LParam);
    default:
        return 0;
    }
}

bool FormDialogKey(TWinControl& form, TMessage& message) {
    if (message.LParam & kAltDown)
        return false;
    TWinControl* focused = FocusedControl();
    if (focused && focused != &form && !IsBelow(*focused, form))
        focused = nullptr;
    switch (message.WParam) {
    case win::VK_TAB:
        if (KeyHeld(win::VK_CONTROL))
            return false;
        SelectNext(form, focused, !KeyHeld(win::VK_SHIFT), true);
        message.Result = 1;
        return true;
    case win::VK_LEFT:
    case win::VK_RIGHT:
    case win::VK_UP:
    case win::VK_DOWN:
        if (focused && focused->Parent() &&
            SelectNext(*focused->Parent(), focused,
                       message.WParam == win::VK_RIGHT || message.WParam == win::VK_DOWN, false)) {
            CheckFocusedRadio();
            message.Result = 1;
        }
        return true;
    default:
        return false;
    }
}

} // namespace fw

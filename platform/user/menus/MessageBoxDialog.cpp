#include "platform/user/menus/MessageBoxDialog.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Icons.h"
#include "platform/gdi/Text.h"
#include "platform/user/ModalLoop.h"
#include "platform/user/Rects.h"
#include "platform/user/controls/StandardControls.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace win {

namespace {

// The classic layout, in pixels of the 12-pixel message font.
constexpr int kMargin = 12;
constexpr int kIconGap = 14;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;
constexpr int kTextButtonGap = 16;
constexpr int kMaxTextWidth = 480;
// Control ids Windows gives the icon and the text of a message box.
constexpr int kIconId = 20;
constexpr int kTextId = 0xFFFF;

int ButtonRowWidth(int count) {
    return count * kButtonWidth + (count - 1) * kButtonGap;
}

// The button texts of a Chinese-language system, which the program's users have.
std::vector<MessageBoxDialog::BoxButton> ButtonsFor(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {{IDOK, "确定"}, {IDCANCEL, "取消"}};
    case MB_ABORTRETRYIGNORE:
        return {{IDABORT, "中止(&A)"}, {IDRETRY, "重试(&R)"}, {IDIGNORE, "忽略(&I)"}};
    case MB_YESNOCANCEL:
        return {{IDYES, "是(&Y)"}, {IDNO, "否(&N)"}, {IDCANCEL, "取消"}};
    case MB_YESNO:
        return {{IDYES, "是(&Y)"}, {IDNO, "否(&N)"}};
    case MB_RETRYCANCEL:
        return {{IDRETRY, "重试(&R)"}, {IDCANCEL, "取消"}};
    default:
        return {{IDOK, "确定"}};
    }
}

// What Escape and the close box give: Cancel when there is one, OK for a lone
// OK button, nothing otherwise (a Yes/No question must be answered).
int EscapeResult(const std::vector<MessageBoxDialog::BoxButton>& buttons) {
    for (const auto& button : buttons)
        if (button.id == IDCANCEL)
            return IDCANCEL;
    return buttons.size() == 1 && buttons.front().id == IDOK ? IDOK : 0;
}

char MnemonicOf(const char* text) {
    const char* amp = std::strchr(text, '&');
    return amp == nullptr || amp[1] == '\0' ? '\0' : char(std::tolower((unsigned char)amp[1]));
}

HFONT CreateMessageFont() {
    NONCLIENTMETRICS metrics;
    SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    return CreateFontIndirect(&metrics.lfMessageFont);
}

SIZE MeasureText(HFONT font, const std::string& text) {
    const HDC hdc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(hdc, font);
    RECT r{0, 0, kMaxTextWidth, 0};
    DrawText(hdc, text.c_str(), int(text.size()), &r,
             DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
    SelectObject(hdc, old);
    DeleteDC(hdc);
    return SIZE{RectWidth(r), RectHeight(r)};
}

} // namespace

void RegisterMessageBoxClass() {
    static const bool registered = [] {
        WNDCLASS wc;
        wc.style = CS_SAVEBITS | CS_DBLCLKS | CS_GLOBALCLASS;
        wc.lpfnWndProc = MessageBoxDialog::Proc;
        wc.cbWndExtra = sizeof(LONG_PTR);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(std::uintptr_t(COLOR_3DFACE + 1));
        wc.lpszClassName = WC_DIALOG;
        return RegisterClass(&wc) != 0;
    }();
    (void)registered;
}

namespace {

// Centred on the owner (the screen without one), kept on the screen.
POINT PlaceBox(HWND owner, SIZE size) {
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const RECT screen = area;
    if (owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner))
        GetWindowRect(owner, &area);
    POINT p{area.left + (RectWidth(area) - size.cx) / 2,
            area.top + (RectHeight(area) - size.cy) / 2};
    p.x = std::clamp<LONG>(p.x, 0, std::max<LONG>(0, screen.right - size.cx));
    p.y = std::clamp<LONG>(p.y, 0, std::max<LONG>(0, screen.bottom - size.cy));
    return p;
}

HWND CreateChild(HWND parent, const char* className, const char* text, DWORD style, RECT r, int id,
                 HFONT font) {
    const HWND child = CreateWindowEx(
        0, className, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, RectWidth(r),
        RectHeight(r), parent, reinterpret_cast<HMENU>(std::uintptr_t(id)), nullptr, nullptr);
    if (child != nullptr)
        SendMessage(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

} // namespace

MessageBoxDialog::MessageBoxDialog(HWND owner, std::string text, std::string caption, UINT type)
    : owner_(owner), text_(std::move(text)), caption_(std::move(caption)), type_(type),
      boxButtons_(ButtonsFor(type)), font_(CreateMessageFont()) {}

MessageBoxDialog::~MessageBoxDialog() {
    if (IsWindow(box_))
        DestroyWindow(box_);
    if (icon_ != nullptr)
        DestroyIcon(icon_);
    DeleteObject(font_);
}

LRESULT MessageBoxDialog::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        SetWindowLongPtr(hwnd, 0, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* dialog = reinterpret_cast<MessageBoxDialog*>(GetWindowLongPtr(hwnd, 0));
    if (dialog == nullptr || dialog->box_ != hwnd)
        return DefWindowProc(hwnd, message, wParam, lParam);
    return dialog->Handle(message, wParam, lParam);
}

LRESULT MessageBoxDialog::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        // A click, or a command sent or posted with no control (lParam 0), as
        // programs close a box from outside.
        if (HIWORD(wParam) == BN_CLICKED)
            EndByCommand(int(LOWORD(wParam)));
        return 0;
    case WM_CLOSE:
        if (const int escape = EscapeResult(boxButtons_))
            End(escape);
        return 0;
    case WM_ACTIVATE:
        // Activation gives the focus back to the button that had it.
        if (LOWORD(wParam) != WA_INACTIVE && IsWindow(focus_)) {
            SetFocus(focus_);
            return 0;
        }
        return DefWindowProc(box_, message, wParam, lParam);
    case WM_NCDESTROY:
        SetWindowLongPtr(box_, 0, 0);
        return DefWindowProc(box_, message, wParam, lParam);
    default:
        return DefWindowProc(box_, message, wParam, lParam);
    }
}

bool MessageBoxDialog::Create() {
    RegisterMessageBoxClass();
    icon_ = CreateMessageBoxIcon(type_);
    const HICON icon = icon_;
    const int iconSize = icon != nullptr ? GetSystemMetrics(SM_CXICON) : 0;
    const SIZE text = MeasureText(font_, text_);
    const int textLeft = kMargin + (icon != nullptr ? iconSize + kIconGap : 0);
    const int textTop = kMargin + std::max(0, (iconSize - int(text.cy)) / 2);
    const RECT textBox{textLeft, textTop, textLeft + text.cx, textTop + text.cy};
    const int buttonsTop = std::max<int>(textBox.bottom, kMargin + iconSize) + kTextButtonGap;
    const int row = ButtonRowWidth(int(boxButtons_.size()));
    const SIZE client{std::max<LONG>(textBox.right + kMargin, row + 2 * kMargin),
                      buttonsTop + kButtonHeight + kMargin};

    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_CLIPSIBLINGS |
                        ((type_ & MB_SETFOREGROUND) ? DS_SETFOREGROUND : 0);
    const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CONTROLPARENT |
                          ((type_ & (MB_TOPMOST | MB_SYSTEMMODAL)) ? WS_EX_TOPMOST : 0);
    RECT frame{0, 0, client.cx, client.cy};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const SIZE size{RectWidth(frame), RectHeight(frame)};
    const POINT at = PlaceBox(owner_, size);
    box_ = CreateWindowEx(exStyle, WC_DIALOG, caption_.c_str(), style, at.x, at.y, size.cx, size.cy,
                          owner_, nullptr, nullptr, this);
    if (box_ == nullptr)
        return false;
    if (icon != nullptr) {
        const HWND iconStatic = CreateChild(
            box_, WC_STATIC, "", SS_ICON,
            RECT{kMargin, kMargin, kMargin + iconSize, kMargin + iconSize}, kIconId, font_);
        SendMessage(iconStatic, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    }
    CreateChild(box_, WC_STATIC, text_.c_str(), SS_LEFT | SS_NOPREFIX | WS_GROUP, textBox, kTextId,
                font_);
    CreateButtons(client.cx, buttonsTop);
    return IsWindow(box_);
}

void MessageBoxDialog::CreateButtons(int clientWidth, int buttonsTop) {
    const int count = int(boxButtons_.size());
    const int row = ButtonRowWidth(count);
    const int chosen = std::min(int((type_ & MB_DEFMASK) >> 8), count - 1);
    int x = (clientWidth - row) / 2;
    for (int i = 0; i < count; ++i) {
        const DWORD style =
            WS_TABSTOP | (i == 0 ? WS_GROUP : 0) | (i == chosen ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        buttons_.push_back(
            CreateChild(box_, WC_BUTTON, boxButtons_[std::size_t(i)].text, style,
                        RECT{x, buttonsTop, x + kButtonWidth, buttonsTop + kButtonHeight},
                        boxButtons_[std::size_t(i)].id, font_));
        x += kButtonWidth + kButtonGap;
    }
    focus_ = buttons_[std::size_t(chosen)];
}

void MessageBoxDialog::Focus(HWND button) {
    // The focused push button is the default one, as dialogs show it.
    for (HWND b : buttons_)
        SendMessage(b, BM_SETSTYLE, b == button ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    focus_ = button;
    SetFocus(button);
}

void MessageBoxDialog::MoveFocus(int step) {
    const auto it = std::find(buttons_.begin(), buttons_.end(), GetFocus());
    const int count = int(buttons_.size());
    const int at = it == buttons_.end() ? 0 : int(it - buttons_.begin());
    Focus(buttons_[std::size_t((at + step + count) % count)]);
}

void MessageBoxDialog::Press(HWND button) {
    if (IsWindow(button))
        SendMessage(button, BM_CLICK, 0, 0);
}

void MessageBoxDialog::End(int id) {
    result_ = id;
    done_ = true;
}

// A button's id ends the box; IDCANCEL does what Escape does.
void MessageBoxDialog::EndByCommand(int id) {
    for (const BoxButton& button : boxButtons_)
        if (button.id == id) {
            End(id);
            return;
        }
    if (id == IDCANCEL)
        if (const int escape = EscapeResult(boxButtons_))
            End(escape);
}

// Enter, Escape, Tab, the arrows and mnemonics, as a dialog handles them
// before its controls see them.
bool MessageBoxDialog::HandleDialogKey(const MSG& msg) {
    if (msg.hwnd != box_ && !IsChild(box_, msg.hwnd))
        return false;
    if (msg.message == WM_CHAR || msg.message == WM_SYSCHAR) {
        const char key = msg.wParam < 0x80 ? char(std::tolower(int(msg.wParam))) : '\0';
        for (std::size_t i = 0; i < boxButtons_.size(); ++i)
            if (key != '\0' && MnemonicOf(boxButtons_[i].text) == key) {
                Press(buttons_[i]);
                return true;
            }
        return msg.message == WM_SYSCHAR ? false : true;
    }
    if (msg.message != WM_KEYDOWN)
        return false;
    switch (int(msg.wParam)) {
    case VK_RETURN:
        Press(focus_);
        return true;
    case VK_ESCAPE:
        if (const int escape = EscapeResult(boxButtons_))
            End(escape);
        return true;
    case VK_TAB:
        MoveFocus(GetKeyState(VK_SHIFT) < 0 ? -1 : +1);
        return true;
    case VK_LEFT:
    case VK_UP:
        MoveFocus(-1);
        return true;
    case VK_RIGHT:
    case VK_DOWN:
        MoveFocus(+1);
        return true;
    default:
        return false;
    }
}

// The owner, or with MB_TASKMODAL every enabled top-level window of the
// thread, is disabled while the box runs.
int MessageBoxDialog::Run() {
    if (!Create())
        return 0;
    ModalLoop loop;
    loop.window = box_;
    loop.owner = owner_;
    loop.scope = (type_ & MB_TASKMODAL) ? ModalScope::Thread : ModalScope::Owner;
    loop.filterCode = MSGF_MESSAGEBOX;
    loop.preTranslate = [this](const MSG& msg) { return HandleDialogKey(msg); };
    RunModalLoop(loop, [this] { return done_; });
    if (IsWindow(box_))
        DestroyWindow(box_);
    return result_;
}

int MessageBox(HWND owner, const char* text, const char* caption, UINT type) {
    const HWND chosen = owner != nullptr ? GetAncestor(owner, GA_ROOT) : GetActiveWindow();
    MessageBoxDialog dialog(chosen, text == nullptr ? "" : text,
                            caption == nullptr ? "错误" : caption, type);
    return dialog.Run();
}

} // namespace win

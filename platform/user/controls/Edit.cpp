#include "platform/user/controls/Edit.h"

#include "platform/gdi/Utf8.h"
#include "platform/kernel/Utf8Encoder.h"
#include "platform/user/menus/EditContextMenu.h"

#include <algorithm>
#include <cstring>

namespace win::controls {

namespace {

constexpr UINT WM_UNDO = 0x0304;

bool ControlDown() {
    return GetKeyState(VK_CONTROL) < 0;
}

bool ShiftDown() {
    return GetKeyState(VK_SHIFT) < 0;
}

} // namespace

void Edit::Register() {
    RegisterControlClass(WC_EDIT, ControlProc<Edit>, CS_DBLCLKS | CS_PARENTDC, -1, IDC_IBEAM);
}

Edit::Edit(HWND hwnd)
    : hwnd_(hwnd), layout_([this](std::string_view text, int width) -> std::size_t {
          int fit = 0;
          SIZE size;
          GetTextExtentExPoint(measure_.Dc(), text.data(), int(text.size()), width, &fit, nullptr,
                               &size);
          return std::size_t(std::max(0, fit));
      }) {
    const DWORD style = StyleOf(hwnd);
    vscroll_ = style & WS_VSCROLL;
    hscroll_ = style & WS_HSCROLL;
    if (style & ES_PASSWORD)
        passwordChar_ = U'*';
    SetFont(nullptr, false);
}

bool Edit::Wraps() const {
    return Multi() && !hscroll_ && !(StyleOf(hwnd_) & ES_AUTOHSCROLL);
}

std::string Edit::Filtered(std::string_view typed) const {
    const DWORD style = StyleOf(hwnd_);
    std::string out;
    out.reserve(typed.size());
    for (std::size_t at = 0; at < typed.size();) {
        const Utf8Char c = DecodeUtf8(typed, at);
        const std::string_view bytes = typed.substr(at, c.length);
        at += c.length;
        if (!Multi() && (c.code == '\r' || c.code == '\n'))
            break; // a single-line edit keeps the first line of pasted text
        if ((style & ES_NUMBER) && !(c.code >= '0' && c.code <= '9'))
            continue;
        if ((style & ES_UPPERCASE) && c.code >= 'a' && c.code <= 'z')
            out += char(c.code - 32);
        else if ((style & ES_LOWERCASE) && c.code >= 'A' && c.code <= 'Z')
            out += char(c.code + 32);
        else
            out += bytes;
    }
    return out;
}

void Edit::Replace(std::string_view text) {
    const std::size_t start = buffer_.SelectionStart();
    const std::size_t removed = buffer_.SelectionEnd() - start;
    const std::size_t room = buffer_.Room();
    if (!buffer_.ReplaceSelection(text, true)) {
        if (!text.empty())
            NotifyCommand(hwnd_, EN_MAXTEXT);
        return;
    }
    if (text.size() > room)
        NotifyCommand(hwnd_, EN_MAXTEXT);
    TextChanged(start, removed, buffer_.LastInserted());
}

void Edit::TextChanged(std::size_t start, std::size_t removed, std::size_t inserted) {
    layout_.Update(buffer_.Text(), start, removed, inserted);
    modified_ = true;
    if (hscroll_)
        widest_ = WidestLine();
    UpdateScrollBars();
    ScrollCaretIntoView();
    Redraw(hwnd_);
    NotifyCommand(hwnd_, EN_UPDATE);
    NotifyCommand(hwnd_, EN_CHANGE);
}

void Edit::MoveCaret(std::size_t to, Extend extend) {
    buffer_.Select(extend == Extend::Yes ? buffer_.Anchor() : to, to);
    ScrollCaretIntoView();
    Redraw(hwnd_);
}

std::string Edit::Typed(char32_t character) const {
    if (character == '\r' || character == '\n')
        return Multi() ? std::string("\r\n") : std::string();
    if (character == '\t')
        return Multi() ? std::string("\t") : std::string();
    if (character < 0x20 || character == 0x7F)
        return {};
    std::string utf8;
    AppendUtf8(utf8, character);
    return Filtered(utf8);
}

void Edit::OnChar(char32_t character) {
    switch (character) {
    case 0x01: // Ctrl+A
        buffer_.Select(0, buffer_.Size());
        Redraw(hwnd_);
        return;
    case 0x03:
        Copy();
        return;
    case 0x16:
        Paste();
        return;
    case 0x18:
        Cut();
        return;
    case 0x1A:
        UndoChange();
        return;
    default:
        break;
    }
    if (ReadOnly())
        return;
    if (character == VK_BACK) {
        if (!buffer_.HasSelection()) {
            const std::size_t caret = buffer_.Caret();
            buffer_.Select(
                ControlDown() ? buffer_.PreviousWord(caret) : buffer_.PreviousChar(caret), caret);
        }
        Replace({});
        return;
    }
    const std::string typed = Typed(character);
    if (!typed.empty())
        Replace(typed);
}

void Edit::OnKeyDown(WPARAM key) {
    const Extend extend = ShiftDown() ? Extend::Yes : Extend::No;
    const std::size_t caret = buffer_.Caret();
    const std::size_t line = layout_.LineOf(caret);
    const bool control = ControlDown();
    switch (key) {
    case VK_LEFT:
        if (!buffer_.HasSelection() || extend == Extend::Yes || control)
            MoveCaret(control ? buffer_.PreviousWord(caret) : buffer_.PreviousChar(caret), extend);
        else
            MoveCaret(buffer_.SelectionStart(), Extend::No);
        return;
    case VK_RIGHT:
        if (!buffer_.HasSelection() || extend == Extend::Yes || control)
            MoveCaret(control ? buffer_.NextWord(caret) : buffer_.NextChar(caret), extend);
        else
            MoveCaret(buffer_.SelectionEnd(), Extend::No);
        return;
    case VK_HOME:
        MoveCaret(control ? 0 : layout_.Line(line).start, extend);
        return;
    case VK_END:
        MoveCaret(control ? buffer_.Size() : layout_.Line(line).end, extend);
        return;
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT: {
        if (!Multi())
            return;
        const int step = (key == VK_UP || key == VK_DOWN) ? 1 : std::max(1, VisibleLines() - 1);
        const int direction = (key == VK_UP || key == VK_PRIOR) ? -1 : 1;
        const int target =
            std::clamp(int(line) + direction * step, 0, int(layout_.LineCount()) - 1);
        if (key == VK_PRIOR || key == VK_NEXT)
            ScrollLines(direction * step);
        MoveCaret(OffsetAt(std::size_t(target), XOf(caret)), extend);
        return;
    }
    case VK_DELETE:
        if (ReadOnly())
            return;
        if (ShiftDown()) {
            Cut();
            return;
        }
        if (!buffer_.HasSelection())
            buffer_.Select(caret, control ? buffer_.NextWord(caret) : buffer_.NextChar(caret));
        Replace({});
        return;
    case VK_INSERT:
        if (control)
            Copy();
        else if (ShiftDown())
            Paste();
        return;
    default:
        return;
    }
}

void Edit::Copy() {
    // A password is never handed out.
    if (!buffer_.HasSelection() || passwordChar_ != 0)
        return;
    if (!OpenClipboard(hwnd_))
        return;
    EmptyClipboard();
    std::string selected(buffer_.Selected());
    SetClipboardData(CF_TEXT, selected.data());
    CloseClipboard();
}

void Edit::Cut() {
    if (ReadOnly() || passwordChar_ != 0)
        return;
    Copy();
    Clear();
}

void Edit::Clear() {
    if (ReadOnly() || !buffer_.HasSelection())
        return;
    Replace({});
}

void Edit::Paste() {
    if (ReadOnly() || !OpenClipboard(hwnd_))
        return;
    std::string text;
    if (const auto* data = static_cast<const char*>(GetClipboardData(CF_TEXT)))
        text = data;
    CloseClipboard();
    text = Filtered(text);
    if (!text.empty())
        Replace(text);
}

void Edit::UndoChange() {
    if (ReadOnly() || !buffer_.CanUndo())
        return;
    buffer_.Undo();
    layout_.Rebuild(buffer_.Text());
    TextChanged(0, 0, 0);
}

void Edit::SetText(const char* text) {
    buffer_.SetText(Filtered(text ? std::string_view(text) : std::string_view()));
    firstLine_ = 0;
    xOffset_ = 0;
    layout_.Rebuild(buffer_.Text());
    TextChanged(0, 0, 0);
    modified_ = false;
}

LRESULT Edit::GetText(WPARAM size, char* buffer) const {
    if (buffer == nullptr || size == 0)
        return 0;
    const std::size_t count = std::min<std::size_t>(buffer_.Size(), size - 1);
    std::memcpy(buffer, buffer_.Text().data(), count);
    buffer[count] = '\0';
    return LRESULT(count);
}

LRESULT Edit::GetLine(WPARAM line, char* buffer) const {
    // The first WORD of the buffer holds its size; the line is not terminated.
    if (buffer == nullptr || line >= layout_.LineCount())
        return 0;
    WORD size = 0;
    std::memcpy(&size, buffer, sizeof size);
    const EditLine& l = layout_.Line(line);
    const std::size_t count = std::min<std::size_t>(l.end - l.start, size);
    std::memcpy(buffer, buffer_.Text().data() + l.start, count);
    return LRESULT(count);
}

void Edit::SetFont(HFONT font, bool redraw) {
    font_ = font;
    SelectObject(measure_.Dc(), font ? font : GetStockObject(DEFAULT_GUI_FONT));
    lineHeight_ = LineHeight(measure_.Dc());
    Relayout();
    if (redraw)
        Redraw(hwnd_);
}

void Edit::SetMargins(WPARAM which, LPARAM margins) {
    // EC_USEFONTINFO asks for the font's own margin: a third of a character.
    auto margin = [&](WORD value) {
        return value == EC_USEFONTINFO ? std::max(1, lineHeight_ / 6) : int(value);
    };
    if (which & EC_LEFTMARGIN)
        leftMargin_ = margin(LOWORD(std::uintptr_t(margins)));
    if (which & EC_RIGHTMARGIN)
        rightMargin_ = margin(HIWORD(std::uintptr_t(margins)));
    Relayout();
    Redraw(hwnd_);
}

void Edit::OnButtonDown(POINT point, bool doubleClick) {
    SetFocus(hwnd_);
    const std::size_t at = CharFromPos(point);
    if (doubleClick) {
        const std::size_t start = buffer_.PreviousWord(buffer_.NextChar(at));
        buffer_.Select(start, std::max(start, buffer_.NextWord(start)));
        Redraw(hwnd_);
        return;
    }
    SetCapture(hwnd_);
    selecting_ = true;
    MoveCaret(at, ShiftDown() ? Extend::Yes : Extend::No);
}

void Edit::OnMouseMove(POINT point) {
    if (selecting_)
        MoveCaret(CharFromPos(point), Extend::Yes);
}

LRESULT Edit::OnContextMenu(WPARAM, LPARAM lParam) {
    return ShowEditContextMenu(hwnd_, lParam);
}

LRESULT Edit::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE: {
        const LRESULT result = DefWindowProc(hwnd_, message, wParam, lParam);
        const auto* create = reinterpret_cast<const CREATESTRUCT*>(lParam);
        buffer_.SetText(Filtered(create && create->lpszName ? create->lpszName : ""));
        layout_.Rebuild(buffer_.Text());
        return result;
    }
    case WM_CREATE:
    case WM_SIZE:
        Relayout();
        return 0;
    case WM_SETTEXT:
        SetText(reinterpret_cast<const char*>(lParam));
        return TRUE;
    case WM_GETTEXT:
        return GetText(wParam, reinterpret_cast<char*>(lParam));
    case WM_GETTEXTLENGTH:
        return LRESULT(buffer_.Size());
    case WM_SETFONT:
        DefWindowProc(hwnd_, message, wParam, lParam);
        SetFont(reinterpret_cast<HFONT>(wParam), lParam != 0);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    case WM_CHAR:
        OnChar(char32_t(wParam));
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(wParam);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnButtonDown(PointFrom(lParam), message == WM_LBUTTONDBLCLK);
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(PointFrom(lParam));
        return 0;
    case WM_LBUTTONUP:
        if (selecting_) {
            selecting_ = false;
            ReleaseCapture();
        }
        return 0;
    case WM_CAPTURECHANGED:
        selecting_ = false;
        return 0;
    case WM_CONTEXTMENU:
        return OnContextMenu(wParam, lParam);
    case WM_SETFOCUS:
        Redraw(hwnd_);
        NotifyCommand(hwnd_, EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        Redraw(hwnd_);
        NotifyCommand(hwnd_, EN_KILLFOCUS);
        return 0;
    case WM_ENABLE:
        Redraw(hwnd_);
        return 0;
    case WM_VSCROLL:
        OnVScroll(LOWORD(wParam));
        return 0;
    case WM_HSCROLL:
        OnHScroll(LOWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        if (Multi())
            ScrollLines(-3 * std::int16_t(HIWORD(wParam)) / WHEEL_DELTA);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_HASSETSEL | DLGC_WANTCHARS | DLGC_WANTARROWS | (Multi() ? DLGC_WANTALLKEYS : 0);
    case WM_COPY:
        Copy();
        return 0;
    case WM_CUT:
        Cut();
        return 0;
    case WM_PASTE:
        Paste();
        return 0;
    case WM_CLEAR:
        Clear();
        return 0;
    case WM_UNDO:
    case EM_UNDO:
        UndoChange();
        return TRUE;
    case EM_CANUNDO:
        return buffer_.CanUndo() ? TRUE : FALSE;
    case EM_EMPTYUNDOBUFFER:
        buffer_.ForgetUndo();
        return 0;
    case EM_GETSEL: {
        if (wParam)
            *reinterpret_cast<DWORD*>(wParam) = DWORD(buffer_.SelectionStart());
        if (lParam)
            *reinterpret_cast<DWORD*>(lParam) = DWORD(buffer_.SelectionEnd());
        return LRESULT(MAKELONG(WORD(std::min<std::size_t>(buffer_.SelectionStart(), 0xFFFF)),
                                WORD(std::min<std::size_t>(buffer_.SelectionEnd(), 0xFFFF))));
    }
    case EM_SETSEL: {
        // -1 as the start removes the selection; -1 as the end means the end.
        const auto start = std::intptr_t(wParam);
        const auto end = std::intptr_t(lParam);
        const std::size_t size = buffer_.Size();
        if (start == -1)
            buffer_.Select(buffer_.Caret(), buffer_.Caret());
        else
            buffer_.Select(start < 0 ? size : std::size_t(start),
                           end < 0 ? size : std::size_t(end));
        Redraw(hwnd_);
        return 0;
    }
    case EM_REPLACESEL:
        if (lParam) {
            const std::size_t start = buffer_.SelectionStart();
            const std::size_t removed = buffer_.SelectionEnd() - start;
            const std::string text = Filtered(reinterpret_cast<const char*>(lParam));
            if (buffer_.ReplaceSelection(text, wParam != 0))
                TextChanged(start, removed, buffer_.LastInserted());
        }
        return 0;
    case EM_GETLINECOUNT:
        return LRESULT(layout_.LineCount());
    case EM_LINEINDEX: {
        const auto line = std::intptr_t(wParam) < 0 ? layout_.LineOf(buffer_.Caret()) : wParam;
        return line < layout_.LineCount() ? LRESULT(layout_.Line(line).start) : -1;
    }
    case EM_LINELENGTH: {
        if (std::intptr_t(wParam) < 0)
            return 0;
        const EditLine& line = layout_.Line(layout_.LineOf(wParam));
        return LRESULT(line.end - line.start);
    }
    case EM_LINEFROMCHAR:
        return LRESULT(layout_.LineOf(std::intptr_t(wParam) < 0 ? buffer_.SelectionStart()
                                                                : std::size_t(wParam)));
    case EM_GETLINE:
        return GetLine(wParam, reinterpret_cast<char*>(lParam));
    case EM_GETFIRSTVISIBLELINE:
        return Multi() ? firstLine_ : 0;
    case EM_LINESCROLL:
        if (Multi())
            ScrollTo(firstLine_ + int(lParam),
                     xOffset_ + int(std::intptr_t(wParam)) * lineHeight_ / 2);
        return TRUE;
    case EM_SCROLL:
        OnVScroll(WORD(wParam));
        return TRUE;
    case EM_SCROLLCARET:
        ScrollCaretIntoView();
        return TRUE;
    case EM_GETMODIFY:
        return modified_ ? TRUE : FALSE;
    case EM_SETMODIFY:
        modified_ = wParam != 0;
        return 0;
    case EM_SETREADONLY: {
        const DWORD style = StyleOf(hwnd_);
        SetWindowLong(hwnd_, GWL_STYLE, LONG(wParam ? style | ES_READONLY : style & ~ES_READONLY));
        Redraw(hwnd_);
        return TRUE;
    }
    case EM_LIMITTEXT:
        buffer_.SetLimit(wParam == 0 ? 0x7FFFFFFE : std::size_t(wParam));
        return 0;
    case EM_GETLIMITTEXT:
        return LRESULT(buffer_.Limit());
    case EM_SETMARGINS:
        SetMargins(wParam, lParam);
        return 0;
    case EM_GETMARGINS:
        return LRESULT(MAKELONG(WORD(leftMargin_), WORD(rightMargin_)));
    case EM_SETPASSWORDCHAR:
        passwordChar_ = char32_t(wParam);
        Relayout();
        Redraw(hwnd_);
        return 0;
    case EM_GETPASSWORDCHAR:
        return LRESULT(passwordChar_);
    case EM_GETRECT:
        if (lParam)
            *reinterpret_cast<RECT*>(lParam) = TextRect();
        return 0;
    case EM_POSFROMCHAR: {
        if (wParam > buffer_.Size())
            return -1;
        const POINT point = PosFromChar(wParam);
        return LRESULT(MAKELONG(WORD(point.x), WORD(point.y)));
    }
    case EM_CHARFROMPOS: {
        const std::size_t at = CharFromPos(PointFrom(lParam));
        return LRESULT(MAKELONG(WORD(std::min<std::size_t>(at, 0xFFFF)),
                                WORD(std::min<std::size_t>(layout_.LineOf(at), 0xFFFF))));
    }
    default:
        return DefWindowProc(hwnd_, message, wParam, lParam);
    }
}

} // namespace win::controls

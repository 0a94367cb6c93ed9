#include "platform/user/controls/ComboBox.h"

#include "platform/user/controls/ListBox.h"

#include <algorithm>

namespace win::controls {

namespace {

constexpr int kBorder = 2;    // the sunken edge the combo box draws itself
constexpr int kEditId = 1001; // ids of the parts, as Windows numbers them
constexpr int kListId = 1000;

} // namespace

void ComboBox::Register() {
    RegisterControlClass(WC_COMBOBOX, ControlProc<ComboBox>, CS_DBLCLKS | CS_PARENTDC, -1);
}

void ComboBox::Create(const CREATESTRUCT& create) {
    droppedHeight_ = create.cy;
    MeasureField();
    const DWORD style = StyleOf(hwnd_);
    DWORD listStyle = listScrollBars_ | WS_BORDER | LBS_NOTIFY |
                      (style & (CBS_SORT | CBS_HASSTRINGS | CBS_DISABLENOSCROLL)) |
                      ((style & CBS_OWNERDRAWFIXED) ? LBS_OWNERDRAWFIXED : 0) |
                      ((style & CBS_OWNERDRAWVARIABLE) ? LBS_OWNERDRAWVARIABLE : 0);
    // CBS_SORT and LBS_SORT share nothing: translate.
    listStyle = (listStyle & ~CBS_SORT) | ((style & CBS_SORT) ? LBS_SORT : 0);
    listStyle = (listStyle & ~CBS_HASSTRINGS) | ((style & CBS_HASSTRINGS) ? LBS_HASSTRINGS : 0);
    listStyle = (listStyle & ~CBS_DISABLENOSCROLL) |
                ((style & CBS_DISABLENOSCROLL) ? LBS_DISABLENOSCROLL : 0);
    if (Kind() == CBS_SIMPLE) {
        list_ =
            CreateWindowEx(0, WC_LISTBOX, "", WS_CHILD | WS_VISIBLE | listStyle, 0, 0, 0, 0, hwnd_,
                           reinterpret_cast<HMENU>(std::uintptr_t(kListId)), nullptr, nullptr);
    } else {
        list_ =
            CreateWindowEx(WS_EX_TOOLWINDOW, WC_COMBOLBOX, "", WS_POPUP | LBS_COMBOBOX | listStyle,
                           0, 0, 0, 0, hwnd_, nullptr, nullptr, hwnd_);
    }
    if (HasEdit()) {
        const DWORD editStyle = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL |
                                ((style & CBS_AUTOHSCROLL) ? ES_AUTOHSCROLL : 0);
        edit_ = CreateWindowEx(0, WC_EDIT, create.lpszName ? create.lpszName : "", editStyle, 0, 0,
                               0, 0, hwnd_, reinterpret_cast<HMENU>(std::uintptr_t(kEditId)),
                               nullptr, nullptr);
    }
    FitField();
}

void ComboBox::MeasureField() {
    if (fieldHeightSet_)
        return;
    MeasuringDc dc;
    DcState state(dc.Dc(), ControlFont(hwnd_));
    itemHeight_ = LineHeight(dc.Dc()) + 2;
}

void ComboBox::FitField() {
    if (Kind() != CBS_SIMPLE) {
        // The window is as tall as its selection field; the height asked for
        // is what the dropped list may use.
        RECT window;
        GetWindowRect(hwnd_, &window);
        SetWindowPos(hwnd_, nullptr, 0, 0, window.right - window.left,
                     itemHeight_ + 2 * kBorder + 2, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    Layout();
}

RECT ComboBox::ButtonRect() const {
    const RECT client = ClientRect(hwnd_);
    if (Kind() == CBS_SIMPLE)
        return RECT{};
    const int width = GetSystemMetrics(SM_CXVSCROLL);
    return RECT{client.right - kBorder - width, kBorder, client.right - kBorder,
                client.bottom - kBorder};
}

RECT ComboBox::ItemRect() const {
    const RECT client = ClientRect(hwnd_);
    const RECT button = ButtonRect();
    const int right = Kind() == CBS_SIMPLE ? client.right - kBorder : button.left;
    const int bottom = Kind() == CBS_SIMPLE ? kBorder + itemHeight_ + 2 : client.bottom - kBorder;
    return RECT{kBorder, kBorder, right, bottom};
}

void ComboBox::Layout() {
    const RECT item = ItemRect();
    if (edit_)
        MoveWindow(edit_, item.left + 1, item.top + 1, item.right - item.left - 2,
                   item.bottom - item.top - 2, TRUE);
    if (Kind() == CBS_SIMPLE && list_) {
        const RECT client = ClientRect(hwnd_);
        MoveWindow(list_, 0, item.bottom + kBorder, client.right,
                   std::max(0, int(client.bottom - item.bottom - kBorder)), TRUE);
    }
}

void ComboBox::Drop() {
    if (dropped_ || Kind() == CBS_SIMPLE || !list_)
        return;
    NotifyCommand(hwnd_, CBN_DROPDOWN);
    selectionAtDrop_ = Selection();
    RECT window;
    GetWindowRect(hwnd_, &window);
    const int count = std::max(1, int(List(LB_GETCOUNT)));
    const int itemHeight = int(List(LB_GETITEMHEIGHT, 0));
    const int wanted = count * itemHeight + 2;
    const int room = std::max(itemHeight + 2, droppedHeight_ - int(window.bottom - window.top));
    const int height = std::min(wanted, room);
    const int width = std::max(droppedWidth_, int(window.right - window.left));
    // Below the combo box, or above it when the screen ends first.
    int y = window.bottom;
    if (y + height > GetSystemMetrics(SM_CYSCREEN))
        y = window.top - height;
    SetWindowPos(list_, HWND_TOPMOST, window.left, y, width, height,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    const int selected = Selection();
    if (selected >= 0)
        List(LB_SETTOPINDEX, WPARAM(selected));
    dropped_ = true;
    SetCapture(hwnd_);
    Redraw(hwnd_);
}

void ComboBox::CloseUp(bool chosen) {
    if (!dropped_)
        return;
    dropped_ = false;
    buttonDown_ = false;
    const HWND capture = GetCapture();
    if (capture == hwnd_ || capture == list_)
        ReleaseCapture();
    ShowWindow(list_, SW_HIDE);
    if (!chosen)
        List(LB_SETCURSEL, WPARAM(selectionAtDrop_));
    NotifyCommand(hwnd_, chosen ? CBN_SELENDOK : CBN_SELENDCANCEL);
    NotifyCommand(hwnd_, CBN_CLOSEUP);
    if (chosen && Selection() != selectionAtDrop_) {
        ShowSelectionText();
        NotifyCommand(hwnd_, CBN_SELCHANGE);
    }
    Redraw(hwnd_);
}

void ComboBox::SelectByUser(int index) {
    const int count = int(List(LB_GETCOUNT));
    if (count <= 0)
        return;
    index = std::clamp(index, 0, count - 1);
    if (index == Selection())
        return;
    List(LB_SETCURSEL, WPARAM(index));
    ShowSelectionText();
    Redraw(hwnd_);
    if (!dropped_)
        NotifyCommand(hwnd_, CBN_SELCHANGE);
}

void ComboBox::ShowSelectionText() {
    if (!edit_)
        return;
    const int selected = Selection();
    std::string text;
    if (selected >= 0) {
        text.resize(std::size_t(std::max<LRESULT>(0, List(LB_GETTEXTLEN, WPARAM(selected)))) + 1);
        List(LB_GETTEXT, WPARAM(selected), reinterpret_cast<LPARAM>(text.data()));
        text.resize(text.size() - 1);
    }
    SetWindowText(edit_, text.c_str());
    SendMessage(edit_, EM_SETSEL, 0, -1);
}

LRESULT ComboBox::GetInfo(COMBOBOXINFO* info) const {
    if (info == nullptr || info->cbSize != sizeof(COMBOBOXINFO))
        return FALSE;
    info->rcItem = ItemRect();
    info->rcButton = ButtonRect();
    info->stateButton = Kind() == CBS_SIMPLE ? STATE_SYSTEM_INVISIBLE
                        : buttonDown_        ? STATE_SYSTEM_PRESSED
                                             : 0;
    info->hwndCombo = hwnd_;
    info->hwndItem = edit_ ? edit_ : hwnd_;
    info->hwndList = list_;
    return TRUE;
}

void ComboBox::OnButtonDown(POINT point) {
    if (dropped_) {
        CloseUp(false);
        return;
    }
    if (!HasFocus(hwnd_) && !(edit_ && HasFocus(edit_)))
        SetFocus(edit_ ? edit_ : hwnd_);
    const bool onButton = Contains(ButtonRect(), point);
    if (Kind() == CBS_DROPDOWNLIST || (Kind() == CBS_DROPDOWN && onButton)) {
        buttonDown_ = true;
        Drop();
    }
}

void ComboBox::OnMouseMove(POINT point) {
    if (!dropped_ || !buttonDown_)
        return;
    // While the press that dropped the list is held, the list follows it.
    MapWindowPoints(hwnd_, list_, &point, 1);
    SendMessage(list_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(WORD(point.x), WORD(point.y)));
}

void ComboBox::OnButtonUp(POINT point) {
    if (!dropped_ || !buttonDown_)
        return;
    buttonDown_ = false;
    Redraw(hwnd_);
    POINT inList = point;
    MapWindowPoints(hwnd_, list_, &inList, 1);
    if (Contains(ClientRect(list_), inList)) {
        CloseUp(true);
        return;
    }
    // Released elsewhere: the list stays open and takes the mouse.
    SetCapture(list_);
}

void ComboBox::OnKeyDown(WPARAM key) {
    const bool alt = GetKeyState(VK_MENU) < 0;
    if (key == VK_F4 || (alt && (key == VK_DOWN || key == VK_UP))) {
        if (dropped_)
            CloseUp(true);
        else
            Drop();
        return;
    }
    if (dropped_ && (key == VK_RETURN || key == VK_ESCAPE)) {
        CloseUp(key == VK_RETURN);
        return;
    }
    const int selected = Selection();
    const int count = int(List(LB_GETCOUNT));
    const int page = std::max(
        1, int(ClientRect(list_).bottom / std::max<LRESULT>(1, List(LB_GETITEMHEIGHT, 0))) - 1);
    switch (key) {
    case VK_UP:
        SelectByUser(selected < 0 ? 0 : selected - 1);
        break;
    case VK_DOWN:
        SelectByUser(selected < 0 ? 0 : selected + 1);
        break;
    case VK_PRIOR:
        SelectByUser(selected - page);
        break;
    case VK_NEXT:
        SelectByUser(selected + page);
        break;
    case VK_HOME:
        SelectByUser(0);
        break;
    case VK_END:
        SelectByUser(count - 1);
        break;
    default:
        break;
    }
}

LRESULT ComboBox::OnCommand(WPARAM wParam, LPARAM lParam) {
    const HWND from = reinterpret_cast<HWND>(lParam);
    const WORD code = HIWORD(wParam);
    if (from == edit_ && edit_) {
        if (code == EN_CHANGE)
            NotifyCommand(hwnd_, CBN_EDITCHANGE);
        else if (code == EN_UPDATE)
            NotifyCommand(hwnd_, CBN_EDITUPDATE);
        else if (code == EN_SETFOCUS)
            NotifyCommand(hwnd_, CBN_SETFOCUS);
        else if (code == EN_KILLFOCUS)
            NotifyCommand(hwnd_, CBN_KILLFOCUS);
    } else if (from == list_ && Kind() == CBS_SIMPLE) {
        if (code == LBN_SELCHANGE) {
            ShowSelectionText();
            NotifyCommand(hwnd_, CBN_SELCHANGE);
        } else if (code == LBN_DBLCLK) {
            NotifyCommand(hwnd_, CBN_DBLCLK);
        }
    }
    return 0;
}

void ComboBox::PaintItem(HDC hdc, const RECT& item) {
    const int selected = Selection();
    const bool focused = HasFocus(hwnd_) && !dropped_;
    if (StyleOf(hwnd_) & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) {
        DRAWITEMSTRUCT draw;
        draw.CtlType = ODT_COMBOBOX;
        draw.CtlID = UINT(GetDlgCtrlID(hwnd_));
        draw.itemID = UINT(selected);
        draw.itemAction = ODA_DRAWENTIRE;
        draw.itemState = ODS_COMBOBOXEDIT | (focused ? ODS_SELECTED | ODS_FOCUS : 0) |
                         (IsWindowEnabled(hwnd_) ? 0 : ODS_DISABLED);
        draw.hwndItem = hwnd_;
        draw.hDC = hdc;
        draw.rcItem = item;
        draw.itemData = selected >= 0 ? std::uintptr_t(List(LB_GETITEMDATA, WPARAM(selected))) : 0;
        if (HWND parent = GetParent(hwnd_))
            SendMessage(parent, WM_DRAWITEM, draw.CtlID, reinterpret_cast<LPARAM>(&draw));
        return;
    }
    RECT band = item;
    InflateRect(&band, -1, -1);
    if (focused) {
        FillRect(hdc, &band, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    }
    if (selected >= 0) {
        std::string& text = paintText_;
        text.assign(std::size_t(std::max<LRESULT>(0, List(LB_GETTEXTLEN, WPARAM(selected)))) + 1,
                    '\0');
        List(LB_GETTEXT, WPARAM(selected), reinterpret_cast<LPARAM>(text.data()));
        text.resize(text.size() - 1);
        RECT box = band;
        box.left += 1;
        DrawText(hdc, text.c_str(), int(text.size()), &box,
                 DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    if (focused)
        DrawFocusRect(hdc, &band);
}

void ComboBox::Paint(HDC hdc) {
    DcState state(hdc, ControlFont(hwnd_));
    const bool enabled = IsWindowEnabled(hwnd_);
    const HBRUSH background =
        ParentColors(hwnd_, hdc, enabled ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC);
    if (!enabled)
        SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    SetBkMode(hdc, TRANSPARENT);
    RECT client = ClientRect(hwnd_);
    RECT frame =
        Kind() == CBS_SIMPLE ? RECT{0, 0, client.right, ItemRect().bottom + kBorder} : client;
    if (background) {
        RECT inside = frame;
        InflateRect(&inside, -kBorder, -kBorder);
        FillRect(hdc, &inside, background);
    }
    DrawEdge(hdc, &frame, EDGE_SUNKEN, BF_RECT);
    if (Kind() != CBS_SIMPLE) {
        RECT button = ButtonRect();
        UINT state = DFCS_SCROLLCOMBOBOX;
        if (buttonDown_)
            state |= DFCS_PUSHED | DFCS_FLAT;
        if (!enabled)
            state |= DFCS_INACTIVE;
        DrawFrameControl(hdc, &button, DFC_SCROLL, state);
    }
    if (!edit_)
        PaintItem(hdc, ItemRect());
}

LRESULT ComboBox::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE:
        // Scroll bars asked for belong to the list, not to the combo box's frame.
        listScrollBars_ = StyleOf(hwnd_) & (WS_VSCROLL | WS_HSCROLL);
        SetWindowLong(hwnd_, GWL_STYLE, LONG(StyleOf(hwnd_) & ~(WS_VSCROLL | WS_HSCROLL)));
        return DefWindowProc(hwnd_, message, wParam, lParam);
    case WM_CREATE:
        Create(*reinterpret_cast<const CREATESTRUCT*>(lParam));
        return 0;
    case WM_DESTROY:
        if (list_ && Kind() != CBS_SIMPLE)
            DestroyWindow(list_);
        list_ = nullptr;
        return 0;
    case WM_SIZE:
        Layout();
        return 0;
    case WM_SETFONT:
        DefWindowProc(hwnd_, message, wParam, lParam);
        if (edit_)
            SendMessage(edit_, WM_SETFONT, wParam, lParam);
        if (list_)
            SendMessage(list_, WM_SETFONT, wParam, lParam);
        // The selection field follows the font, as the window's height does.
        MeasureField();
        FitField();
        if (lParam)
            Redraw(hwnd_);
        return 0;
    case WM_SETTEXT:
        if (edit_)
            return SendMessage(edit_, message, wParam, lParam);
        return CB_ERR;
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH: {
        if (edit_)
            return SendMessage(edit_, message, wParam, lParam);
        const int selected = Selection();
        if (selected < 0) {
            if (message == WM_GETTEXT && wParam > 0 && lParam)
                *reinterpret_cast<char*>(lParam) = '\0';
            return 0;
        }
        const LRESULT length = List(LB_GETTEXTLEN, WPARAM(selected));
        if (message == WM_GETTEXTLENGTH)
            return length;
        std::string text(std::size_t(std::max<LRESULT>(0, length)) + 1, '\0');
        List(LB_GETTEXT, WPARAM(selected), reinterpret_cast<LPARAM>(text.data()));
        const std::size_t count =
            std::min<std::size_t>(std::size_t(length), wParam ? wParam - 1 : 0);
        if (wParam == 0 || lParam == 0)
            return 0;
        std::copy_n(text.data(), count, reinterpret_cast<char*>(lParam));
        reinterpret_cast<char*>(lParam)[count] = '\0';
        return LRESULT(count);
    }
    case WM_SETFOCUS:
        if (edit_)
            SetFocus(edit_);
        else
            NotifyCommand(hwnd_, CBN_SETFOCUS);
        Redraw(hwnd_);
        return 0;
    case WM_KILLFOCUS:
        CloseUp(false);
        if (!edit_)
            NotifyCommand(hwnd_, CBN_KILLFOCUS);
        Redraw(hwnd_);
        return 0;
    case WM_ENABLE:
        if (edit_)
            EnableWindow(edit_, BOOL(wParam));
        Redraw(hwnd_);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnButtonDown(PointFrom(lParam));
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(PointFrom(lParam));
        return 0;
    case WM_LBUTTONUP:
        OnButtonUp(PointFrom(lParam));
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(wParam);
        return 0;
    case WM_CHAR:
        // Type-ahead of the list, with the change told as a selection change.
        if (!edit_ && list_) {
            const int before = Selection();
            SendMessage(list_, WM_CHAR, wParam, lParam);
            if (Selection() != before) {
                Redraw(hwnd_);
                if (!dropped_)
                    NotifyCommand(hwnd_, CBN_SELCHANGE);
            }
        }
        return 0;
    case WM_MOUSEWHEEL:
        if (!dropped_) {
            const int steps = std::int16_t(HIWORD(wParam)) / WHEEL_DELTA;
            SelectByUser(Selection() - steps);
        } else {
            SendMessage(list_, message, wParam, lParam);
        }
        return 0;
    case WM_COMMAND:
        return OnCommand(wParam, lParam);
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case LBCB_TRACKDONE:
        CloseUp(wParam != 0);
        return 0;
    case CB_ADDSTRING:
        return List(LB_ADDSTRING, 0, lParam);
    case CB_INSERTSTRING:
        return List(LB_INSERTSTRING, wParam, lParam);
    case CB_DELETESTRING:
        return List(LB_DELETESTRING, wParam);
    case CB_RESETCONTENT:
        List(LB_RESETCONTENT);
        if (edit_)
            SetWindowText(edit_, "");
        Redraw(hwnd_);
        return CB_OKAY;
    case CB_GETCOUNT:
        return List(LB_GETCOUNT);
    case CB_GETCURSEL:
        return Selection();
    case CB_SETCURSEL: {
        const LRESULT result = List(LB_SETCURSEL, wParam);
        ShowSelectionText();
        Redraw(hwnd_);
        return result;
    }
    case CB_GETLBTEXT:
        return List(LB_GETTEXT, wParam, lParam);
    case CB_GETLBTEXTLEN:
        return List(LB_GETTEXTLEN, wParam);
    case CB_GETITEMDATA:
        return List(LB_GETITEMDATA, wParam);
    case CB_SETITEMDATA:
        return List(LB_SETITEMDATA, wParam, lParam);
    case CB_FINDSTRING:
        return List(LB_FINDSTRING, wParam, lParam);
    case CB_FINDSTRINGEXACT:
        return List(LB_FINDSTRINGEXACT, wParam, lParam);
    case CB_SELECTSTRING: {
        const LRESULT found = List(LB_SELECTSTRING, wParam, lParam);
        ShowSelectionText();
        Redraw(hwnd_);
        return found;
    }
    case CB_GETTOPINDEX:
        return List(LB_GETTOPINDEX);
    case CB_SETTOPINDEX:
        return List(LB_SETTOPINDEX, wParam);
    case CB_SHOWDROPDOWN:
        if (wParam)
            Drop();
        else
            CloseUp(false);
        return TRUE;
    case CB_GETDROPPEDSTATE:
        return dropped_ ? TRUE : FALSE;
    case CB_GETDROPPEDCONTROLRECT:
        if (lParam)
            GetWindowRect(list_, reinterpret_cast<RECT*>(lParam));
        return TRUE;
    case CB_GETITEMHEIGHT:
        return std::intptr_t(wParam) == -1 ? itemHeight_ : List(LB_GETITEMHEIGHT, wParam);
    case CB_SETITEMHEIGHT:
        if (std::intptr_t(wParam) == -1) {
            itemHeight_ = std::max(1, int(LOWORD(std::uintptr_t(lParam))));
            fieldHeightSet_ = true;
            FitField();
            Redraw(hwnd_);
            return 0;
        }
        return List(LB_SETITEMHEIGHT, wParam, lParam);
    case CB_GETDROPPEDWIDTH:
        return droppedWidth_ ? droppedWidth_ : LRESULT(ClientRect(hwnd_).right);
    case CB_SETDROPPEDWIDTH:
        droppedWidth_ = int(wParam);
        return droppedWidth_;
    case CB_LIMITTEXT:
        return edit_ ? SendMessage(edit_, EM_LIMITTEXT, wParam, 0) : CB_ERR;
    case CB_GETEDITSEL:
        return edit_ ? SendMessage(edit_, EM_GETSEL, wParam, lParam) : CB_ERR;
    case CB_SETEDITSEL:
        return edit_ ? SendMessage(edit_, EM_SETSEL,
                                   WPARAM(std::int16_t(LOWORD(std::uintptr_t(lParam)))),
                                   LPARAM(std::int16_t(HIWORD(std::uintptr_t(lParam)))))
                     : CB_ERR;
    case CB_GETCOMBOBOXINFO:
        return GetInfo(reinterpret_cast<COMBOBOXINFO*>(lParam));
    default:
        return DefWindowProc(hwnd_, message, wParam, lParam);
    }
}

} // namespace win::controls

namespace win {

BOOL GetComboBoxInfo(HWND combo, COMBOBOXINFO* info) {
    return SendMessage(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(info)) ? TRUE : FALSE;
}

} // namespace win

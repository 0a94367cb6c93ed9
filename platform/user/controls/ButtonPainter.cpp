// The classic look of the button kinds. Painting never throws: the window
// procedure's guard is only the last resort.

#include "platform/user/controls/Button.h"

namespace win::controls {

namespace {

constexpr int kMarkSize = 13;   // check box and radio square
constexpr int kMarkGap = 4;     // between the mark and the label
constexpr int kGroupIndent = 8; // group-box caption from the left edge

UINT VerticalFormat(DWORD style) {
    switch (style & BS_VCENTER) {
    case BS_TOP:
        return DT_TOP;
    case BS_BOTTOM:
        return DT_BOTTOM;
    default:
        return DT_VCENTER;
    }
}

UINT HorizontalFormat(DWORD style, UINT fallback) {
    switch (style & BS_CENTER) {
    case BS_LEFT:
        return DT_LEFT;
    case BS_RIGHT:
        return DT_RIGHT;
    case BS_CENTER:
        return DT_CENTER;
    default:
        return fallback;
    }
}

// Where DrawText puts `text` inside `box` with `format`.
RECT PlacedTextRect(HDC hdc, const std::string& text, const RECT& box, UINT format) {
    RECT measured = box;
    DrawText(hdc, text.c_str(), int(text.size()), &measured, (format & ~DT_VCENTER) | DT_CALCRECT);
    const int width = measured.right - measured.left;
    const int height = measured.bottom - measured.top;
    RECT placed = box;
    if (format & DT_CENTER)
        placed.left = box.left + (box.right - box.left - width) / 2;
    else if (format & DT_RIGHT)
        placed.left = box.right - width;
    if (format & DT_VCENTER)
        placed.top = box.top + (box.bottom - box.top - height) / 2;
    else if (format & DT_BOTTOM)
        placed.top = box.bottom - height;
    placed.right = placed.left + width;
    placed.bottom = placed.top + height;
    return placed;
}

void DrawBitmapCentered(HDC hdc, HBITMAP bitmap, const RECT& box) {
    BITMAP info;
    if (GetObject(bitmap, sizeof info, &info) == 0)
        return;
    HDC memory = CreateCompatibleDC(hdc);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const int x = box.left + (box.right - box.left - info.bmWidth) / 2;
    const int y = box.top + (box.bottom - box.top - info.bmHeight) / 2;
    BitBlt(hdc, x, y, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

} // namespace

void Button::Paint(HDC hdc) {
    DcState state(hdc, ControlFont(hwnd_));
    const RECT client = ClientRect(hwnd_);
    const DWORD style = StyleOf(hwnd_);
    if (Kind() == BS_OWNERDRAW)
        PaintOwnerDrawn(hdc, client);
    else if (Kind() == BS_GROUPBOX)
        PaintGroupBox(hdc, client);
    else if (IsPush() || (style & BS_PUSHLIKE))
        PaintPush(hdc, client);
    else
        PaintCheckOrRadio(hdc, client);
}

void Button::PaintPush(HDC hdc, RECT client) {
    ParentColors(hwnd_, hdc, WM_CTLCOLORBTN);
    const bool focused = HasFocus(hwnd_);
    const bool sunken = pushed_ || ((StyleOf(hwnd_) & BS_PUSHLIKE) && check_ != BST_UNCHECKED);
    RECT face = client;
    // The default button, and the one with the focus, wear a black outline.
    if (Kind() == BS_DEFPUSHBUTTON || focused) {
        FrameRect(hdc, &face, GetSysColorBrush(COLOR_WINDOWFRAME));
        InflateRect(&face, -1, -1);
    }
    if (sunken) {
        FrameRect(hdc, &face, GetSysColorBrush(COLOR_3DSHADOW));
        RECT inside = face;
        InflateRect(&inside, -1, -1);
        FillRect(hdc, &inside, GetSysColorBrush(COLOR_3DFACE));
    } else {
        RECT edge = face;
        DrawFrameControl(hdc, &edge, DFC_BUTTON, DFCS_BUTTONPUSH);
    }
    RECT label = face;
    InflateRect(&label, -3, -3);
    if (sunken)
        OffsetRect(&label, 1, 1);
    if ((StyleOf(hwnd_) & BS_BITMAP) && image_ != nullptr) {
        DrawBitmapCentered(hdc, static_cast<HBITMAP>(image_), label);
        if (focused)
            DrawFocusRect(hdc, &label);
        return;
    }
    SetTextColor(hdc, GetSysColor(COLOR_BTNTEXT));
    const DWORD style = StyleOf(hwnd_);
    const UINT lines = (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
    DrawLabel(hdc, label, lines | HorizontalFormat(style, DT_CENTER) | VerticalFormat(style),
              false);
    if (focused)
        DrawFocusRect(hdc, &label);
}

void Button::PaintCheckOrRadio(HDC hdc, RECT client) {
    HBRUSH background = ParentColors(hwnd_, hdc, WM_CTLCOLORSTATIC);
    if (background)
        FillRect(hdc, &client, background);
    const DWORD style = StyleOf(hwnd_);
    const bool leftText = style & BS_LEFTTEXT;
    const int top = (client.top + client.bottom - kMarkSize) / 2;
    RECT mark{leftText ? client.right - kMarkSize : client.left, top, 0, top + kMarkSize};
    mark.right = mark.left + kMarkSize;
    UINT state = IsRadio() ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK;
    if (check_ == BST_CHECKED)
        state |= DFCS_CHECKED;
    if (check_ == BST_INDETERMINATE)
        state |= DFCS_CHECKED | DFCS_BUTTON3STATE;
    if (pushed_)
        state |= DFCS_PUSHED;
    if (!IsWindowEnabled(hwnd_))
        state |= DFCS_INACTIVE;
    DrawFrameControl(hdc, &mark, DFC_BUTTON, state);

    RECT label = client;
    if (leftText)
        label.right -= kMarkSize + kMarkGap;
    else
        label.left += kMarkSize + kMarkGap;
    const UINT lines = (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
    DrawLabel(hdc, label,
              lines | HorizontalFormat(style, leftText ? DT_RIGHT : DT_LEFT) |
                  VerticalFormat(style),
              true);
}

void Button::PaintGroupBox(HDC hdc, RECT client) {
    HBRUSH background = ParentColors(hwnd_, hdc, WM_CTLCOLORSTATIC);
    if (background)
        FillRect(hdc, &client, background);
    const std::string text = WindowText(hwnd_);
    const int lineHeight = LineHeight(hdc);
    RECT frame = client;
    frame.top += lineHeight / 2;
    DrawEdge(hdc, &frame, EDGE_ETCHED, BF_RECT);
    if (text.empty())
        return;
    const DWORD style = StyleOf(hwnd_);
    RECT box{client.left + kGroupIndent, client.top, client.right - kGroupIndent,
             client.top + lineHeight};
    const UINT format = DT_SINGLELINE | DT_TOP | HorizontalFormat(style, DT_LEFT);
    RECT caption = PlacedTextRect(hdc, text, box, format);
    // The frame line stops two pixels either side of the caption.
    RECT gap{caption.left - 2, caption.top, caption.right + 2, caption.bottom};
    if (background)
        FillRect(hdc, &gap, background);
    DrawLabel(hdc, box, format, false);
}

void Button::PaintOwnerDrawn(HDC hdc, RECT client) {
    DRAWITEMSTRUCT item;
    item.CtlType = ODT_BUTTON;
    item.CtlID = UINT(GetDlgCtrlID(hwnd_));
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = (pushed_ ? ODS_SELECTED : 0) | (HasFocus(hwnd_) ? ODS_FOCUS : 0) |
                     (IsWindowEnabled(hwnd_) ? 0 : ODS_DISABLED);
    item.hwndItem = hwnd_;
    item.hDC = hdc;
    item.rcItem = client;
    ParentColors(hwnd_, hdc, WM_CTLCOLORBTN);
    if (HWND parent = GetParent(hwnd_))
        SendMessage(parent, WM_DRAWITEM, WPARAM(item.CtlID), reinterpret_cast<LPARAM>(&item));
}

void Button::DrawLabel(HDC hdc, RECT box, UINT format, bool focusRect) {
    const std::string text = WindowText(hwnd_);
    if ((StyleOf(hwnd_) & BS_BITMAP) && image_ != nullptr) {
        DrawBitmapCentered(hdc, static_cast<HBITMAP>(image_), box);
        return;
    }
    SetBkMode(hdc, TRANSPARENT);
    if (IsWindowEnabled(hwnd_))
        DrawText(hdc, text.c_str(), int(text.size()), &box, format);
    else
        DrawDisabledText(hdc, text, box, format);
    if (focusRect && HasFocus(hwnd_) && !text.empty()) {
        RECT around = PlacedTextRect(hdc, text, box, format);
        InflateRect(&around, 1, 1);
        IntersectRect(&around, &around, &box);
        DrawFocusRect(hdc, &around);
    }
}

} // namespace win::controls

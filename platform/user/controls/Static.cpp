#include "platform/user/controls/Static.h"

#include "platform/gdi/Icons.h"

namespace win::controls {

namespace {

UINT TextFormat(DWORD style) {
    UINT format = DT_EXPANDTABS;
    switch (style & SS_TYPEMASK) {
    case SS_CENTER:
        format |= DT_CENTER | DT_WORDBREAK;
        break;
    case SS_RIGHT:
        format |= DT_RIGHT | DT_WORDBREAK;
        break;
    case SS_SIMPLE:
        format |= DT_SINGLELINE;
        break;
    case SS_LEFTNOWORDWRAP:
        break;
    default:
        format |= DT_WORDBREAK;
        break;
    }
    if (style & SS_NOPREFIX)
        format |= DT_NOPREFIX;
    if (style & SS_CENTERIMAGE)
        format = (format & ~DT_WORDBREAK) | DT_SINGLELINE | DT_VCENTER;
    switch (style & SS_ELLIPSISMASK) {
    case SS_ENDELLIPSIS:
        format |= DT_END_ELLIPSIS;
        break;
    case SS_PATHELLIPSIS:
        format |= DT_PATH_ELLIPSIS;
        break;
    case SS_WORDELLIPSIS:
        format |= DT_WORD_ELLIPSIS;
        break;
    default:
        break;
    }
    return format;
}

int ShapeColor(DWORD kind) {
    switch (kind) {
    case SS_BLACKRECT:
    case SS_BLACKFRAME:
        return COLOR_3DDKSHADOW;
    case SS_GRAYRECT:
    case SS_GRAYFRAME:
        return COLOR_3DSHADOW;
    default:
        return COLOR_3DHIGHLIGHT;
    }
}

} // namespace

void Static::Register() {
    RegisterControlClass(WC_STATIC, ControlProc<Static>, CS_DBLCLKS | CS_PARENTDC, -1);
}

LRESULT Static::SetImage(UINT type, HANDLE image) {
    HANDLE previous = image_;
    image_ = image;
    imageType_ = type;
    Redraw(hwnd_);
    return reinterpret_cast<LRESULT>(previous);
}

void Static::Paint(HDC hdc) {
    DcState state(hdc, ControlFont(hwnd_));
    RECT client = ClientRect(hwnd_);
    const DWORD kind = Kind();
    switch (kind) {
    case SS_BLACKRECT:
    case SS_GRAYRECT:
    case SS_WHITERECT:
        FillRect(hdc, &client, GetSysColorBrush(ShapeColor(kind)));
        return;
    case SS_BLACKFRAME:
    case SS_GRAYFRAME:
    case SS_WHITEFRAME:
        FrameRect(hdc, &client, GetSysColorBrush(ShapeColor(kind)));
        return;
    case SS_ETCHEDHORZ:
        DrawEdge(hdc, &client, EDGE_ETCHED, BF_TOP);
        return;
    case SS_ETCHEDVERT:
        DrawEdge(hdc, &client, EDGE_ETCHED, BF_LEFT);
        return;
    case SS_ETCHEDFRAME:
        DrawEdge(hdc, &client, EDGE_ETCHED, BF_RECT);
        return;
    case SS_OWNERDRAW:
        PaintOwnerDrawn(hdc, client);
        return;
    default:
        break;
    }
    if (HBRUSH background = ParentColors(hwnd_, hdc, WM_CTLCOLORSTATIC))
        FillRect(hdc, &client, background);
    if (StyleOf(hwnd_) & SS_SUNKEN)
        DrawEdge(hdc, &client, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    if (kind == SS_BITMAP || kind == SS_ICON)
        PaintImage(hdc, client);
    else
        PaintText(hdc, client);
}

void Static::PaintText(HDC hdc, const RECT& client) {
    const std::string text = WindowText(hwnd_);
    const UINT format = TextFormat(StyleOf(hwnd_));
    RECT box = client;
    SetBkMode(hdc, TRANSPARENT);
    if (IsWindowEnabled(hwnd_))
        DrawText(hdc, text.c_str(), int(text.size()), &box, format);
    else
        DrawDisabledText(hdc, text, box, format);
}

void Static::PaintImage(HDC hdc, const RECT& client) {
    if (image_ == nullptr)
        return;
    const bool centred = StyleOf(hwnd_) & SS_CENTERIMAGE;
    if (imageType_ == IMAGE_ICON) {
        const int size = GetSystemMetrics(SM_CXICON);
        const int x = centred ? (client.left + client.right - size) / 2 : client.left;
        const int y = centred ? (client.top + client.bottom - size) / 2 : client.top;
        DrawIconEx(hdc, x, y, static_cast<HICON>(image_), 0, 0, 0, nullptr, DI_NORMAL);
        return;
    }
    BITMAP info;
    if (GetObject(image_, sizeof info, &info) == 0)
        return;
    HDC memory = CreateCompatibleDC(hdc);
    HGDIOBJ old = SelectObject(memory, image_);
    const int x = centred ? (client.left + client.right - info.bmWidth) / 2 : client.left;
    const int y = centred ? (client.top + client.bottom - info.bmHeight) / 2 : client.top;
    BitBlt(hdc, x, y, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

void Static::PaintOwnerDrawn(HDC hdc, const RECT& client) {
    DRAWITEMSTRUCT item;
    item.CtlType = ODT_STATIC;
    item.CtlID = UINT(GetDlgCtrlID(hwnd_));
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = IsWindowEnabled(hwnd_) ? 0 : ODS_DISABLED;
    item.hwndItem = hwnd_;
    item.hDC = hdc;
    item.rcItem = client;
    if (HWND parent = GetParent(hwnd_))
        SendMessage(parent, WM_DRAWITEM, WPARAM(item.CtlID), reinterpret_cast<LPARAM>(&item));
}

LRESULT Static::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCHITTEST:
        // Without SS_NOTIFY a label lets clicks through to what lies below.
        return (StyleOf(hwnd_) & SS_NOTIFY) ? HTCLIENT : HTTRANSPARENT;
    case WM_LBUTTONUP:
        if (StyleOf(hwnd_) & SS_NOTIFY)
            NotifyCommand(hwnd_, STN_CLICKED);
        return 0;
    case WM_LBUTTONDBLCLK:
        if (StyleOf(hwnd_) & SS_NOTIFY)
            NotifyCommand(hwnd_, STN_DBLCLK);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    case WM_ENABLE:
        Redraw(hwnd_);
        return 0;
    case WM_SETTEXT:
    case WM_SETFONT: {
        const LRESULT result = DefWindowProc(hwnd_, message, wParam, lParam);
        Redraw(hwnd_);
        return result;
    }
    case STM_SETIMAGE:
        return SetImage(UINT(wParam), reinterpret_cast<HANDLE>(lParam));
    case STM_SETICON:
        return SetImage(IMAGE_ICON, reinterpret_cast<HANDLE>(wParam));
    case STM_GETIMAGE:
        return wParam == imageType_ ? reinterpret_cast<LRESULT>(image_) : 0;
    case STM_GETICON:
        return imageType_ == IMAGE_ICON ? reinterpret_cast<LRESULT>(image_) : 0;
    default:
        return DefWindowProc(hwnd_, message, wParam, lParam);
    }
}

} // namespace win::controls

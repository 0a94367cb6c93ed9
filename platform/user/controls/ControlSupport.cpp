#include "platform/user/controls/ControlSupport.h"

#include <algorithm>
#include <cstdint>

namespace win::controls {

void RegisterControlClass(const char* name, WNDPROC proc, UINT style, int background,
                          const char* cursor) {
    WNDCLASS existing;
    if (GetClassInfo(nullptr, name, &existing))
        return;
    WNDCLASS wc;
    wc.style = style | CS_GLOBALCLASS;
    wc.lpfnWndProc = proc;
    wc.hCursor = LoadCursor(nullptr, cursor);
    wc.hbrBackground =
        background < 0 ? nullptr : reinterpret_cast<HBRUSH>(std::uintptr_t(background + 1));
    wc.lpszClassName = name;
    RegisterClass(&wc);
}

DWORD StyleOf(HWND hwnd) {
    return DWORD(GetWindowLong(hwnd, GWL_STYLE));
}

bool HasFocus(HWND hwnd) {
    return GetFocus() == hwnd;
}

RECT ClientRect(HWND hwnd) {
    RECT rect;
    GetClientRect(hwnd, &rect);
    return rect;
}

POINT PointFrom(LPARAM lParam) {
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

std::string WindowText(HWND hwnd) {
    const int length = GetWindowTextLength(hwnd);
    std::string text(std::size_t(std::max(0, length)) + 1, '\0');
    const int copied = GetWindowText(hwnd, text.data(), int(text.size()));
    text.resize(std::size_t(std::max(0, copied)));
    return text;
}

void Redraw(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, TRUE);
}

void NotifyCommand(HWND hwnd, WORD code) {
    HWND parent = GetParent(hwnd);
    if (parent == nullptr)
        return;
    SendMessage(parent, WM_COMMAND, MAKEWPARAM(WORD(GetDlgCtrlID(hwnd)), code),
                reinterpret_cast<LPARAM>(hwnd));
}

LRESULT NotifyParent(HWND hwnd, NMHDR& header, UINT code) {
    header.hwndFrom = hwnd;
    header.idFrom = UINT_PTR(GetDlgCtrlID(hwnd));
    header.code = code;
    HWND parent = GetParent(hwnd);
    if (parent == nullptr)
        return 0;
    return SendMessage(parent, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

HBRUSH ParentColors(HWND hwnd, HDC hdc, UINT ctlColorMessage) {
    const auto dc = reinterpret_cast<WPARAM>(hdc);
    const auto self = reinterpret_cast<LPARAM>(hwnd);
    HWND parent = GetParent(hwnd);
    LRESULT brush = parent ? SendMessage(parent, ctlColorMessage, dc, self) : 0;
    if (brush == 0)
        brush = DefWindowProc(hwnd, ctlColorMessage, dc, self);
    return reinterpret_cast<HBRUSH>(brush);
}

HFONT ControlFont(HWND hwnd) {
    if (auto font = reinterpret_cast<HFONT>(SendMessage(hwnd, WM_GETFONT, 0, 0)))
        return font;
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

int LineHeight(HDC hdc) {
    TEXTMETRIC metrics;
    GetTextMetrics(hdc, &metrics);
    return std::max<int>(1, metrics.tmHeight);
}

void DrawClientEdge(HDC hdc, RECT& rect) {
    DrawEdge(hdc, &rect, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
}

void DrawDisabledText(HDC hdc, const std::string& text, RECT rect, UINT format) {
    const int mode = SetBkMode(hdc, TRANSPARENT);
    const COLORREF color = SetTextColor(hdc, GetSysColor(COLOR_3DHIGHLIGHT));
    RECT shifted{rect.left + 1, rect.top + 1, rect.right + 1, rect.bottom + 1};
    DrawText(hdc, text.c_str(), int(text.size()), &shifted, format);
    SetTextColor(hdc, GetSysColor(COLOR_3DSHADOW));
    DrawText(hdc, text.c_str(), int(text.size()), &rect, format);
    SetTextColor(hdc, color);
    SetBkMode(hdc, mode);
}

PaintScope::PaintScope(HWND hwnd, WPARAM dcParam)
    : hwnd_(hwnd), hdc_(reinterpret_cast<HDC>(dcParam)) {
    if (hdc_ == nullptr) {
        hdc_ = BeginPaint(hwnd, &paint_);
        began_ = true;
    } else {
        GetClipBox(hdc_, &paint_.rcPaint);
    }
}

PaintScope::~PaintScope() {
    if (began_)
        EndPaint(hwnd_, &paint_);
}

DcState::DcState(HDC hdc, HFONT font) : hdc_(hdc), saved_(SaveDC(hdc)) {
    SelectObject(hdc, font);
}

DcState::~DcState() {
    RestoreDC(hdc_, saved_);
}

} // namespace win::controls

#include "platform/user/controls/ToolTip.h"

#include "platform/gdi/SystemMetrics.h"

#include <algorithm>

namespace win::controls {

namespace {

// The frame is one pixel of the window frame colour all round.
constexpr int kFrame = 1;

COLORREF Resolved(COLORREF color, int systemColor) {
    return color == CLR_DEFAULT ? GetSysColor(systemColor) : color;
}

} // namespace

void ToolTip::Register() {
    RegisterControlClass(TOOLTIPS_CLASS, ControlProc<ToolTip>, CS_SAVEBITS, -1);
}

ToolTip::Tool* ToolTip::Find(const TOOLINFO* info) {
    if (info == nullptr)
        return nullptr;
    auto found = std::find_if(tools_.begin(), tools_.end(), [&](const Tool& tool) {
        return tool.owner == info->hwnd && tool.id == info->uId;
    });
    return found == tools_.end() ? nullptr : &*found;
}

LRESULT ToolTip::AddTool(const TOOLINFO* info) {
    if (info == nullptr || Find(info) != nullptr)
        return FALSE;
    tools_.push_back(Tool{info->uFlags, info->hwnd, info->uId,
                          info->lpszText ? std::string(info->lpszText) : std::string()});
    return TRUE;
}

LRESULT ToolTip::DeleteTool(const TOOLINFO* info) {
    Tool* tool = Find(info);
    if (tool == nullptr)
        return 0;
    const int index = int(tool - tools_.data());
    if (index == tracked_)
        Hide();
    else if (index < tracked_)
        --tracked_;
    tools_.erase(tools_.begin() + index);
    return 0;
}

LRESULT ToolTip::UpdateText(const TOOLINFO* info) {
    Tool* tool = Find(info);
    if (tool == nullptr)
        return 0;
    tool->text = info->lpszText ? info->lpszText : "";
    if (tracked_ == int(tool - tools_.data()))
        Place();
    return 0;
}

void ToolTip::TrackActivate(bool show, const TOOLINFO* info) {
    if (!show) {
        Hide();
        return;
    }
    Tool* tool = Find(info);
    if (tool == nullptr || !(tool->flags & TTF_TRACK))
        return;
    tracked_ = int(tool - tools_.data());
    Place();
}

void ToolTip::Hide() {
    tracked_ = -1;
    ShowWindow(hwnd_, SW_HIDE);
}

UINT ToolTip::TextFormat() const {
    UINT format = DT_LEFT | DT_EXPANDTABS;
    format |= maxWidth_ >= 0 ? DT_WORDBREAK : DT_SINGLELINE;
    if (StyleOf(hwnd_) & TTS_NOPREFIX)
        format |= DT_NOPREFIX;
    return format;
}

SIZE ToolTip::TextSize(const std::string& text) const {
    MeasuringDc measuring;
    DcState state(measuring.Dc(), ControlFont(hwnd_));
    RECT box{0, 0, maxWidth_ >= 0 ? maxWidth_ : 0x7FFF, 0};
    DrawText(measuring.Dc(), text.c_str(), int(text.size()), &box, TextFormat() | DT_CALCRECT);
    // An empty text still takes one line.
    if (box.bottom <= box.top)
        box.bottom = box.top + LineHeight(measuring.Dc());
    return SIZE{box.right - box.left, box.bottom - box.top};
}

RECT ToolTip::Adjusted(RECT rect, bool larger) const {
    const int sign = larger ? 1 : -1;
    rect.left -= sign * (kFrame + margin_.left);
    rect.top -= sign * (kFrame + margin_.top);
    rect.right += sign * (kFrame + margin_.right);
    rect.bottom += sign * (kFrame + margin_.bottom);
    return rect;
}

SIZE ToolTip::BubbleSize(const std::string& text) const {
    const SIZE textSize = TextSize(text);
    const RECT window = Adjusted(RECT{0, 0, textSize.cx, textSize.cy}, true);
    return SIZE{window.right - window.left, window.bottom - window.top};
}

void ToolTip::Place() {
    if (tracked_ < 0)
        return;
    const Tool& tool = tools_[std::size_t(tracked_)];
    const SIZE size = BubbleSize(tool.text);
    POINT at = position_;
    if (!(tool.flags & TTF_ABSOLUTE)) {
        at.x = std::max<LONG>(0, std::min<LONG>(at.x, GetSystemMetrics(SM_CXSCREEN) - size.cx));
        at.y = std::max<LONG>(0, std::min<LONG>(at.y, GetSystemMetrics(SM_CYSCREEN) - size.cy));
    }
    // Shown without activation, above everything; the frame and text are new.
    SetWindowPos(hwnd_, HWND_TOPMOST, at.x, at.y, size.cx, size.cy,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    Redraw(hwnd_);
}

void ToolTip::Paint(HDC hdc) {
    const RECT client = ClientRect(hwnd_);
    HBRUSH back = CreateSolidBrush(Resolved(backColor_, COLOR_INFOBK));
    FillRect(hdc, &client, back);
    DeleteObject(back);
    FrameRect(hdc, &client, GetSysColorBrush(COLOR_WINDOWFRAME));
    if (tracked_ < 0)
        return;
    const std::string& text = tools_[std::size_t(tracked_)].text;
    DcState state(hdc, ControlFont(hwnd_));
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, Resolved(textColor_, COLOR_INFOTEXT));
    RECT box = Adjusted(client, false);
    DrawText(hdc, text.c_str(), int(text.size()), &box, TextFormat());
}

LRESULT ToolTip::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    const auto* info = reinterpret_cast<const TOOLINFO*>(lParam);
    switch (message) {
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case TTM_ADDTOOL:
        return AddTool(info);
    case TTM_DELTOOL:
        return DeleteTool(info);
    case TTM_UPDATETIPTEXT:
        return UpdateText(info);
    case TTM_GETTOOLCOUNT:
        return LRESULT(tools_.size());
    case TTM_TRACKACTIVATE:
        TrackActivate(wParam != 0, info);
        return 0;
    case TTM_TRACKPOSITION:
        position_ = POINT{short(LOWORD(DWORD(lParam))), short(HIWORD(DWORD(lParam)))};
        Place();
        return 0;
    case TTM_POP:
        Hide();
        return 0;
    case TTM_SETMAXTIPWIDTH: {
        const int previous = maxWidth_;
        maxWidth_ = int(lParam);
        Place();
        return previous;
    }
    case TTM_GETMAXTIPWIDTH:
        return maxWidth_;
    case TTM_SETMARGIN:
        if (const auto* margin = reinterpret_cast<const RECT*>(lParam))
            margin_ = *margin;
        Place();
        return 0;
    case TTM_GETMARGIN:
        if (auto* margin = reinterpret_cast<RECT*>(lParam))
            *margin = margin_;
        return 0;
    case TTM_GETBUBBLESIZE: {
        const Tool* tool = Find(info);
        if (tool == nullptr)
            return 0;
        const SIZE size = BubbleSize(tool->text);
        return LRESULT(MAKELONG(WORD(size.cx), WORD(size.cy)));
    }
    case TTM_ADJUSTRECT:
        if (auto* rect = reinterpret_cast<RECT*>(lParam)) {
            *rect = Adjusted(*rect, wParam != 0);
            return TRUE;
        }
        return FALSE;
    case TTM_SETTIPBKCOLOR:
    case TTM_SETTIPTEXTCOLOR:
        (message == TTM_SETTIPBKCOLOR ? backColor_ : textColor_) = COLORREF(wParam);
        Redraw(hwnd_);
        return 0;
    case TTM_GETTIPBKCOLOR:
        return LRESULT(Resolved(backColor_, COLOR_INFOBK));
    case TTM_GETTIPTEXTCOLOR:
        return LRESULT(Resolved(textColor_, COLOR_INFOTEXT));
    case WM_SETFONT:
        DefWindowProc(hwnd_, message, wParam, lParam);
        Place();
        return 0;
    default:
        return DefWindowProc(hwnd_, message, wParam, lParam);
    }
}

} // namespace win::controls

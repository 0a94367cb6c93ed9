#include "framework/gui/HintWindow.h"

#include "framework/ClassBuilder.h"
#include "framework/gui/Application.h"
#include "framework/gui/GraphicsColor.h"
#include "framework/gui/Screen.h"
#include "platform/gdi/SystemMetrics.h"
#include "platform/user/controls/ToolTip.h"

#include <algorithm>

namespace fw {

const TClassInfo& THintWindow::StaticClass() {
    static const TClassInfo info = TClassBuilder<THintWindow, TWinControl>("THintWindow").Build();
    return info;
}

THintWindow::THintWindow(TComponent* owner) : TWinControl(owner) {
    SetVisible(false);
    SetColor(clInfoBk);
    Font()->Assign(*Screen().HintFont());
}

void THintWindow::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = win::TOOLTIPS_CLASS;
    params.Style = win::WS_POPUP | win::TTS_NOPREFIX | win::TTS_ALWAYSTIP;
    params.ExStyle = win::WS_EX_TOOLWINDOW | win::WS_EX_TOPMOST;
    // Owned by the application's window, as pop-ups that belong to no form are.
    params.WndParent = Application().Handle();
}

void THintWindow::CreateWnd() {
    TWinControl::CreateWnd();
    win::TOOLINFO tool;
    tool.uFlags = win::TTF_TRACK | win::TTF_ABSOLUTE;
    tool.hwnd = Handle();
    win::SendMessage(Handle(), win::TTM_ADDTOOL, 0, reinterpret_cast<win::LPARAM>(&tool));
    ColorChanged();
}

win::LRESULT THintWindow::SendToTool(win::UINT message, win::WPARAM wParam,
                                     const std::string* text) {
    win::TOOLINFO tool;
    tool.hwnd = Handle();
    std::string copy = text ? *text : std::string();
    tool.lpszText = copy.data();
    return win::SendMessage(Handle(), message, wParam, reinterpret_cast<win::LPARAM>(&tool));
}

void THintWindow::SetTipText(const std::string& text) {
    SetCaption(text);
    SendToTool(win::TTM_UPDATETIPTEXT, 0, &text);
}

win::RECT THintWindow::CalcHintRect(int maxWidth, const std::string& hint, void*) {
    win::SendMessage(Handle(), win::TTM_SETMAXTIPWIDTH, 0, std::max(maxWidth, 0));
    SetTipText(hint);
    const auto size = static_cast<win::DWORD>(SendToTool(win::TTM_GETBUBBLESIZE, 0, nullptr));
    return {0, 0, win::LOWORD(size), win::HIWORD(size)};
}

void THintWindow::ActivateHint(win::RECT rect, const std::string& hint) {
    SetTipText(hint);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const int screenWidth = win::GetSystemMetrics(win::SM_CXSCREEN);
    const int screenHeight = win::GetSystemMetrics(win::SM_CYSCREEN);
    const int left = std::max(0, std::min<int>(rect.left, screenWidth - width));
    const int top = std::max(0, std::min<int>(rect.top, screenHeight - height));
    win::SendMessage(Handle(), win::TTM_TRACKPOSITION, 0, win::MAKELPARAM(left, top));
    SendToTool(win::TTM_TRACKACTIVATE, win::TRUE, nullptr);
}

void THintWindow::ReleaseHandle() {
    if (HandleAllocated())
        SendToTool(win::TTM_TRACKACTIVATE, win::FALSE, nullptr);
}

bool THintWindow::Showing() const {
    return HandleAllocated() &&
           win::IsWindowVisible(const_cast<THintWindow*>(this)->Handle()) != win::FALSE;
}

void THintWindow::ColorChanged() {
    TWinControl::ColorChanged();
    if (!HandleAllocated())
        return;
    win::SendMessage(Handle(), win::TTM_SETTIPBKCOLOR, ColorToRGB(Color()), 0);
    win::SendMessage(Handle(), win::TTM_SETTIPTEXTCOLOR, ColorToRGB(Font()->Color()), 0);
}

void THintWindow::FontChanged() {
    TWinControl::FontChanged();
    ColorChanged();
}

} // namespace fw

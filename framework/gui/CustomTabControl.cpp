#include "framework/gui/CustomTabControl.h"

#include "framework/ClassBuilder.h"
#include "platform/user/controls/CommCtrl.h"

#include <algorithm>

namespace fw {

const TClassInfo& TCustomTabControl::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TCustomTabControl, TWinControl>("TCustomTabControl")
            .Property("Style", &TCustomTabControl::Style, &TCustomTabControl::SetStyle)
            .Property("TabPosition", &TCustomTabControl::TabPosition,
                      &TCustomTabControl::SetTabPosition)
            .Property("TabIndex", &TCustomTabControl::TabIndex, &TCustomTabControl::SetTabIndex)
            .Property("OnChanging", &TCustomTabControl::OnChanging, &TCustomTabControl::OnChanging)
            .Property("OnChange", &TCustomTabControl::OnChange, &TCustomTabControl::OnChange)
            .Build();
    return info;
}

TCustomTabControl::TCustomTabControl(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 289, 193);
    SetColor(clBtnFace);
    SetTabStop(true);
    SetMouseClicks(false);
}

void TCustomTabControl::SetStyle(TTabStyle style) {
    if (style == FStyle)
        return;
    FStyle = style;
    RecreateWnd();
}

void TCustomTabControl::SetTabPosition(TTabPosition position) {
    if (position == FTabPosition)
        return;
    FTabPosition = position;
    RecreateWnd();
}

int TCustomTabControl::TabIndex() const {
    if (!HandleAllocated())
        return FTabIndex;
    return static_cast<int>(
        win::SendMessage(const_cast<TCustomTabControl*>(this)->Handle(), win::TCM_GETCURSEL, 0, 0));
}

void TCustomTabControl::SetTabIndex(int index) {
    if (index < -1 || index >= TabCount())
        return;
    FTabIndex = index;
    if (HandleAllocated())
        win::SendMessage(Handle(), win::TCM_SETCURSEL, static_cast<win::WPARAM>(index), 0);
}

win::RECT TCustomTabControl::DisplayRect() {
    win::RECT rect = ClientRect();
    win::SendMessage(Handle(), win::TCM_ADJUSTRECT, win::FALSE,
                     reinterpret_cast<win::LPARAM>(&rect));
    return rect;
}

void TCustomTabControl::SendTab(win::UINT message, int index, const std::string& text) {
    win::TCITEM item;
    item.mask = win::TCIF_TEXT;
    item.pszText = const_cast<char*>(text.c_str());
    win::SendMessage(Handle(), message, static_cast<win::WPARAM>(index),
                     reinterpret_cast<win::LPARAM>(&item));
}

void TCustomTabControl::InsertTab(int index, const std::string& text) {
    index = std::clamp(index, 0, TabCount());
    FTabs.insert(FTabs.begin() + index, text);
    // The window makes the first tab current and keeps the current one where it was.
    if (FTabIndex < 0)
        FTabIndex = 0;
    else if (FTabIndex >= index && TabCount() > 1)
        ++FTabIndex;
    if (HandleAllocated()) {
        SendTab(win::TCM_INSERTITEM, index, text);
        Realign();
    }
}

void TCustomTabControl::DeleteTab(int index) {
    if (index < 0 || index >= TabCount())
        return;
    FTabs.erase(FTabs.begin() + index);
    if (FTabIndex == index)
        FTabIndex = -1;
    else if (FTabIndex > index)
        --FTabIndex;
    if (HandleAllocated()) {
        win::SendMessage(Handle(), win::TCM_DELETEITEM, static_cast<win::WPARAM>(index), 0);
        Realign();
    }
}

void TCustomTabControl::SetTabText(int index, const std::string& text) {
    if (index < 0 || index >= TabCount())
        return;
    FTabs[static_cast<size_t>(index)] = text;
    if (HandleAllocated()) {
        SendTab(win::TCM_SETITEM, index, text);
        Realign();
    }
}

void TCustomTabControl::ClearTabs() {
    FTabs.clear();
    FTabIndex = -1;
    if (HandleAllocated()) {
        win::SendMessage(Handle(), win::TCM_DELETEALLITEMS, 0, 0);
        Realign();
    }
}

bool TCustomTabControl::CanChange() {
    bool allow = true;
    if (OnChanging)
        OnChanging(this, allow);
    return allow;
}

void TCustomTabControl::Change() {
    if (OnChange)
        OnChange(this);
}

void TCustomTabControl::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = win::WC_TABCONTROL;
    params.Style |= win::WS_CLIPCHILDREN;
    switch (FStyle) {
    case TTabStyle::tsTabs:
        break;
    case TTabStyle::tsButtons:
        params.Style |= win::TCS_BUTTONS;
        break;
    case TTabStyle::tsFlatButtons:
        params.Style |= win::TCS_BUTTONS | win::TCS_FLATBUTTONS;
        break;
    }
    switch (FTabPosition) {
    case TTabPosition::tpTop:
        break;
    case TTabPosition::tpBottom:
        params.Style |= win::TCS_BOTTOM;
        break;
    case TTabPosition::tpLeft:
        params.Style |= win::TCS_VERTICAL;
        break;
    case TTabPosition::tpRight:
        params.Style |= win::TCS_VERTICAL | win::TCS_RIGHT;
        break;
    }
}

void TCustomTabControl::CreateWnd() {
    TWinControl::CreateWnd();
    for (int i = 0; i < TabCount(); ++i)
        SendTab(win::TCM_INSERTITEM, i, FTabs[static_cast<size_t>(i)]);
    win::SendMessage(Handle(), win::TCM_SETCURSEL, static_cast<win::WPARAM>(FTabIndex), 0);
    // The children were laid out before the tabs took their room.
    Realign();
}

void TCustomTabControl::DestroyWnd() {
    FTabIndex = TabIndex();
    TWinControl::DestroyWnd();
}

void TCustomTabControl::WndProc(TMessage& message) {
    if (message.Msg == CN_NOTIFY) {
        switch (reinterpret_cast<const win::NMHDR*>(message.LParam)->code) {
        case win::TCN_SELCHANGING:
            message.Result = CanChange() ? 0 : 1;
            return;
        case win::TCN_SELCHANGE:
            FTabIndex = TabIndex();
            Change();
            return;
        default:
            break;
        }
    }
    TWinControl::WndProc(message);
}

void TCustomTabControl::FontChanged() {
    TWinControl::FontChanged();
    // The tabs grow or shrink with their text, and the display area with them.
    Realign();
}

void TCustomTabControl::AlignControls(win::RECT& rect) {
    if (HandleAllocated())
        rect = DisplayRect();
    TWinControl::AlignControls(rect);
}

} // namespace fw

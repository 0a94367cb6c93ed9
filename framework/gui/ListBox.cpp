#include "framework/gui/ListBox.h"

#include "framework/ClassBuilder.h"
#include "platform/user/controls/StandardControls.h"

namespace fw {

namespace {

const TItemMessages listBoxMessages{win::LB_GETCOUNT,    win::LB_GETTEXT,      win::LB_GETTEXTLEN,
                                    win::LB_ADDSTRING,   win::LB_INSERTSTRING, win::LB_DELETESTRING,
                                    win::LB_RESETCONTENT};

} // namespace

const TClassInfo& TCustomListBox::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TCustomListBox, TWinControl>("TCustomListBox").Build();
    return info;
}

const TClassInfo& TListBox::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TListBox, TCustomListBox>("TListBox")
            .Property("Items", &TListBox::Items, &TListBox::SetItems)
            .Property("ItemIndex", &TListBox::ItemIndex, &TListBox::SetItemIndex)
            .Property("ItemHeight", &TListBox::ItemHeight, &TListBox::SetItemHeight)
            .Property("Sorted", &TListBox::Sorted, &TListBox::SetSorted)
            .Property("BorderStyle", &TListBox::BorderStyle, &TListBox::SetBorderStyle)
            .Build();
    return info;
}

TCustomListBox::TCustomListBox(TComponent* owner)
    : TWinControl(owner), FItems(std::make_unique<TItemStrings>(*this, listBoxMessages)) {
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
    SetMouseClicks(false);
}

TCustomListBox::~TCustomListBox() = default;

void TCustomListBox::SetItems(TStrings* items) {
    if (items)
        FItems->Assign(*items);
}

int TCustomListBox::ItemIndex() const {
    if (!HandleAllocated())
        return FKeptIndex;
    return static_cast<int>(
        win::SendMessage(const_cast<TCustomListBox*>(this)->Handle(), win::LB_GETCURSEL, 0, 0));
}

void TCustomListBox::SetItemIndex(int index) {
    if (HandleAllocated())
        win::SendMessage(Handle(), win::LB_SETCURSEL, index, 0);
    else
        FKeptIndex = index;
}

void TCustomListBox::SetItemHeight(int height) {
    if (height <= 0 || height == FItemHeight)
        return;
    FItemHeight = height;
    if (HandleAllocated())
        win::SendMessage(Handle(), win::LB_SETITEMHEIGHT, 0, height);
}

void TCustomListBox::SetSorted(bool sorted) {
    if (sorted == FSorted)
        return;
    FSorted = sorted;
    RecreateWnd();
}

void TCustomListBox::SetBorderStyle(TBorderStyle style) {
    if (style == FBorderStyle)
        return;
    FBorderStyle = style;
    RecreateWnd();
}

void TCustomListBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = win::WC_LISTBOX;
    params.Style |=
        win::LBS_NOTIFY | win::LBS_HASSTRINGS | win::LBS_NOINTEGRALHEIGHT | win::WS_VSCROLL;
    if (FBorderStyle == TBorderStyle::bsSingle)
        params.Style |= win::WS_BORDER;
    if (FSorted)
        params.Style |= win::LBS_SORT;
}

void TCustomListBox::CreateWnd() {
    TWinControl::CreateWnd();
    win::SendMessage(Handle(), win::LB_SETITEMHEIGHT, 0, FItemHeight);
    FItems->WindowCreated();
    win::SendMessage(Handle(), win::LB_SETCURSEL, FKeptIndex, 0);
}

void TCustomListBox::DestroyWnd() {
    FItems->WindowDestroying();
    FKeptIndex = ItemIndex();
    TWinControl::DestroyWnd();
}

void TCustomListBox::WndProc(TMessage& message) {
    if (message.Msg == CN_COMMAND && (message.WParam >> 16) == win::LBN_SELCHANGE) {
        Click();
        return;
    }
    TWinControl::WndProc(message);
}

} // namespace fw

#include "framework/gui/ListBox.h"

#include "framework/ClassBuilder.h"
#include "platform/user/controls/StandardControls.h"

namespace fw {

namespace {

const TItemMessages listBoxMessages{win::LB_GETCOUNT,    win::LB_GETTEXT,      win::LB_GETTEXTLEN,
                                    win::LB_ADDSTRING,   win::LB_INSERTSTRING, win::LB_DELETESTRING,
                                    win::LB_RESETCONTENT};

} // namespace

const TClassInfo& TListBox::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TListBox, TWinControl>("TListBox")
            .Property("Items", &TListBox::Items, &TListBox::SetItems)
            .Property("ItemIndex", &TListBox::ItemIndex, &TListBox::SetItemIndex)
            .Property("ItemHeight", &TListBox::ItemHeight, &TListBox::SetItemHeight)
            .Property("Sorted", &TListBox::Sorted, &TListBox::SetSorted)
            .Build();
    return info;
}

TListBox::TListBox(TComponent* owner)
    : TWinControl(owner), FItems(std::make_unique<TItemStrings>(*this, listBoxMessages)) {
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
    SetMouseClicks(false);
}

TListBox::~TListBox() = default;

void TListBox::SetItems(TStrings* items) {
    if (items)
        FItems->Assign(*items);
}

int TListBox::ItemIndex() const {
    if (!HandleAllocated())
        return FKeptIndex;
    return static_cast<int>(
        win::SendMessage(const_cast<TListBox*>(this)->Handle(), win::LB_GETCURSEL, 0, 0));
}

void TListBox::SetItemIndex(int index) {
    if (HandleAllocated())
        win::SendMessage(Handle(), win::LB_SETCURSEL, index, 0);
    else
        FKeptIndex = index;
}

void TListBox::SetItemHeight(int height) {
    if (height <= 0 || height == FItemHeight)
        return;
    FItemHeight = height;
    if (HandleAllocated())
        win::SendMessage(Handle(), win::LB_SETITEMHEIGHT, 0, height);
}

void TListBox::SetSorted(bool sorted) {
    if (sorted == FSorted)
        return;
    FSorted = sorted;
    RecreateWnd();
}

void TListBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = win::WC_LISTBOX;
    params.Style |= win::LBS_NOTIFY | win::LBS_HASSTRINGS | win::LBS_NOINTEGRALHEIGHT |
                    win::WS_VSCROLL | win::WS_BORDER;
    if (FSorted)
        params.Style |= win::LBS_SORT;
}

void TListBox::CreateWnd() {
    TWinControl::CreateWnd();
    win::SendMessage(Handle(), win::LB_SETITEMHEIGHT, 0, FItemHeight);
    FItems->WindowCreated();
    win::SendMessage(Handle(), win::LB_SETCURSEL, FKeptIndex, 0);
}

void TListBox::DestroyWnd() {
    FItems->WindowDestroying();
    FKeptIndex = ItemIndex();
    TWinControl::DestroyWnd();
}

void TListBox::WndProc(TMessage& message) {
    if (message.Msg == CN_COMMAND && (message.WParam >> 16) == win::LBN_SELCHANGE) {
        Click();
        return;
    }
    TWinControl::WndProc(message);
}

} // namespace fw

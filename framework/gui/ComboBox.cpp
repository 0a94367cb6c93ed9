#include "framework/gui/ComboBox.h"

#include "framework/ClassBuilder.h"
#include "platform/user/controls/StandardControls.h"

namespace fw {

namespace {

const TItemMessages comboBoxMessages{
    win::CB_GETCOUNT,     win::CB_GETLBTEXT,    win::CB_GETLBTEXTLEN, win::CB_ADDSTRING,
    win::CB_INSERTSTRING, win::CB_DELETESTRING, win::CB_RESETCONTENT};

} // namespace

const TClassInfo& TCustomComboBox::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TCustomComboBox, TWinControl>("TCustomComboBox").Build();
    return info;
}

const TClassInfo& TComboBox::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TComboBox, TCustomComboBox>("TComboBox")
            .Property("Style", &TComboBox::Style, &TComboBox::SetStyle)
            .Property("Items", &TComboBox::Items, &TComboBox::SetItems)
            .Property("ItemIndex", &TComboBox::ItemIndex, &TComboBox::SetItemIndex)
            .Property("OnChange", &TComboBox::OnChange, &TComboBox::SetOnChange)
            .Build();
    return info;
}

TCustomComboBox::TCustomComboBox(TComponent* owner)
    : TWinControl(owner), FItems(std::make_unique<TItemStrings>(*this, comboBoxMessages)) {
    SetBounds(0, 0, 145, 21);
    SetColor(clWindow);
    SetTabStop(true);
    SetMouseClicks(false);
}

TCustomComboBox::~TCustomComboBox() = default;

void TCustomComboBox::SetStyle(TComboBoxStyle style) {
    if (style == FStyle)
        return;
    FStyle = style;
    RecreateWnd();
}

void TCustomComboBox::SetItems(TStrings* items) {
    if (items)
        FItems->Assign(*items);
}

int TCustomComboBox::ItemIndex() const {
    if (!HandleAllocated())
        return FKeptIndex;
    return static_cast<int>(
        win::SendMessage(const_cast<TCustomComboBox*>(this)->Handle(), win::CB_GETCURSEL, 0, 0));
}

void TCustomComboBox::SetItemIndex(int index) {
    if (HandleAllocated())
        win::SendMessage(Handle(), win::CB_SETCURSEL, index, 0);
    else
        FKeptIndex = index;
}

// Without a window, a drop-down list shows its selected item as its text.
std::string TCustomComboBox::Text() const {
    if (HandleAllocated() || FStyle != TComboBoxStyle::csDropDownList)
        return TWinControl::Text();
    return FKeptIndex >= 0 && FKeptIndex < FItems->Count() ? FItems->Strings(FKeptIndex) : "";
}

void TCustomComboBox::SetTextBuf(const std::string& text) {
    if (FStyle == TComboBoxStyle::csDropDownList) {
        SetItemIndex(FItems->IndexOf(text));
        return;
    }
    TWinControl::SetTextBuf(text);
}

void TCustomComboBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = win::WC_COMBOBOX;
    params.Style |=
        win::WS_VSCROLL | (FStyle == TComboBoxStyle::csDropDownList ? win::CBS_DROPDOWNLIST
                           : FStyle == TComboBoxStyle::csSimple     ? win::CBS_SIMPLE
                                                                    : win::CBS_DROPDOWN);
}

void TCustomComboBox::CreateWnd() {
    TWinControl::CreateWnd();
    FItems->WindowCreated();
    win::SendMessage(Handle(), win::CB_SETCURSEL, FKeptIndex, 0);
}

void TCustomComboBox::DestroyWnd() {
    FItems->WindowDestroying();
    FKeptIndex = ItemIndex();
    TWinControl::DestroyWnd();
}

void TCustomComboBox::Change() {
    if (FOnChange)
        FOnChange(this);
}

void TCustomComboBox::WndProc(TMessage& message) {
    if (message.Msg == CN_COMMAND) {
        const auto code = static_cast<win::WORD>(message.WParam >> 16);
        if (code == win::CBN_SELCHANGE) {
            Click();
            Change();
            return;
        }
        if (code == win::CBN_EDITCHANGE) {
            Change();
            return;
        }
    }
    TWinControl::WndProc(message);
}

} // namespace fw

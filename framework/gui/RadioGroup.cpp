#include "framework/gui/RadioGroup.h"

#include "framework/ClassBuilder.h"

#include <algorithm>

namespace fw {

// A radio button of the group: its click goes to the group.
class TRadioGroup::TGroupButton : public TRadioButton {
    FW_CLASS(TGroupButton, TRadioButton)

    explicit TGroupButton(TRadioGroup& group) : TRadioButton(&group), FGroup(group) {}

    void Click() override {
        TRadioButton::Click();
        FGroup.ButtonClicked(*this);
    }

private:
    TRadioGroup& FGroup;
};

const TClassInfo& TRadioGroup::TGroupButton::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TGroupButton, TRadioButton>("TGroupButton").Build();
    return info;
}

const TClassInfo& TRadioGroup::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TRadioGroup, TGroupBox>("TRadioGroup")
            .Property("Items", &TRadioGroup::Items, &TRadioGroup::SetItems)
            .Property("ItemIndex", &TRadioGroup::ItemIndex, &TRadioGroup::SetItemIndex)
            .Property("Columns", &TRadioGroup::Columns, &TRadioGroup::SetColumns)
            .Build();
    return info;
}

TRadioGroup::TRadioGroup(TComponent* owner)
    : TGroupBox(owner), FItems(std::make_unique<TStringList>()) {
    FItems->SetOnChange([this](TObject*) { ItemsChanged(); });
}

TRadioGroup::~TRadioGroup() {
    // The buttons go with the group (they are its components); the list must not
    // be told of changes while they go.
    FItems->SetOnChange(nullptr);
}

void TRadioGroup::SetItems(TStrings* items) {
    if (items)
        FItems->Assign(*items);
}

TRadioButton* TRadioGroup::Buttons(int index) const {
    if (index < 0 || index >= static_cast<int>(FButtons.size()))
        throw CreateFmt<EListError>("List index out of bounds (%d)", index);
    return FButtons[static_cast<std::size_t>(index)];
}

void TRadioGroup::SetItemIndex(int index) {
    if (ComponentState().Contains(TComponentStateItem::csLoading)) {
        FItemIndex = index;
        return;
    }
    index = std::clamp(index, -1, static_cast<int>(FButtons.size()) - 1);
    if (index == FItemIndex)
        return;
    FItemIndex = index;
    UpdateButtons();
    Click();
}

void TRadioGroup::SetColumns(int columns) {
    columns = std::clamp(columns, 1, 16);
    if (columns == FColumns)
        return;
    FColumns = columns;
    ArrangeButtons();
}

void TRadioGroup::Loaded() {
    TGroupBox::Loaded();
    FItemIndex = std::clamp(FItemIndex, -1, static_cast<int>(FButtons.size()) - 1);
    UpdateButtons();
    ArrangeButtons();
}

void TRadioGroup::ItemsChanged() {
    const auto count = static_cast<std::size_t>(FItems->Count());
    while (FButtons.size() > count) {
        FButtons.back()->Free();
        FButtons.pop_back();
    }
    while (FButtons.size() < count) {
        auto* button = new TGroupButton(*this);
        button->SetParent(this);
        FButtons.push_back(button);
    }
    for (std::size_t i = 0; i < count; ++i)
        FButtons[i]->SetCaption(FItems->Strings(static_cast<int>(i)));
    if (!ComponentState().Contains(TComponentStateItem::csLoading))
        FItemIndex = std::min(FItemIndex, static_cast<int>(count) - 1);
    UpdateButtons();
    ArrangeButtons();
}

// The checked button matches ItemIndex; it alone is a tab stop (the first
// one while none is checked, so Tab still enters the group).
void TRadioGroup::UpdateButtons() {
    FUpdating = true;
    for (std::size_t i = 0; i < FButtons.size(); ++i) {
        const auto index = static_cast<int>(i);
        FButtons[i]->SetChecked(index == FItemIndex);
        FButtons[i]->SetTabStop(index == FItemIndex || (FItemIndex < 0 && index == 0));
        FButtons[i]->SetEnabled(Enabled());
    }
    FUpdating = false;
}

void TRadioGroup::ButtonClicked(const TGroupButton& button) {
    if (FUpdating)
        return;
    const auto it = std::find(FButtons.begin(), FButtons.end(), &button);
    if (it == FButtons.end())
        return;
    FItemIndex = static_cast<int>(it - FButtons.begin());
    UpdateButtons();
    Click();
}

void TRadioGroup::AlignControls(win::RECT& rect) {
    TGroupBox::AlignControls(rect);
    ArrangeButtons();
}

// Column by column, top to bottom: the rows share the height under the caption.
void TRadioGroup::ArrangeButtons() {
    if (FButtons.empty() || ComponentState().Contains(TComponentStateItem::csLoading))
        return;
    const int count = static_cast<int>(FButtons.size());
    const int perColumn = (count + FColumns - 1) / FColumns;
    const int buttonWidth = (Width() - 10) / FColumns;
    const int textHeight = CaptionHeight();
    const int room = Height() - textHeight - 5;
    const int buttonHeight = room / perColumn;
    const int topMargin = textHeight + 1 + (room % perColumn) / 2;
    for (int i = 0; i < count; ++i)
        FButtons[static_cast<std::size_t>(i)]->SetBounds((i / perColumn) * buttonWidth + 8,
                                                         (i % perColumn) * buttonHeight + topMargin,
                                                         buttonWidth, buttonHeight);
}

void TRadioGroup::WndProc(TMessage& message) {
    TGroupBox::WndProc(message);
    switch (message.Msg) {
    case CM_ENABLEDCHANGED:
        UpdateButtons();
        break;
    case CM_FONTCHANGED:
        ArrangeButtons();
        break;
    default:
        break;
    }
}

} // namespace fw

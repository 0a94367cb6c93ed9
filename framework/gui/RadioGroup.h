#pragma once
// A group box holding one radio button per line of Items, laid out top to
// bottom in Columns columns. ItemIndex is the checked one (-1: none) and
// follows the user's clicks; setting it checks the button. OnClick fires when
// the user clicks a button and when ItemIndex changes in code (not while the
// definition is read). Only the checked button is a tab stop, so Tab enters
// the group on it and the arrows move between its buttons.

#include "framework/StringList.h"
#include "framework/gui/CheckBox.h"
#include "framework/gui/GroupBox.h"

#include <memory>
#include <vector>

namespace fw {

class TRadioGroup : public TGroupBox {
    FW_CLASS(TRadioGroup, TGroupBox)

    explicit TRadioGroup(TComponent* owner);
    ~TRadioGroup() override;

    TStrings* Items() const { return FItems.get(); }
    void SetItems(TStrings* items);
    int ItemIndex() const { return FItemIndex; }
    // Values outside the items are taken as the nearest (-1 at the low end).
    void SetItemIndex(int index);
    int Columns() const { return FColumns; }
    // 1 to 16.
    void SetColumns(int columns);

    // The radio button of item index.
    TRadioButton* Buttons(int index) const;

    void Loaded() override;

protected:
    void WndProc(TMessage& message) override;
    void AlignControls(win::RECT& rect) override;

private:
    class TGroupButton;

    void ItemsChanged();
    void UpdateButtons();
    void ArrangeButtons();
    void ButtonClicked(const TGroupButton& button);

    std::unique_ptr<TStringList> FItems;
    std::vector<TGroupButton*> FButtons;
    int FItemIndex = -1;
    int FColumns = 1;
    // Set while the buttons are brought in line with ItemIndex.
    bool FUpdating = false;
};

} // namespace fw

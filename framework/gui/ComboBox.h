#pragma once
// A combo box on the platform's ComboBox class: Style (csDropDown with an edit,
// csDropDownList without), Items, ItemIndex, Text, and OnChange when the user
// picks another item or edits the text. TCustomComboBox does the work;
// TComboBox publishes it.

#include "framework/gui/ItemStrings.h"
#include "framework/gui/WinControl.h"

#include <memory>

namespace fw {

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList };
FW_ENUM_NAMES(TComboBoxStyle, "csDropDown", "csSimple", "csDropDownList");

class TCustomComboBox : public TWinControl {
    FW_CLASS(TCustomComboBox, TWinControl)

    explicit TCustomComboBox(TComponent* owner);
    ~TCustomComboBox() override;

    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle style);
    TStrings* Items() const { return FItems.get(); }
    void SetItems(TStrings* items);
    int ItemIndex() const;
    void SetItemIndex(int index);
    std::string Text() const override;

    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent handler) { FOnChange = std::move(handler); }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;
    void SetTextBuf(const std::string& text) override;

private:
    void Change();

    TComboBoxStyle FStyle = TComboBoxStyle::csDropDown;
    std::unique_ptr<TItemStrings> FItems;
    int FKeptIndex = -1;
    TNotifyEvent FOnChange;
};

class TComboBox : public TCustomComboBox {
    FW_CLASS(TComboBox, TCustomComboBox)

    explicit TComboBox(TComponent* owner) : TCustomComboBox(owner) {}
};

} // namespace fw

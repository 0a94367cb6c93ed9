#pragma once
// A list box on the platform's ListBox class: Items, the selected ItemIndex,
// a fixed ItemHeight, Sorted, a BorderStyle; a selection made by the user
// clicks it. TCustomListBox does the work; TListBox publishes it.

#include "framework/gui/ItemStrings.h"
#include "framework/gui/WinControl.h"

#include <memory>

namespace fw {

class TCustomListBox : public TWinControl {
    FW_CLASS(TCustomListBox, TWinControl)

    explicit TCustomListBox(TComponent* owner);
    ~TCustomListBox() override;

    TStrings* Items() const { return FItems.get(); }
    void SetItems(TStrings* items);
    // -1 when nothing is selected.
    int ItemIndex() const;
    void SetItemIndex(int index);
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int height);
    bool Sorted() const { return FSorted; }
    void SetSorted(bool sorted);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle style);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;

private:
    std::unique_ptr<TItemStrings> FItems;
    int FItemHeight = 13;
    bool FSorted = false;
    TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
    int FKeptIndex = -1;
};

class TListBox : public TCustomListBox {
    FW_CLASS(TListBox, TCustomListBox)

    explicit TListBox(TComponent* owner) : TCustomListBox(owner) {}
};

} // namespace fw

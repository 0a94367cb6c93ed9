#pragma once
// A list box on the platform's ListBox class: Items, the selected ItemIndex,
// a fixed ItemHeight, Sorted; a selection made by the user clicks it.

#include "framework/gui/ItemStrings.h"
#include "framework/gui/WinControl.h"

#include <memory>

namespace fw {

class TListBox : public TWinControl {
    FW_CLASS(TListBox, TWinControl)

    explicit TListBox(TComponent* owner);
    ~TListBox() override;

    TStrings* Items() const { return FItems.get(); }
    void SetItems(TStrings* items);
    // -1 when nothing is selected.
    int ItemIndex() const;
    void SetItemIndex(int index);
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int height);
    bool Sorted() const { return FSorted; }
    void SetSorted(bool sorted);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;

private:
    std::unique_ptr<TItemStrings> FItems;
    int FItemHeight = 13;
    bool FSorted = false;
    int FKeptIndex = -1;
};

} // namespace fw

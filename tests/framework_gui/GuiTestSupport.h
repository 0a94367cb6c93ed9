#pragma once
// The test form read from its definition resource, a component with a binary
// property, and a fixture on the headless display that records message boxes.

#include "framework/gui/Application.h"
#include "framework/gui/Button.h"
#include "framework/gui/CheckBox.h"
#include "framework/gui/ComboBox.h"
#include "framework/gui/Edit.h"
#include "framework/gui/Form.h"
#include "framework/gui/Image.h"
#include "framework/gui/ImageList.h"
#include "framework/gui/Label.h"
#include "framework/gui/ListBox.h"
#include "framework/gui/Panel.h"
#include "framework/gui/PopupMenu.h"
#include "framework/gui/Timer.h"
#include "platform/backend/headless/TestDisplay.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace fw::test {

class TBlobHolder : public TComponent {
    FW_CLASS(TBlobHolder, TComponent)

    explicit TBlobHolder(TComponent* owner) : TComponent(owner) {}

    const std::string& Data() const { return FData; }
    void ReadData(TStream& stream);
    void WriteData(TStream& stream) const;
    TButton* Peer() const { return FPeer; }
    void SetPeer(TButton* peer) { FPeer = peer; }

    void Loaded() override;
    // What the owner's other blob held when this one was told it is loaded.
    std::string SiblingDataAtLoaded;
    int LoadedCalls = 0;

private:
    std::string FData;
    TButton* FPeer = nullptr;
};

class TTestForm : public TForm {
    FW_CLASS(TTestForm, TForm)

    explicit TTestForm(TComponent* owner) : TForm(owner) {}

    TLabel* Label1 = nullptr;
    TEdit* Edit1 = nullptr;
    TButton* Button1 = nullptr;
    TPanel* Panel1 = nullptr;
    TListBox* List1 = nullptr;
    TComboBox* Combo1 = nullptr;
    TMemo* Memo1 = nullptr;
    TCheckBox* Check1 = nullptr;
    TImage* Image1 = nullptr;
    TTimer* Timer1 = nullptr;
    TBlobHolder* Blob1 = nullptr;
    TBlobHolder* Blob2 = nullptr;
    TImageList* Images1 = nullptr;
    TMainMenu* MainMenu1 = nullptr;
    TPopupMenu* PopupMenu1 = nullptr;

    void FormCreate(TObject* sender);
    void Button1Click(TObject* sender);
    void List1Click(TObject* sender);
    void Timer1Timer(TObject* sender);
    void Image1Click(TObject* sender);
    // Records "MenuItemClick " and the sender's name.
    void MenuItemClick(TObject* sender);
    void Pages1Change(TObject* sender);

    std::vector<std::string> events;
    // Button1Click raises this when it is not empty.
    std::string failWith;
};

struct TShownBox {
    std::string text;
    std::string caption;
    unsigned flags;
};

class GuiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The test form, read from its resource, shown and painted.
    TTestForm& ShowTestForm();
    // Screen point of a client point of a control.
    win::POINT At(TWinControl& control, int x, int y);
    win::POINT At(TControl& control, int x, int y);

    win::headless::TestDisplay* display = nullptr;
    std::vector<TShownBox> boxes;
    TTestForm* form = nullptr;

private:
    TMessageBoxFunction previousBox;
};

} // namespace fw::test

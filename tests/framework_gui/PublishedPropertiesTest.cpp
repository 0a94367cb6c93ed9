// What code that knows controls only by their published properties (the skin
// painters) finds: each property by name with its kind and default, the
// abstract bases the concrete classes derive from, and what setting a property
// by name does to the control's window.

#include "GuiTestSupport.h"
#include "framework/TypInfo.h"
#include "framework/gui/BitBtn.h"
#include "framework/gui/GraphicsColor.h"
#include "framework/gui/Screen.h"
#include "framework/gui/StatusBar.h"
#include "platform/gdi/SystemMetrics.h"
#include "platform/user/controls/CommCtrl.h"
#include "platform/user/controls/StandardControls.h"

#include <string>
#include <vector>

namespace fw::test {
namespace {

class PublishedPropertiesTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        owned.reset(NewForm<TForm>(nullptr));
        owned->SetBounds(40, 40, 400, 300);
        owned->Font()->SetName("Sans");
        owned->Font()->SetHeight(-12);
    }
    void TearDown() override {
        owned.reset();
        GuiTest::TearDown();
    }

    template <class T> T* Add(int left, int top, int width, int height) {
        auto* control = new T(owned.get());
        control->SetBounds(left, top, width, height);
        control->SetParent(owned.get());
        return control;
    }

    void ShowOwned() {
        owned->Show();
        display->Run();
    }

    win::DWORD StyleOf(TWinControl& control) {
        return static_cast<win::DWORD>(win::GetWindowLong(control.Handle(), win::GWL_STYLE));
    }

    TComponentPtr<TForm> owned;
};

TEST_F(PublishedPropertiesTest, PaintersFindEachPropertyByNameWithItsKindAndDefault) {
    auto* button = Add<TButton>(8, 8, 75, 25);
    auto* bitBtn = Add<TBitBtn>(8, 40, 75, 25);
    auto* check = Add<TCheckBox>(8, 70, 97, 17);
    auto* list = Add<TListBox>(8, 90, 100, 60);
    auto* panel = Add<TPanel>(120, 8, 100, 60);
    auto* bar = Add<TStatusBar>(0, 0, 100, 19);
    TStatusPanel* statusPanel = static_cast<TStatusPanel*>(bar->Panels()->Add());
    const struct {
        const TObject* object;
        const char* name;
        TTypeKind kind;
        const char* text; // nullptr: no text (objects)
    } cases[] = {
        {button, "MultiLine", TTypeKind::tkBoolean, "False"},
        {bitBtn, "MultiLine", TTypeKind::tkBoolean, "False"},
        {bitBtn, "Images", TTypeKind::tkClass, nullptr},
        {bitBtn, "ImageIndex", TTypeKind::tkInteger, "-1"},
        {bitBtn, "DisabledIndex", TTypeKind::tkInteger, "-1"},
        {bitBtn, "Alignment", TTypeKind::tkEnumeration, "taCenter"},
        {check, "State", TTypeKind::tkEnumeration, "cbUnchecked"},
        {check, "AllowGrayed", TTypeKind::tkBoolean, "False"},
        {list, "BorderStyle", TTypeKind::tkEnumeration, "bsSingle"},
        {owned.get(), "WindowState", TTypeKind::tkEnumeration, "wsNormal"},
        {owned.get(), "ActiveControl", TTypeKind::tkClass, nullptr},
        {panel, "Transparent", TTypeKind::tkBoolean, "False"},
        {statusPanel, "Bevel", TTypeKind::tkEnumeration, "pbLowered"},
        {statusPanel, "Alignment", TTypeKind::tkEnumeration, "taLeftJustify"},
        {statusPanel, "Style", TTypeKind::tkEnumeration, "psText"},
        {&Screen(), "MenuFont", TTypeKind::tkClass, nullptr},
        {&Screen(), "HintFont", TTypeKind::tkClass, nullptr},
        // Colours are a kind of their own, read as ordinals and named as colours.
        {owned.get(), "Color", TTypeKind::tkColor, "clBtnFace"},
        {panel, "Color", TTypeKind::tkColor, "clBtnFace"},
        {list, "Color", TTypeKind::tkColor, "clWindow"},
    };
    for (const auto& c : cases) {
        const TPropInfo* info = GetPropInfo(*c.object, c.name);
        ASSERT_NE(info, nullptr) << c.object->ClassName() << "." << c.name;
        EXPECT_EQ(info->Kind(), c.kind) << c.object->ClassName() << "." << c.name;
        if (c.text) {
            EXPECT_EQ(GetPropText(*c.object, c.name).value_or("?"), c.text)
                << c.object->ClassName() << "." << c.name;
        }
        if (c.kind == TTypeKind::tkColor) {
            EXPECT_EQ(GetOrdProp(*c.object, c.name),
                      static_cast<std::int64_t>(dynamic_cast<const TControl&>(*c.object).Color()));
        }
    }
    EXPECT_EQ(GetObjectProp(Screen(), "MenuFont").value_or(nullptr), Screen().MenuFont());
}

TEST_F(PublishedPropertiesTest, ConcreteControlsDeriveFromTheAbstractBasesPaintersTestFor) {
    const struct {
        const TObject* object;
        const TClassInfo& base;
    } cases[] = {
        {owned.get(), TCustomForm::StaticClass()},
        {Add<TPanel>(0, 0, 10, 10), TCustomPanel::StaticClass()},
        {Add<TComboBox>(0, 0, 10, 10), TCustomComboBox::StaticClass()},
        {Add<TListBox>(0, 0, 10, 10), TCustomListBox::StaticClass()},
        {Add<TMemo>(0, 0, 10, 10), TCustomMemo::StaticClass()},
        {Add<TMemo>(0, 0, 10, 10), TCustomEdit::StaticClass()},
        {Add<TStatusBar>(0, 0, 10, 10), TCustomStatusBar::StaticClass()},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(c.object->InheritsFrom(c.base)) << c.object->ClassName();
        // The base sits between the concrete class and the one above it.
        EXPECT_EQ(c.object->ClassType().ClassParent()->ClassName().substr(0, 7), "TCustom")
            << c.object->ClassName();
    }
    // The bases can be derived from, as the skin's overlays do with TCustomPanel.
    auto* bare = new TCustomPanel(owned.get());
    EXPECT_EQ(bare->ClassName(), "TCustomPanel");
    EXPECT_FALSE(IsPublishedProp(*bare, "Transparent")) << "TPanel publishes, not its base";
}

TEST_F(PublishedPropertiesTest, SettingAPropertyByNameReachesTheWindow) {
    auto* button = Add<TButton>(8, 8, 75, 25);
    auto* check = Add<TCheckBox>(8, 40, 97, 17);
    auto* list = Add<TListBox>(8, 60, 100, 60);
    auto* bar = Add<TStatusBar>(0, 0, 100, 19);
    auto* statusPanel = static_cast<TStatusPanel*>(bar->Panels()->Add());
    statusPanel->SetText("X");
    ShowOwned();
    const auto partType = [&] {
        char text[64] = {};
        const auto answer = win::SendMessage(bar->Handle(), win::SB_GETTEXT, 0,
                                             reinterpret_cast<win::LPARAM>(text));
        return std::make_pair(static_cast<win::WPARAM>(win::HIWORD(answer)), std::string(text));
    };
    const struct {
        TObject* object;
        const char* name;
        const char* text;
        std::function<bool()> holds;
    } cases[] = {
        {check, "State", "cbGrayed",
         [&] {
             return win::SendMessage(check->Handle(), win::BM_GETCHECK, 0, 0) ==
                    win::BST_INDETERMINATE;
         }},
        {check, "State", "cbChecked", [&] { return check->Checked(); }},
        {list, "BorderStyle", "bsNone", [&] { return !(StyleOf(*list) & win::WS_BORDER); }},
        {list, "BorderStyle", "bsSingle", [&] { return (StyleOf(*list) & win::WS_BORDER) != 0; }},
        {button, "MultiLine", "True", [&] { return (StyleOf(*button) & win::BS_MULTILINE) != 0; }},
        // The default frame moves with the focus; the line breaking stays.
        {button, "Default", "True",
         [&] {
             return (StyleOf(*button) & (win::BS_MULTILINE | win::BS_DEFPUSHBUTTON)) ==
                    (win::BS_MULTILINE | win::BS_DEFPUSHBUTTON);
         }},
        {owned.get(), "WindowState", "wsMaximized", [&] { return win::IsZoomed(owned->Handle()); }},
        {owned.get(), "WindowState", "wsNormal",
         [&] { return !win::IsZoomed(owned->Handle()) && !win::IsIconic(owned->Handle()); }},
        {statusPanel, "Bevel", "pbRaised",
         [&] { return (partType().first & win::SBT_POPOUT) != 0; }},
        {statusPanel, "Bevel", "pbNone",
         [&] { return (partType().first & win::SBT_NOBORDERS) != 0; }},
        {statusPanel, "Alignment", "taRightJustify", [&] { return partType().second == "\t\tX"; }},
        {statusPanel, "Alignment", "taCenter", [&] { return partType().second == "\tX"; }},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(SetPropText(*c.object, c.name, c.text)) << c.name << " = " << c.text;
        EXPECT_EQ(GetPropText(*c.object, c.name).value_or("?"), c.text);
        EXPECT_TRUE(c.holds()) << c.name << " = " << c.text;
    }
}

TEST_F(PublishedPropertiesTest, AClickTurnsACheckBoxThroughGrayedOnlyWhenAllowed) {
    auto* check = Add<TCheckBox>(8, 8, 120, 17);
    check->SetCaption("选项");
    std::vector<std::string> seen;
    check->OnClick = [&](TObject*) { seen.push_back(*GetPropText(*check, "State")); };
    ShowOwned();
    for (int i = 0; i < 3; ++i)
        display->Click(At(*check, 6, 8));
    check->SetAllowGrayed(true);
    for (int i = 0; i < 3; ++i)
        display->Click(At(*check, 6, 8));
    EXPECT_EQ(seen, (std::vector<std::string>{"cbChecked", "cbUnchecked", "cbChecked",
                                              "cbUnchecked", "cbGrayed", "cbChecked"}));
    check->SetState(TCheckBoxState::cbGrayed);
    check->RecreateWnd();
    EXPECT_EQ(check->State(), TCheckBoxState::cbGrayed) << "kept over a new window";
}

TEST_F(PublishedPropertiesTest, AnOwnerDrawnStatusPanelIsDrawnByOnDrawPanel) {
    auto* bar = Add<TStatusBar>(0, 0, 200, 22);
    auto* first = static_cast<TStatusPanel*>(bar->Panels()->Add());
    first->SetWidth(80);
    auto* drawn = static_cast<TStatusPanel*>(bar->Panels()->Add());
    drawn->SetStyle(TStatusPanelStyle::psOwnerDraw);
    std::vector<TStatusPanel*> calls;
    bar->OnDrawPanel = [&](TCustomStatusBar* sender, TStatusPanel* panel, const win::RECT& rect) {
        calls.push_back(panel);
        sender->Canvas()->Brush()->SetColor(clRed);
        sender->Canvas()->FillRect(rect);
    };
    ShowOwned();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back(), drawn);
    const win::Surface shot = display->Capture(owned->Handle());
    win::RECT frame;
    win::GetWindowRect(owned->Handle(), &frame);
    const win::POINT inside = At(*bar, 120, bar->Height() / 2);
    EXPECT_EQ(shot.Row(inside.y - frame.top)[inside.x - frame.left], 0xFF0000u);
}

TEST_F(PublishedPropertiesTest, ABitButtonTakesItsPictureFromItsImageList) {
    auto* images = new TImageList(owned.get());
    for (const TColor colour : {clRed, clBlue}) {
        TBitmap image;
        image.SetSize(16, 16);
        image.Canvas()->Brush()->SetColor(colour);
        image.Canvas()->FillRect({0, 0, 16, 16});
        images->Add(image, nullptr);
    }
    auto* left = Add<TBitBtn>(8, 8, 140, 30);
    auto* centred = Add<TBitBtn>(8, 48, 140, 30);
    auto* right = Add<TBitBtn>(8, 88, 140, 30);
    const struct {
        TBitBtn* button;
        const char* alignment;
    } placed[] = {{left, "taLeftJustify"}, {centred, "taCenter"}, {right, "taRightJustify"}};
    for (const auto& p : placed) {
        SetObjectProp(*p.button, "Images", images);
        SetPropText(*p.button, "ImageIndex", "0");
        SetPropText(*p.button, "Alignment", p.alignment);
        p.button->SetCaption("图");
    }
    ShowOwned();
    // No focus rectangle across the pictures.
    win::SetFocus(owned->Handle());
    display->Run();
    const auto columnsOf = [&](TBitBtn& button, std::uint32_t colour) {
        const win::Surface shot = display->Capture(owned->Handle());
        win::RECT frame;
        win::GetWindowRect(owned->Handle(), &frame);
        std::vector<int> columns;
        for (int x = 0; x < button.Width(); ++x) {
            const win::POINT at = At(button, x, button.Height() / 2);
            if (shot.Row(at.y - frame.top)[at.x - frame.left] == colour)
                columns.push_back(x);
        }
        return columns;
    };
    const std::vector<int> atLeft = columnsOf(*left, 0xFF0000);
    const std::vector<int> atCentre = columnsOf(*centred, 0xFF0000);
    const std::vector<int> atRight = columnsOf(*right, 0xFF0000);
    ASSERT_EQ(atLeft.size(), 16u);
    ASSERT_EQ(atCentre.size(), 16u);
    ASSERT_EQ(atRight.size(), 16u);
    EXPECT_LT(atLeft.front(), atCentre.front());
    EXPECT_LT(atCentre.front(), atRight.front());

    SetPropText(*centred, "DisabledIndex", "1");
    centred->SetEnabled(false);
    left->SetEnabled(false);
    display->Run();
    EXPECT_EQ(columnsOf(*centred, 0x0000FF).size(), 16u) << "its own disabled image";
    EXPECT_TRUE(columnsOf(*left, 0xFF0000).empty()) << "the image embossed, not in colour";
}

TEST_F(PublishedPropertiesTest, APressCanBeHandedToAControlFromOutside) {
    auto* panel = Add<TPanel>(8, 8, 100, 60);
    std::vector<std::string> events;
    panel->OnMouseDown = [&](TObject*, TMouseButton button, TShiftState, int x, int y) {
        events.push_back(EnumInfoOf<TMouseButton>().Name(static_cast<int>(button)) + " " +
                         std::to_string(x) + "," + std::to_string(y));
    };
    // As a skinner that paints the control and takes its presses does.
    TControl& control = *panel;
    control.MouseDown(TMouseButton::mbLeft, TShiftState{TShiftStateItem::ssLeft}, 3, 4);
    EXPECT_EQ(events, (std::vector<std::string>{"mbLeft 3,4"}));
}

} // namespace
} // namespace fw::test

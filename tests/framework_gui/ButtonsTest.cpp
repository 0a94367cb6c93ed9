// Group boxes, radio groups, bit buttons and speed buttons on the test form,
// and the dialog keys: Tab order, arrows, Enter, Escape and accelerators, all
// from injected input taken by the application's loop.

#include "GuiTestSupport.h"
#include "framework/TypInfo.h"
#include "framework/gui/BitBtn.h"
#include "framework/gui/DialogKeys.h"
#include "framework/gui/GroupBox.h"
#include "framework/gui/RadioGroup.h"
#include "framework/gui/SpeedButton.h"
#include "platform/gdi/SystemMetrics.h"
#include "platform/user/Input.h"
#include "platform/user/controls/StandardControls.h"

#include <algorithm>
#include <cstdint>

namespace fw::test {
namespace {

constexpr std::uint32_t kGlyphGreen = 0x008000;
constexpr std::uint32_t kKeyMagenta = 0xFF00FF;

class ButtonsTest : public GuiTest {
protected:
    TTestForm& Show() {
        TTestForm& f = ShowTestForm();
        radio = Find<TRadioGroup>("Radio1");
        ok = Find<TBitBtn>("OkBtn");
        cancel = Find<TBitBtn>("CancelBtn");
        speed1 = Find<TSpeedButton>("Speed1");
        speed2 = Find<TSpeedButton>("Speed2");
        group = Find<TGroupBox>("Group1");
        groupButton = Find<TButton>("GroupButton");
        for (TControl* c : std::initializer_list<TControl*>{radio, ok, cancel, speed1, speed2,
                                                            f.Button1, groupButton})
            c->OnClick = [this](TObject* sender) {
                clicks.push_back(static_cast<TComponent*>(sender)->Name());
            };
        return f;
    }

    template <class T> T* Find(const std::string& name) {
        auto* found = dynamic_cast<T*>(form->FindComponent(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // Keys are taken by the application's loop, which gives the focused
    // control and its form the first look at them.
    void Press(int key, int modifier = 0) {
        if (modifier)
            win::InjectKey(modifier, win::KeyTransition::Down);
        win::InjectKey(key, win::KeyTransition::Down);
        win::InjectKey(key, win::KeyTransition::Up);
        if (modifier)
            win::InjectKey(modifier, win::KeyTransition::Up);
        Application().ProcessMessages();
    }

    void Type(const std::string& text) {
        win::InjectText(text);
        Application().ProcessMessages();
    }

    std::string FocusedName() {
        TWinControl* focused = FocusedControl();
        if (!focused)
            return "";
        return focused->Name().empty() ? focused->Caption() : focused->Name();
    }

    // The pixels of a control as the window shows them, row by row.
    std::vector<std::uint32_t> PixelsOf(TControl& control) {
        const win::Surface surface = display->Capture(form->Handle());
        win::RECT window;
        win::GetWindowRect(form->Handle(), &window);
        const win::POINT origin = At(control, 0, 0);
        std::vector<std::uint32_t> pixels;
        for (int y = 0; y < control.Height(); ++y)
            for (int x = 0; x < control.Width(); ++x)
                pixels.push_back(
                    surface.Row(origin.y - window.top + y)[origin.x - window.left + x] & 0xFFFFFF);
        return pixels;
    }

    static bool Has(const std::vector<std::uint32_t>& pixels, std::uint32_t color) {
        return std::find(pixels.begin(), pixels.end(), color) != pixels.end();
    }

    TRadioGroup* radio = nullptr;
    TBitBtn* ok = nullptr;
    TBitBtn* cancel = nullptr;
    TSpeedButton* speed1 = nullptr;
    TSpeedButton* speed2 = nullptr;
    TGroupBox* group = nullptr;
    TButton* groupButton = nullptr;
    std::vector<std::string> clicks;
};

std::vector<bool> CheckedButtons(const TRadioGroup& group) {
    std::vector<bool> checked;
    for (int i = 0; i < group.Items()->Count(); ++i)
        checked.push_back(group.Buttons(i)->Checked());
    return checked;
}

TEST_F(ButtonsTest, RadioGroupAndItsButtonsFollowEachOther) {
    Show();
    ASSERT_EQ(radio->Items()->Count(), 3);
    EXPECT_EQ(radio->Buttons(2)->Caption(), "境外");
    EXPECT_EQ(radio->ItemIndex(), 1);
    EXPECT_EQ(CheckedButtons(*radio), (std::vector<bool>{false, true, false}));

    display->Click(At(*radio->Buttons(2), 6, 6));
    EXPECT_EQ(radio->ItemIndex(), 2);
    EXPECT_EQ(CheckedButtons(*radio), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(clicks, (std::vector<std::string>{"Radio1"}));

    radio->SetItemIndex(0);
    EXPECT_EQ(CheckedButtons(*radio), (std::vector<bool>{true, false, false}));
    radio->SetItemIndex(0);
    radio->SetItemIndex(7);
    EXPECT_EQ(radio->ItemIndex(), 2) << "an index past the items takes the last";
    EXPECT_EQ(clicks, (std::vector<std::string>{"Radio1", "Radio1", "Radio1"}));

    // Columns fill top to bottom: two rows in the first column, one in the second.
    EXPECT_EQ(radio->Buttons(0)->Left(), radio->Buttons(1)->Left());
    EXPECT_GT(radio->Buttons(1)->Top(), radio->Buttons(0)->Top());
    EXPECT_GT(radio->Buttons(2)->Left(), radio->Buttons(0)->Left());
    EXPECT_EQ(radio->Buttons(2)->Top(), radio->Buttons(0)->Top());

    radio->Items()->Delete(2);
    EXPECT_EQ(radio->ItemIndex(), 1) << "the checked item went: the index stays in range";
    radio->Items()->Add("数字");
    EXPECT_EQ(CheckedButtons(*radio), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(radio->Buttons(2)->Caption(), "数字");
    EXPECT_EQ(radio->ControlCount(), 3);
}

TEST_F(ButtonsTest, BitBtnKindsBringCaptionModalResultAndRole) {
    Show();
    const struct {
        TBitBtnKind kind;
        const char* caption;
        int modalResult;
        bool isDefault;
        bool isCancel;
    } cases[] = {
        {TBitBtnKind::bkOK, "OK", mrOk, true, false},
        {TBitBtnKind::bkCancel, "Cancel", mrCancel, false, true},
        {TBitBtnKind::bkHelp, "&Help", mrNone, false, false},
        {TBitBtnKind::bkYes, "&Yes", mrYes, true, false},
        {TBitBtnKind::bkNo, "&No", mrNo, false, true},
        {TBitBtnKind::bkClose, "&Close", mrNone, false, false},
        {TBitBtnKind::bkAbort, "Abort", mrAbort, false, false},
        {TBitBtnKind::bkRetry, "&Retry", mrRetry, false, false},
        {TBitBtnKind::bkIgnore, "&Ignore", mrIgnore, false, false},
        {TBitBtnKind::bkAll, "&All", mrAll, false, false},
    };
    for (const auto& c : cases) {
        auto* button = Create<TBitBtn>(*form);
        button->SetKind(c.kind);
        EXPECT_EQ(button->Caption(), c.caption);
        EXPECT_EQ(button->ModalResult(), c.modalResult) << c.caption;
        EXPECT_EQ(button->Default(), c.isDefault) << c.caption;
        EXPECT_EQ(button->Cancel(), c.isCancel) << c.caption;
        ASSERT_FALSE(button->Glyph()->Empty()) << c.caption;
        EXPECT_EQ(button->Glyph()->TransparentColor(), clFuchsia) << c.caption;
        button->Free();
    }
    EXPECT_EQ(ok->Caption(), "OK");
    EXPECT_EQ(cancel->Caption(), "取消") << "a caption from the definition stays";
    EXPECT_EQ(GetPropText(*cancel, "Kind"), "bkCancel");

    TBitmap own;
    own.SetSize(4, 4);
    ok->SetGlyph(&own);
    EXPECT_EQ(ok->Kind(), TBitBtnKind::bkCustom);
    EXPECT_EQ(ok->ModalResult(), mrOk);
}

TEST_F(ButtonsTest, BitBtnDrawsItsGlyphWithoutTheKeyColourAndGreyWhenDisabled) {
    Show();
    const std::vector<std::uint32_t> enabled = PixelsOf(*ok);
    EXPECT_TRUE(Has(enabled, kGlyphGreen)) << "the check mark is drawn";
    EXPECT_FALSE(Has(enabled, kKeyMagenta)) << "the key colour is not";

    ok->SetEnabled(false);
    const std::vector<std::uint32_t> disabled = PixelsOf(*ok);
    EXPECT_FALSE(Has(disabled, kGlyphGreen));
    EXPECT_FALSE(Has(disabled, kKeyMagenta));
    const std::uint32_t shadow = win::GetSysColor(win::COLOR_BTNSHADOW);
    const std::uint32_t shadowRgb =
        (shadow & 0xFF) << 16 | (shadow & 0xFF00) | ((shadow >> 16) & 0xFF);
    EXPECT_GT(std::count(disabled.begin(), disabled.end(), shadowRgb),
              std::count(enabled.begin(), enabled.end(), shadowRgb))
        << "the glyph turned into its grey shadow";
}

TEST_F(ButtonsTest, SpeedButtonsOfAGroupStayDownOneAtATime) {
    Show();
    EXPECT_TRUE(speed1->Down());
    EXPECT_FALSE(speed2->Down());

    display->Click(At(*speed2, 5, 5));
    EXPECT_TRUE(speed2->Down());
    EXPECT_FALSE(speed1->Down());
    display->Click(At(*speed2, 5, 5));
    EXPECT_TRUE(speed2->Down()) << "without AllowAllUp the last down one stays down";
    EXPECT_EQ(clicks, (std::vector<std::string>{"Speed2", "Speed2"}));

    speed1->SetAllowAllUp(true);
    EXPECT_TRUE(speed2->AllowAllUp()) << "the whole group shares AllowAllUp";
    display->Click(At(*speed2, 5, 5));
    EXPECT_FALSE(speed2->Down());
    EXPECT_FALSE(speed1->Down());

    // A press that ends outside the button does nothing: the parent held the
    // mouse for it, so the release still reached it.
    display->Drag(At(*speed1, 5, 5), At(*form, 5, 5));
    EXPECT_FALSE(speed1->Down());
    EXPECT_EQ(clicks.size(), 3u);

    speed2->SetDown(true);
    speed1->SetDown(true);
    EXPECT_FALSE(speed2->Down());
    speed1->SetGroupIndex(0);
    EXPECT_FALSE(speed1->Down()) << "an ungrouped button cannot stay down";

    speed2->SetFlat(true);
    display->MoveMouse(At(*speed2, 3, 3));
    EXPECT_TRUE(speed2->MouseInControl());
    display->MoveMouse(At(*form, 5, 5));
    EXPECT_FALSE(speed2->MouseInControl());
}

TEST_F(ButtonsTest, TabAndShiftTabGoThroughTheTabStopsInOrder) {
    TTestForm& f = Show();
    f.Edit1->SetFocus();
    std::vector<std::string> forward;
    for (int i = 0; i < 9; ++i) {
        Press(win::VK_TAB);
        forward.push_back(FocusedName());
    }
    // The radio group is entered on its checked button; panel and group box are
    // no tab stops themselves, their children are.
    EXPECT_EQ(forward, (std::vector<std::string>{"Button1", "List1", "Combo1", "Memo1", "Check1",
                                                 "地方", "OkBtn", "CancelBtn", "GroupButton"}));
    Press(win::VK_TAB, win::VK_SHIFT);
    EXPECT_EQ(FocusedName(), "CancelBtn");

    // Both ways round the end of the list.
    f.Edit1->SetFocus();
    Press(win::VK_TAB, win::VK_SHIFT);
    const std::string last = FocusedName();
    EXPECT_NE(last, "Edit1");
    Press(win::VK_TAB);
    EXPECT_EQ(FocusedName(), "Edit1");

    // Ctrl+Tab is not a dialog key.
    Press(win::VK_TAB, win::VK_CONTROL);
    EXPECT_EQ(FocusedName(), "Edit1");
}

TEST_F(ButtonsTest, ArrowsMoveBetweenTheRadioButtonsAndCheckThem) {
    Show();
    radio->Buttons(1)->SetFocus();
    Press(win::VK_DOWN);
    EXPECT_TRUE(radio->Buttons(2)->Focused());
    EXPECT_EQ(radio->ItemIndex(), 2);
    Press(win::VK_DOWN);
    EXPECT_EQ(radio->ItemIndex(), 0) << "the arrows wrap round inside the group";
    Press(win::VK_UP);
    EXPECT_EQ(radio->ItemIndex(), 2);
    EXPECT_EQ(clicks, (std::vector<std::string>{"Radio1", "Radio1", "Radio1"}));
}

TEST_F(ButtonsTest, EnterClicksTheDefaultOrTheFocusedButtonAndEscapeTheCancelButton) {
    TTestForm& f = Show();
    const struct {
        TWinControl* focus;
        int key;
        const char* clicked;
        int modalResult;
    } cases[] = {
        {f.Edit1, win::VK_RETURN, "OkBtn", mrOk},
        {cancel, win::VK_RETURN, "CancelBtn", mrCancel},
        {f.Button1, win::VK_RETURN, "Button1", mrNone},
        {f.Edit1, win::VK_ESCAPE, "CancelBtn", mrCancel},
        {f.Button1, win::VK_ESCAPE, "CancelBtn", mrCancel},
    };
    for (const auto& c : cases) {
        clicks.clear();
        f.SetModalResult(mrNone);
        c.focus->SetFocus();
        Press(c.key);
        EXPECT_EQ(clicks, std::vector<std::string>{c.clicked}) << c.focus->Name();
        EXPECT_EQ(f.ModalResult(), c.modalResult) << c.focus->Name();
    }

    // A multi-line memo keeps Enter for itself.
    clicks.clear();
    f.Memo1->SetFocus();
    Press(win::VK_RETURN);
    EXPECT_TRUE(clicks.empty());
    EXPECT_EQ(f.Memo1->Lines()->Count(), 3);
}

TEST_F(ButtonsTest, AcceleratorsClickButtonsAndFocusGroups) {
    TTestForm& f = Show();
    f.Button1->SetCaption("更新(&U)");
    f.Edit1->SetFocus();

    Press('U', win::VK_MENU);
    EXPECT_EQ(clicks, std::vector<std::string>{"Button1"});

    clicks.clear();
    Type("u");
    EXPECT_TRUE(clicks.empty()) << "an edit takes the character as text";
    EXPECT_NE(f.Edit1->Text().find('u'), std::string::npos);

    f.Check1->SetFocus();
    Type("u");
    EXPECT_EQ(clicks, std::vector<std::string>{"Button1"}) << "a check box takes no characters";

    clicks.clear();
    Press('2', win::VK_MENU);
    EXPECT_TRUE(speed2->Down());
    EXPECT_EQ(clicks, std::vector<std::string>{"Speed2"});

    Press('B', win::VK_MENU);
    EXPECT_EQ(FocusedName(), "GroupButton");
    Press('D', win::VK_MENU);
    EXPECT_TRUE(radio->Buttons(1)->Focused());

    f.Button1->SetEnabled(false);
    clicks.clear();
    Press('U', win::VK_MENU);
    EXPECT_TRUE(clicks.empty()) << "a disabled button has no accelerator";
}

TEST_F(ButtonsTest, AcceleratorsFocusAndToggleCheckBoxesAndCheckRadioButtons) {
    TTestForm& f = Show();
    f.Check1->SetCaption("选项(&X)");
    radio->Buttons(2)->SetCaption("境外(&W)");
    std::vector<std::string> checkClicks;
    f.Check1->OnClick = [&](TObject*) { checkClicks.push_back("Check1"); };
    f.Edit1->SetFocus();

    Press('X', win::VK_MENU);
    EXPECT_TRUE(f.Check1->Focused());
    EXPECT_FALSE(f.Check1->Checked());
    EXPECT_EQ(checkClicks, std::vector<std::string>{"Check1"});

    f.Button1->SetFocus();
    Type("x");
    EXPECT_TRUE(f.Check1->Focused()) << "a button takes no characters";
    EXPECT_TRUE(f.Check1->Checked());

    Press('W', win::VK_MENU);
    EXPECT_TRUE(radio->Buttons(2)->Focused());
    EXPECT_EQ(CheckedButtons(*radio), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(radio->ItemIndex(), 2);

    f.Check1->SetEnabled(false);
    Press('X', win::VK_MENU);
    EXPECT_TRUE(f.Check1->Checked()) << "a disabled check box has no accelerator";
}

TEST_F(ButtonsTest, AcceleratorMarks) {
    const struct {
        unsigned typed;
        const char* caption;
        bool expected;
    } cases[] = {
        {'x', "E&xit", true},    {'X', "E&xit", true},  {'e', "E&xit", false},
        {'x', "Exit", false},    {'&', "A&&B", false},  {'b', "A&&B", false},
        {'b', "&A &B", true},    {'a', "&A &B", false}, {U'更', "&更新", true},
        {U'新', "&更新", false}, {'x', "Exit&", false}, {0, "&", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsAccel(c.typed, c.caption), c.expected) << c.caption << " " << c.typed;
}

TEST_F(ButtonsTest, TheButtonsRenderToAPicture) {
    TTestForm& f = Show();
    speed2->SetFlat(true);
    const std::string path = ::testing::TempDir() + "framework_gui_buttons.png";
    EXPECT_TRUE(display->WritePng(f.Handle(), path));
}

} // namespace
} // namespace fw::test

// Where the keyboard focus goes when a form is activated: to its
// ActiveControl, else to the first control in tab order that can take it, and
// back to the control that had it when the form is activated again.

#include "GuiTestSupport.h"
#include "framework/TypInfo.h"
#include "framework/gui/DialogKeys.h"

#include <string>

namespace fw::test {
namespace {

class FormActivationTest : public GuiTest {
protected:
    static std::string FocusedName() {
        TWinControl* focused = FocusedControl();
        return focused ? focused->Name() : "(none)";
    }
};

TEST_F(FormActivationTest, AtItsFirstActivationAFormFocusesItsFirstControlInTabOrder) {
    ShowTestForm();
    EXPECT_EQ(FocusedName(), "Edit1");
}

TEST_F(FormActivationTest, TheActiveControlOfTheDefinitionTakesTheFocusInstead) {
    form = NewForm<TTestForm>(nullptr);
    ASSERT_TRUE(SetObjectProp(*form, "ActiveControl", form->List1));
    form->Show();
    display->Run();
    EXPECT_EQ(FocusedName(), "List1");
}

TEST_F(FormActivationTest, ActivatedAgainAFormGivesTheFocusBackToTheControlThatHadIt) {
    TTestForm& f = ShowTestForm();
    f.Memo1->SetFocus();
    EXPECT_EQ(f.ActiveControl(), f.Memo1);
    TComponentPtr<TForm> other(NewForm<TForm>(nullptr));
    other->SetBounds(500, 400, 200, 150);
    other->Show();
    display->Run();
    ASSERT_EQ(win::GetActiveWindow(), other->Handle());
    win::SetActiveWindow(f.Handle());
    display->Run();
    EXPECT_EQ(FocusedName(), "Memo1");
}

TEST_F(FormActivationTest, ADisabledOrHiddenActiveControlIsPassedOver) {
    form = NewForm<TTestForm>(nullptr);
    form->SetActiveControl(form->List1);
    form->Edit1->SetEnabled(false);
    form->List1->SetVisible(false);
    form->Show();
    display->Run();
    EXPECT_EQ(FocusedName(), "Button1") << "the first that can take the focus";
}

TEST_F(FormActivationTest, AFormWithoutControlsKeepsTheFocusItself) {
    TComponentPtr<TForm> empty(NewForm<TForm>(nullptr));
    empty->Show();
    display->Run();
    EXPECT_EQ(win::GetFocus(), empty->Handle());
}

} // namespace
} // namespace fw::test

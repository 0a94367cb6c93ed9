// Modal forms: ShowModal from a handler of the main form disables the other
// windows while it runs, ends on a button's ModalResult (clicked or by its
// dialog key), on Close and on a quit message, and gives the owner its enabled state and activation
// back; an exception inside the modal form is shown and the loop goes on.

#include "GuiTestSupport.h"
#include "platform/user/Input.h"
#include "platform/user/WinUser.h"

#include <functional>
#include <vector>

namespace fw::test {
namespace {

// Queued for the loop that runs next, as a user's key press.
void PressKey(int key) {
    win::InjectKey(key, win::KeyTransition::Down);
    win::InjectKey(key, win::KeyTransition::Up);
}

class ModalFormTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        dialog = NewForm<TForm>(nullptr);
        dialog->SetCaption("节目表设置");
        dialog->SetBounds(120, 120, 300, 180);
        ok = AddButton("确定", 20, mrOk);
        ok->SetDefault(true);
        AddButton("取消", 110, mrCancel)->SetCancel(true);
        failing = AddButton("读取", 200, mrNone);
        failing->OnClick = [](TObject*) { throw Exception("节目表读取失败"); };
    }
    void TearDown() override {
        dialog->Free();
        GuiTest::TearDown();
    }

    TButton* AddButton(const char* caption, int left, TModalResult result) {
        auto* button = new TButton(dialog);
        button->SetParent(dialog);
        button->SetCaption(caption);
        button->SetBounds(left, 100, 80, 26);
        button->SetModalResult(result);
        return button;
    }

    // Shows the dialog modally from a click on the main form's button; each
    // step runs from the main form's timer while the modal loop waits, and
    // records how the main form stands then.
    TModalResult RunModal(std::vector<std::function<void()>> steps) {
        TTestForm& f = ShowTestForm();
        std::size_t next = 0;
        f.Timer1->SetInterval(100);
        f.Timer1->SetOnTimer([&, steps](TObject*) {
            ownerEnabled.push_back(win::IsWindowEnabled(f.Handle()));
            dialogActive.push_back(win::GetActiveWindow() == dialog->Handle());
            if (next < steps.size())
                steps[next++]();
            if (next == steps.size())
                f.Timer1->SetEnabled(false);
        });
        f.Timer1->SetEnabled(true);
        TModalResult result = -1;
        f.Button1->OnClick = [&](TObject*) { result = dialog->ShowModal(); };
        display->Click(At(*f.Button1, 10, 10));
        return result;
    }

    void ExpectOwnerBack() {
        EXPECT_FALSE(dialog->Visible());
        EXPECT_FALSE(win::IsWindowVisible(dialog->Handle()));
        EXPECT_TRUE(win::IsWindowEnabled(form->Handle()));
        EXPECT_EQ(win::GetActiveWindow(), form->Handle());
    }

    TForm* dialog = nullptr;
    TButton* ok = nullptr;
    TButton* failing = nullptr;
    std::vector<bool> ownerEnabled;
    std::vector<bool> dialogActive;
};

TEST_F(ModalFormTest, EndsOnAButtonsModalResultOrOnCloseAndGivesTheOwnerBack) {
    struct Case {
        const char* name;
        std::function<void()> end;
        TModalResult expected;
    } cases[] = {
        {"button", [this] { display->Click(At(*ok, 10, 10)); }, mrOk},
        {"close box", [this] { win::PostMessage(dialog->Handle(), win::WM_CLOSE, 0, 0); },
         mrCancel},
        {"Close", [this] { dialog->Close(); }, mrCancel},
        // Keys go through the application's key handling to the dialog's buttons.
        {"Escape", [] { PressKey(win::VK_ESCAPE); }, mrCancel},
        {"Enter", [] { PressKey(win::VK_RETURN); }, mrOk},
    };
    for (const Case& c : cases) {
        ownerEnabled.clear();
        dialogActive.clear();
        EXPECT_EQ(RunModal({c.end}), c.expected) << c.name;
        EXPECT_EQ(ownerEnabled, std::vector<bool>{false}) << c.name;
        EXPECT_EQ(dialogActive, std::vector<bool>{true}) << c.name;
        EXPECT_EQ(dialog->ModalResult(), c.expected) << c.name;
        ExpectOwnerBack();
        form->Free();
        form = nullptr;
    }
}

TEST_F(ModalFormTest, AnExceptionInsideShowsTheErrorBoxAndTheLoopGoesOn) {
    const TModalResult result = RunModal({
        [&] { display->Click(At(*failing, 10, 10)); },
        [&] { display->Click(At(*ok, 10, 10)); },
    });
    EXPECT_EQ(result, mrOk);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "节目表读取失败");
    EXPECT_EQ(boxes[0].flags, MB_OK | MB_ICONSTOP);
    EXPECT_EQ(ownerEnabled, (std::vector<bool>{false, false})) << "still modal after the error";
    ExpectOwnerBack();
}

TEST_F(ModalFormTest, AnExceptionEscapingShowModalLeavesTheFormNoLongerModal) {
    dialog->OnShow = [](TObject*) { throw Exception("节目表读取失败"); };
    EXPECT_THROW(dialog->ShowModal(), Exception);
    dialog->OnShow = nullptr;
    dialog->Close();
    EXPECT_FALSE(dialog->Visible()) << "closed as a modeless form";
}

TEST_F(ModalFormTest, AVisibleFormCannotBeMadeModal) {
    dialog->Show();
    EXPECT_THROW(dialog->ShowModal(), EInvalidOperation);
    EXPECT_TRUE(win::IsWindowEnabled(ShowTestForm().Handle()));
}

TEST_F(ModalFormTest, AQuitMessageEndsTheLoopAndIsLeftForTheApplication) {
    EXPECT_EQ(RunModal({[] { win::PostQuitMessage(3); }}), mrNone);
    ExpectOwnerBack();
    win::MSG msg;
    ASSERT_TRUE(win::PeekMessage(&msg, nullptr, win::WM_QUIT, win::WM_QUIT, win::PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
}

} // namespace
} // namespace fw::test

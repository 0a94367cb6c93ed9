// The application object: the standard error box for an exception from a
// handler, timers on the test clock, one turn of message processing, the loop
// that runs until the main form closes, and the application's own window.

#include "GuiTestSupport.h"
#include "framework/gui/Icon.h"
#include "framework/gui/Screen.h"
#include "platform/kernel/Module.h"
#include "platform/kernel/Resource.h"
#include "platform/user/Painting.h"
#include "platform/user/controls/StandardControls.h"

namespace fw::test {
namespace {

class ApplicationTest : public GuiTest {};

TEST_F(ApplicationTest, AnExceptionInAHandlerShowsTheErrorBoxAndTheProgramGoesOn) {
    TTestForm& f = ShowTestForm();
    f.failWith = "连接服务器失败";
    display->Click(At(*f.Button1, 10, 10));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "连接服务器失败");
    EXPECT_EQ(boxes[0].caption, "Telvora");
    EXPECT_EQ(boxes[0].flags, MB_OK | MB_ICONSTOP);

    f.failWith.clear();
    display->Click(At(*f.Button1, 10, 10));
    EXPECT_EQ(f.events, (std::vector<std::string>{"FormCreate", "Button1Click", "Button1Click"}));
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(ApplicationTest, TheErrorBoxIsTheWindowManagersModalBox) {
    TTestForm& f = ShowTestForm();
    SetMessageBoxFunction(nullptr);
    std::string boxCaption;
    f.Timer1->SetInterval(100);
    f.Timer1->SetOnTimer([&](TObject*) {
        f.Timer1->SetEnabled(false);
        win::HWND box = win::GetActiveWindow();
        char caption[64] = {};
        win::GetWindowText(box, caption, sizeof caption);
        boxCaption = caption;
        win::PostMessage(win::GetDlgItem(box, win::IDOK), win::BM_CLICK, 0, 0);
    });
    f.Timer1->SetEnabled(true);
    f.failWith = "连接服务器失败";
    display->Click(At(*f.Button1, 10, 10));
    EXPECT_EQ(boxCaption, "Telvora");
    EXPECT_TRUE(win::IsWindowEnabled(f.Handle()));
    EXPECT_EQ(win::GetCapture(), nullptr);
    f.failWith.clear();
    display->Click(At(*f.Button1, 10, 10));
    EXPECT_EQ(f.events.back(), "Button1Click");
    EXPECT_EQ(f.events.size(), 3u);
}

TEST_F(ApplicationTest, AbortIsSilentAndOnExceptionReplacesTheBox) {
    TTestForm& f = ShowTestForm();
    f.Button1->OnClick = [](TObject*) { throw EAbort("quiet"); };
    display->Click(At(*f.Button1, 10, 10));
    EXPECT_TRUE(boxes.empty());

    std::string handled;
    Application().OnException = [&](TObject*, const Exception& error) {
        handled = error.Message();
    };
    f.Button1->OnClick = [](TObject*) { throw EConvertError("bad"); };
    display->Click(At(*f.Button1, 10, 10));
    Application().OnException = nullptr;
    EXPECT_EQ(handled, "bad");
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ApplicationTest, TimersFireOnTheTestClockAndReEnablingChangesNothing) {
    TTestForm& f = ShowTestForm();
    display->Advance(5000);
    EXPECT_EQ(f.events.size(), 1u) << "a timer stored as disabled stays quiet";

    f.Timer1->SetEnabled(true);
    display->Advance(1999);
    EXPECT_EQ(f.events.size(), 1u);
    display->Advance(1);
    EXPECT_EQ(f.events.back(), "Timer1Timer");

    display->Advance(1000);
    f.Timer1->SetEnabled(true);
    display->Advance(1000);
    EXPECT_EQ(f.events.size(), 3u) << "enabling an enabled timer keeps its count";

    f.Timer1->SetEnabled(false);
    display->Advance(10000);
    EXPECT_EQ(f.events.size(), 3u);
}

TEST_F(ApplicationTest, OneTurnHandlesPendingInputAndPaint) {
    TTestForm& f = ShowTestForm();
    f.Edit1->SetText("");
    win::PostMessage(f.Edit1->Handle(), win::WM_CHAR, 'z', 0);
    f.Label1->SetCaption("新名称");
    win::RECT pending;
    EXPECT_TRUE(win::GetUpdateRect(f.Handle(), &pending, win::FALSE));

    Application().ProcessMessages();

    EXPECT_EQ(f.Edit1->Text(), "z");
    EXPECT_FALSE(win::GetUpdateRect(f.Handle(), &pending, win::FALSE));
}

TEST_F(ApplicationTest, ScreenListsTheFormsAndKnowsTheActiveOne) {
    TTestForm& f = ShowTestForm();
    const int before = Screen().FormCount();
    auto second = MakeComponent<TForm>();
    EXPECT_EQ(Screen().FormCount(), before + 1);
    EXPECT_EQ(Screen().Forms(before), second.get());
    win::SetActiveWindow(f.Handle());
    EXPECT_EQ(Screen().ActiveForm(), &f);
    second.reset();
    EXPECT_EQ(Screen().FormCount(), before);
}

TEST_F(ApplicationTest, ClosingAFormThatIsNotTheMainOneHidesIt) {
    TTestForm& f = ShowTestForm();
    TCloseAction seen = TCloseAction::caNone;
    f.OnClose = [&](TObject*, TCloseAction& action) { seen = action; };
    win::PostMessage(f.Handle(), win::WM_CLOSE, 0, 0);
    display->Run();
    EXPECT_EQ(seen, TCloseAction::caHide);
    EXPECT_FALSE(f.Visible());
    EXPECT_FALSE(win::IsWindowVisible(f.Handle()));
}

TEST_F(ApplicationTest, TheApplicationWindowIsHiddenAndCarriesTheTitleAndTheIcons) {
    const win::HWND hwnd = Application().Handle();
    char className[32] = {};
    win::GetClassName(hwnd, className, sizeof className);
    EXPECT_STREQ(className, "TApplication");
    EXPECT_FALSE(win::IsWindowVisible(hwnd));
    Application().SetTitle("电视节目");
    char title[64] = {};
    win::GetWindowText(hwnd, title, sizeof title);
    EXPECT_STREQ(title, "电视节目");
    Application().SetTitle("Telvora");

    win::HRSRC resource = win::FindResource(nullptr, "TESTICON", "ICON");
    const auto* bytes =
        static_cast<const std::uint8_t*>(win::LockResource(win::LoadResource(nullptr, resource)));
    TIcon icon;
    icon.LoadFromBytes({bytes, win::SizeofResource(nullptr, resource)});
    Application().SetIcon(&icon);
    const auto asked = [&](win::WPARAM which) {
        return reinterpret_cast<win::HICON>(win::SendMessage(hwnd, win::WM_GETICON, which, 0));
    };
    EXPECT_EQ(asked(win::ICON_SMALL), Application().Icon()->SmallHandle());
    EXPECT_EQ(asked(win::ICON_BIG), Application().Icon()->Handle());
    EXPECT_NE(asked(win::ICON_SMALL), nullptr);
}

TEST_F(ApplicationTest, FrameworkWindowsBelongToTheProgramsModule) {
    TTestForm& f = ShowTestForm();
    const auto instance = reinterpret_cast<win::LONG_PTR>(win::GetModuleHandle(nullptr));
    for (const win::HWND hwnd :
         {f.Handle(), f.Button1->Handle(), f.List1->Handle(), Application().Handle()})
        EXPECT_EQ(win::GetWindowLongPtr(hwnd, win::GWLP_HINSTANCE), instance);
}

// Run ends the process's application for good, so it runs in a child process.
TEST_F(ApplicationTest, RunDispatchesUntilTheMainFormCloses) {
    EXPECT_EXIT(
        {
            TTestForm* main = nullptr;
            Application().CreateForm(main);
            bool destroyed = false;
            main->OnDestroy = [&](TObject*) { destroyed = true; };
            main->Timer1->SetInterval(10);
            main->Timer1->SetOnTimer([main](TObject*) { main->Close(); });
            main->Timer1->SetEnabled(true);
            Application().Run();
            std::exit(Application().Terminated() && destroyed && !Application().MainForm() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace
} // namespace fw::test

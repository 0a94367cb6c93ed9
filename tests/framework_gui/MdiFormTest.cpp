// An MDI frame with two children built in code: the frame's client window
// below its aligned controls, children made in it, activation, cascade,
// maximising, closing, and the frame with its children rendered.

#include "GuiTestSupport.h"
#include "framework/TypInfo.h"
#include "framework/gui/Screen.h"
#include "framework/gui/StatusBar.h"
#include "framework/gui/TrackBar.h"
#include "platform/user/Input.h"
#include "platform/user/menus/Mdi.h"

namespace fw::test {
namespace {

class MdiFormTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        frame = NewForm<TForm>(nullptr);
        frame->SetCaption("节目单");
        frame->SetBounds(20, 20, 600, 420);
        frame->SetFormStyle(TFormStyle::fsMDIForm);
        status = new TStatusBar(frame);
        status->SetParent(frame);
        status->SetSimplePanel(true);
        status->SetSimpleText("两个窗口");
        frame->Show();
        for (const char* caption : {"央视一套", "央视二套"})
            children.push_back(NewChild(caption));
        display->Run();
    }
    void TearDown() override {
        frame->Free();
        GuiTest::TearDown();
    }
    TForm* NewChild(const char* caption) {
        auto* child = NewForm<TForm>(frame);
        child->SetCaption(caption);
        child->SetPosition(TPosition::poDefault);
        child->SetFormStyle(TFormStyle::fsMDIChild);
        return child;
    }
    // A window's rectangle in the MDI client's coordinates.
    win::RECT InClient(TForm& child) {
        win::RECT r;
        win::GetWindowRect(child.Handle(), &r);
        win::MapWindowPoints(nullptr, frame->ClientHandle(), reinterpret_cast<win::POINT*>(&r), 2);
        return r;
    }

    TForm* frame = nullptr;
    TStatusBar* status = nullptr;
    std::vector<TForm*> children;
};

TEST_F(MdiFormTest, TheFrameMakesItsClientAndTheChildrenLiveInIt) {
    win::HWND client = frame->ClientHandle();
    ASSERT_NE(client, nullptr);
    char className[32] = {};
    win::GetClassName(client, className, sizeof className);
    EXPECT_STREQ(className, win::WC_MDICLIENT);
    // The client fills what the status bar leaves.
    win::RECT area, frameArea;
    win::GetWindowRect(client, &area);
    win::GetClientRect(frame->Handle(), &frameArea);
    win::MapWindowPoints(nullptr, frame->Handle(), reinterpret_cast<win::POINT*>(&area), 2);
    EXPECT_EQ(area, (win::RECT{0, 0, frameArea.right, frameArea.bottom - status->Height()}));
    for (TForm* child : children) {
        EXPECT_EQ(win::GetParent(child->Handle()), client);
        EXPECT_TRUE(win::GetWindowLong(child->Handle(), win::GWL_EXSTYLE) & win::WS_EX_MDICHILD);
        EXPECT_TRUE(child->Visible());
        EXPECT_TRUE(win::IsWindowVisible(child->Handle()));
    }
    EXPECT_EQ(frame->MDIChildCount(), 2);
    EXPECT_EQ(frame->ActiveMDIChild(), children[1]) << "the last made is active";
    EXPECT_EQ(frame->MDIChildren(0), children[1]);
    EXPECT_EQ(frame->MDIChildren(1), children[0]);
    EXPECT_THROW(frame->MDIChildren(2), EListError);
    EXPECT_EQ(GetPropText(*frame, "FormStyle"), "fsMDIForm");
}

TEST_F(MdiFormTest, ActivationByNextPreviousAndByClick) {
    frame->Next();
    EXPECT_EQ(frame->ActiveMDIChild(), children[0]);
    frame->Previous();
    EXPECT_EQ(frame->ActiveMDIChild(), children[1]);
    // A click on the child behind brings it forward.
    frame->Cascade();
    const win::RECT back = InClient(*children[0]);
    win::POINT point{back.left + 5, back.top + 5};
    win::ClientToScreen(frame->ClientHandle(), &point);
    display->Clock().Advance(1000);
    display->Click(point);
    EXPECT_EQ(frame->ActiveMDIChild(), children[0]);
    EXPECT_EQ(frame->MDIChildren(0), children[0]);
}

TEST_F(MdiFormTest, CtrlF6ActivatesTheNextChildAndCtrlF4ClosesIt) {
    ASSERT_EQ(win::GetActiveWindow(), frame->Handle());
    auto ctrlKey = [](int key) {
        win::InjectKey(win::VK_CONTROL, win::KeyTransition::Down);
        win::InjectKey(key, win::KeyTransition::Down);
        win::InjectKey(key, win::KeyTransition::Up);
        win::InjectKey(win::VK_CONTROL, win::KeyTransition::Up);
        Application().ProcessMessages();
    };
    ctrlKey(0x75); // F6
    EXPECT_EQ(frame->ActiveMDIChild(), children[0]);
    ctrlKey(win::VK_F4);
    EXPECT_EQ(frame->MDIChildCount(), 1);
    EXPECT_EQ(frame->ActiveMDIChild(), children[1]);
}

TEST_F(MdiFormTest, CascadeStepsTheChildrenWithTheActiveInFront) {
    frame->Cascade();
    const win::RECT back = InClient(*children[0]);
    const win::RECT front = InClient(*children[1]);
    EXPECT_EQ(back.left, 0);
    EXPECT_EQ(back.top, 0);
    const int step =
        win::GetSystemMetrics(win::SM_CYCAPTION) + win::GetSystemMetrics(win::SM_CYFRAME);
    EXPECT_EQ(front.left, step);
    EXPECT_EQ(front.top, step);
    // The framework's bounds follow the window.
    EXPECT_EQ(children[1]->Left(), step);
    EXPECT_EQ(frame->ActiveMDIChild(), children[1]);
}

TEST_F(MdiFormTest, AMaximisedChildFillsTheClientAndHandsTheStateOn) {
    win::SendMessage(children[0]->Handle(), win::WM_SYSCOMMAND, win::SC_MAXIMIZE, 0);
    EXPECT_EQ(frame->ActiveMDIChild(), children[0]);
    EXPECT_TRUE(win::IsZoomed(children[0]->Handle()));
    win::RECT area;
    win::GetClientRect(frame->ClientHandle(), &area);
    EXPECT_EQ(children[0]->ClientWidth(), area.right);
    EXPECT_EQ(children[0]->ClientHeight(), area.bottom);
    frame->Next();
    EXPECT_TRUE(win::IsZoomed(children[1]->Handle()));
    EXPECT_FALSE(win::IsZoomed(children[0]->Handle()));
    frame->Tile();
    EXPECT_FALSE(win::IsZoomed(children[1]->Handle()));
}

TEST_F(MdiFormTest, ClosingAChildFreesItAndActivatesTheOther) {
    TForm* closing = children[1];
    win::SendMessage(closing->Handle(), win::WM_SYSCOMMAND, win::SC_CLOSE, 0);
    Application().ProcessMessages();
    EXPECT_EQ(frame->MDIChildCount(), 1);
    EXPECT_EQ(frame->ActiveMDIChild(), children[0]);
    bool stillListed = false;
    for (int i = 0; i < Screen().FormCount(); ++i)
        stillListed |= Screen().Forms(i) == closing;
    EXPECT_FALSE(stillListed) << "the closed child was freed";

    // A child freed in code leaves the frame's list too.
    children[0]->Free();
    EXPECT_EQ(frame->MDIChildCount(), 0);
    EXPECT_EQ(frame->ActiveMDIChild(), nullptr);
}

TEST_F(MdiFormTest, MinimisedChildrenAreArrangedAlongTheBottom) {
    for (TForm* child : children)
        win::SendMessage(child->Handle(), win::WM_SYSCOMMAND, win::SC_MINIMIZE, 0);
    frame->ArrangeIcons();
    win::RECT area;
    win::GetClientRect(frame->ClientHandle(), &area);
    for (TForm* child : children)
        EXPECT_EQ(InClient(*child).bottom, area.bottom);
    EXPECT_NE(InClient(*children[0]).left, InClient(*children[1]).left);
}

TEST_F(MdiFormTest, AChildWithoutAFrameIsRefused) {
    frame->SetFormStyle(TFormStyle::fsNormal);
    auto* orphan = new TForm(nullptr);
    try {
        orphan->SetFormStyle(TFormStyle::fsMDIChild);
        ADD_FAILURE() << "no error";
    } catch (const EInvalidOperation& error) {
        EXPECT_EQ(error.Message(), "Cannot create form. No MDI forms are currently active");
    }
    orphan->Free();
}

TEST_F(MdiFormTest, StayOnTopFormsAreTopmostWindows) {
    auto* top = NewForm<TForm>(nullptr);
    top->SetFormStyle(TFormStyle::fsStayOnTop);
    EXPECT_TRUE(win::GetWindowLong(top->Handle(), win::GWL_EXSTYLE) & win::WS_EX_TOPMOST);
    top->SetFormStyle(TFormStyle::fsNormal);
    EXPECT_FALSE(win::GetWindowLong(top->Handle(), win::GWL_EXSTYLE) & win::WS_EX_TOPMOST);
    top->Free();
}

TEST_F(MdiFormTest, TheFrameWithItsChildrenRendersToAPicture) {
    auto* bar = new TTrackBar(children[0]);
    bar->SetParent(children[0]);
    bar->SetBounds(10, 10, 200, 40);
    frame->Cascade();
    display->Run();
    const std::string path = ::testing::TempDir() + "framework_gui_mdi_frame.png";
    EXPECT_TRUE(display->WritePng(frame->Handle(), path));
}

} // namespace
} // namespace fw::test

// Controls in a live window: the window property that leads back to the
// control, WindowProc replaced and chained, framework notifications, events
// from injected input, item lists kept while a control has no window.

#include "GuiTestSupport.h"
#include "framework/Format.h"
#include "framework/TypInfo.h"
#include "framework/gui/ProgressBar.h"
#include "framework/gui/StatusBar.h"
#include "platform/kernel/Module.h"
#include "platform/user/Atoms.h"
#include "platform/user/controls/CommCtrl.h"
#include "platform/user/controls/StandardControls.h"

#include <algorithm>

namespace fw::test {
namespace {

class ControlTest : public GuiTest {};

TEST_F(ControlTest, NotificationNumbersAreTheOnesSkinnersCompare) {
    const struct {
        win::UINT value;
        win::UINT expected;
    } cases[] = {
        {CM_DIALOGKEY, 0xB005},      {CM_DIALOGCHAR, 0xB006},     {CM_FOCUSCHANGED, 0xB007},
        {CM_VISIBLECHANGED, 0xB00B}, {CM_ENABLEDCHANGED, 0xB00C}, {CM_MOUSEENTER, 0xB013},
        {CM_MOUSELEAVE, 0xB014},     {CM_MENUCHANGED, 0xB015},    {CM_EXIT, 0xB01B},
        {CM_RELEASE, 0xB021},        {CM_RECREATEWND, 0xB033},    {CN_DRAWITEM, 0xBC2B},
        {CN_NOTIFY, 0xBC4E},         {CN_COMMAND, 0xBD11},        {CN_VSCROLL, 0xBD15},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.value, c.expected);
}

TEST_F(ControlTest, EveryFrameworkWindowCarriesItsControlUnderTheControlOfsProperty) {
    TTestForm& f = ShowTestForm();
    const std::string name = Format(
        "ControlOfs%.8X%.8X",
        static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(win::GetModuleHandle(nullptr))),
        static_cast<unsigned>(win::GetCurrentThreadId()));
    EXPECT_EQ(TWinControl::ControlAtomName(), name);
    for (TWinControl* control :
         std::initializer_list<TWinControl*>{&f, f.Button1, f.List1, f.Panel1}) {
        EXPECT_EQ(win::GetProp(control->Handle(), name.c_str()), control) << control->Name();
        EXPECT_EQ(
            win::GetProp(control->Handle(), win::MAKEINTATOM(win::GlobalFindAtom(name.c_str()))),
            control)
            << "the name is an atom";
        EXPECT_EQ(TWinControl::FindControl(control->Handle()), control);
    }
    win::HWND button = f.Button1->Handle();
    f.Button1->Free();
    f.Button1 = nullptr;
    EXPECT_FALSE(win::IsWindow(button));
}

TEST_F(ControlTest, AReplacedWindowProcSeesTheNotificationsAndChainsToTheSavedOne) {
    TTestForm& f = ShowTestForm();
    std::vector<win::UINT> seen;
    const std::vector<win::UINT> watched{CM_MOUSEENTER, CM_MOUSELEAVE, CM_ENABLEDCHANGED,
                                         CM_VISIBLECHANGED, CN_COMMAND};
    const TWndMethod saved = f.Button1->WindowProc();
    f.Button1->SetWindowProc([&](TMessage& message) {
        if (std::find(watched.begin(), watched.end(), message.Msg) != watched.end())
            seen.push_back(message.Msg);
        saved(message);
    });
    display->MoveMouse(At(*f.Button1, 10, 10));
    display->Run();
    display->Click(At(*f.Button1, 10, 10));
    display->MoveMouse(At(f, 390, 290));
    display->Run();
    f.Button1->SetEnabled(false);
    f.Button1->SetVisible(false);
    EXPECT_EQ(seen, (std::vector<win::UINT>{CM_MOUSEENTER, CN_COMMAND, CM_MOUSELEAVE,
                                            CM_ENABLEDCHANGED, CM_VISIBLECHANGED}));
    EXPECT_EQ(f.events, (std::vector<std::string>{"FormCreate", "Button1Click"}));
    EXPECT_FALSE(win::IsWindowEnabled(f.Button1->Handle()));
    EXPECT_FALSE(win::IsWindowVisible(f.Button1->Handle()));
    f.Button1->SetWindowProc(saved);
}

TEST_F(ControlTest, InjectedInputFiresTheControlsEvents) {
    TTestForm& f = ShowTestForm();
    int labelClicks = 0;
    f.Label1->OnClick = [&](TObject*) { ++labelClicks; };
    std::string changed;
    f.Edit1->SetOnChange([&](TObject* sender) { changed = static_cast<TEdit*>(sender)->Text(); });

    display->Click(At(*f.Label1, 2, 2));
    display->Click(At(*f.List1, 10, 14 + 5));
    display->Click(At(*f.Edit1, 5, 5));
    display->Key(win::VK_END);
    display->Type("x");
    display->Run();

    EXPECT_EQ(labelClicks, 1);
    EXPECT_EQ(f.List1->ItemIndex(), 1);
    EXPECT_EQ(f.events, (std::vector<std::string>{"FormCreate", "List1Click 二"}));
    EXPECT_EQ(changed, "1.30.2011912x");
}

TEST_F(ControlTest, ItemsAndTextOutliveTheWindowAndReachTheNextOne) {
    TTestForm& f = ShowTestForm();
    f.List1->Items()->Add("四");
    f.List1->SetItemIndex(3);
    f.List1->SetSorted(true);
    EXPECT_EQ(f.List1->Items()->Count(), 4);
    EXPECT_EQ(f.List1->Items()->Strings(0), "一");
    EXPECT_EQ(win::SendMessage(f.List1->Handle(), win::LB_GETCOUNT, 0, 0), 4);

    auto orphan = MakeComponent<TListBox>();
    orphan->Items()->Add("b");
    orphan->Items()->Add("a");
    orphan->SetItemIndex(1);
    EXPECT_FALSE(orphan->HandleAllocated());
    orphan->SetParent(&f);
    EXPECT_TRUE(orphan->HandleAllocated());
    EXPECT_EQ(win::SendMessage(orphan->Handle(), win::LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(orphan->ItemIndex(), 1);
    EXPECT_EQ(orphan->Items()->Strings(1), "a");
}

TEST_F(ControlTest, MemoLinesAppendAtTheEndAndReadBackLineByLine) {
    TTestForm& f = ShowTestForm();
    TStrings& lines = *f.Memo1->Lines();
    lines.Add("请稍后正在更新数据.");
    lines.Insert(0, "首行");
    lines.Delete(1);
    EXPECT_EQ(lines.Count(), 3);
    EXPECT_EQ(f.Memo1->Text(), "首行\r\n第二行\r\n请稍后正在更新数据.");
    lines.Clear();
    lines.Add("only");
    EXPECT_EQ(f.Memo1->Text(), "only");
}

TEST_F(ControlTest, AlignedChildrenShareTheClientAreaInTheirOrder) {
    TTestForm& f = ShowTestForm();
    // A hidden control takes no room.
    static_cast<TControl*>(f.FindComponent("SB"))->SetVisible(false);
    auto* top = Create<TPanel>(f);
    top->SetHeight(30);
    top->SetAlign(TAlign::alTop);
    top->SetParent(&f);
    auto* bottom = Create<TPanel>(f);
    bottom->SetHeight(20);
    bottom->SetAlign(TAlign::alBottom);
    bottom->SetParent(&f);
    auto* fill = Create<TPanel>(f);
    fill->SetAlign(TAlign::alClient);
    fill->SetParent(&f);
    const auto bounds = [](TControl* c) {
        const win::RECT r = c->BoundsRect();
        return std::vector<int>{r.left, r.top, r.right, r.bottom};
    };
    EXPECT_EQ(bounds(top), (std::vector<int>{0, 0, 640, 30}));
    EXPECT_EQ(bounds(bottom), (std::vector<int>{0, 280, 640, 300}));
    EXPECT_EQ(bounds(fill), (std::vector<int>{0, 30, 640, 280}));
}

TEST_F(ControlTest, AProgressBarKeepsItsRangeAndPositionInItsWindow) {
    TTestForm& f = ShowTestForm();
    auto* bar = Create<TProgressBar>(f);
    bar->SetMax(1000);
    bar->SetPosition(5000);
    EXPECT_EQ(bar->Position(), 1000) << "clamped to the range";
    bar->SetPosition(250);
    bar->SetStep(1);
    bar->SetParent(&f);
    ASSERT_TRUE(bar->HandleAllocated());
    EXPECT_EQ(win::SendMessage(bar->Handle(), win::PBM_GETPOS, 0, 0), 250);
    bar->StepIt();
    EXPECT_EQ(bar->Position(), 251);
    EXPECT_TRUE(SetPropText(*bar, "Position", "600"));
    EXPECT_EQ(win::SendMessage(bar->Handle(), win::PBM_GETPOS, 0, 0), 600);
}

TEST_F(ControlTest, StatusBarPanelsFromTheDefinitionReachTheWindow) {
    TTestForm& f = ShowTestForm();
    auto* bar = static_cast<TStatusBar*>(f.FindComponent("SB"));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->BoundsRect().bottom, 300) << "aligned to the bottom";
    EXPECT_EQ(bar->Height(), 27) << "the defined height, taller than the font's";
    win::RECT window;
    win::GetWindowRect(bar->Handle(), &window);
    EXPECT_EQ(window.bottom - window.top, 27);
    const auto panelText = [&](int index) {
        char text[128] = {};
        win::SendMessage(bar->Handle(), win::SB_GETTEXTA, index,
                         reinterpret_cast<win::LPARAM>(text));
        return std::string(text);
    };
    EXPECT_EQ(panelText(0), "欢迎");
    EXPECT_EQ(panelText(1), "第二栏");
    bar->Panels()->Items(0)->SetText("数据更新完成.");
    EXPECT_EQ(panelText(0), "数据更新完成.");
}

TEST_F(ControlTest, TheTestFormRendersToAPicture) {
    TTestForm& f = ShowTestForm();
    const std::string path = ::testing::TempDir() + "framework_gui_test_form.png";
    EXPECT_TRUE(display->WritePng(f.Handle(), path));
}

} // namespace
} // namespace fw::test

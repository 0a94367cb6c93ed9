// A tab control without pages: its tabs from a definition, the Tabs list kept
// in step with the window and across a new window, the current tab changed by
// click and keyboard, and children laid out in the display area.

#include "framework/gui/TabControl.h"

#include "GuiTestSupport.h"
#include "framework/gui/FormReader.h"
#include "platform/user/controls/CommCtrl.h"

namespace fw::test {
namespace {

class TabControlTest : public GuiTest {
protected:
    // A form of the test class holding one tab control read from a definition.
    TTabControl& ShowTabsForm() {
        form = new TTestForm(nullptr);
        ReadComponentDefinition(*form, R"(TTestForm TabsForm {
            ClientWidth = 300
            ClientHeight = 200
            TTabControl Tabs1 {
                Left = 10
                Top = 10
                Width = 280
                Height = 180
                Tabs = ("央视" "地方" "境外")
                TabIndex = 2
                TPanel Inside { Align = alClient }
            }
        })");
        form->Show();
        display->Run();
        return *static_cast<TTabControl*>(form->FindComponent("Tabs1"));
    }
    static std::vector<std::string> WindowTabs(TTabControl& tabs) {
        std::vector<std::string> texts;
        const auto count = win::SendMessage(tabs.Handle(), win::TCM_GETITEMCOUNT, 0, 0);
        for (int i = 0; i < count; ++i) {
            char text[64] = {};
            win::TCITEM item;
            item.mask = win::TCIF_TEXT;
            item.pszText = text;
            item.cchTextMax = sizeof text;
            win::SendMessage(tabs.Handle(), win::TCM_GETITEM, i,
                             reinterpret_cast<win::LPARAM>(&item));
            texts.emplace_back(text);
        }
        return texts;
    }
};

TEST_F(TabControlTest, TabsFromTheDefinitionAndTheirChangesReachTheWindowAndOutliveIt) {
    TTabControl& tabs = ShowTabsForm();
    EXPECT_EQ(WindowTabs(tabs), (std::vector<std::string>{"央视", "地方", "境外"}));
    EXPECT_EQ(win::SendMessage(tabs.Handle(), win::TCM_GETCURSEL, 0, 0), 2);

    tabs.Tabs()->Add("数字");
    tabs.Tabs()->Delete(0);
    tabs.Tabs()->SetStrings(0, "地方频道");
    EXPECT_EQ(WindowTabs(tabs), (std::vector<std::string>{"地方频道", "境外", "数字"}));
    EXPECT_EQ(tabs.TabIndex(), 1) << "the current tab moves with its text";
    EXPECT_EQ(tabs.Tabs()->Strings(2), "数字");
    EXPECT_THROW(tabs.Tabs()->Strings(3), EStringListError);
    EXPECT_THROW(tabs.Tabs()->Insert(4, "x"), EStringListError);

    tabs.SetStyle(TTabStyle::tsButtons);
    EXPECT_EQ(WindowTabs(tabs), (std::vector<std::string>{"地方频道", "境外", "数字"}));
    EXPECT_EQ(tabs.TabIndex(), 1);
    tabs.Tabs()->Clear();
    EXPECT_TRUE(WindowTabs(tabs).empty());
    EXPECT_EQ(tabs.TabIndex(), -1);
}

TEST_F(TabControlTest, ClicksAndArrowKeysChangeTheTabAndChildrenFillTheDisplayArea) {
    TTabControl& tabs = ShowTabsForm();
    std::vector<int> changes;
    tabs.OnChange = [&](TObject*) { changes.push_back(tabs.TabIndex()); };
    win::RECT first{};
    win::SendMessage(tabs.Handle(), win::TCM_GETITEMRECT, 0, reinterpret_cast<win::LPARAM>(&first));
    display->Click(At(tabs, (first.left + first.right) / 2, (first.top + first.bottom) / 2));
    display->Key(win::VK_RIGHT);
    display->Run();
    EXPECT_EQ(changes, (std::vector<int>{0, 1}));
    EXPECT_EQ(tabs.TabIndex(), 1);
    tabs.SetTabIndex(2);
    EXPECT_EQ(changes.size(), 2u) << "setting it in code is no change by the user";

    const win::RECT area = tabs.DisplayRect();
    EXPECT_GT(area.top, first.bottom);
    const win::RECT inside = static_cast<TControl*>(form->FindComponent("Inside"))->BoundsRect();
    EXPECT_EQ((std::vector<int>{inside.left, inside.top, inside.right, inside.bottom}),
              (std::vector<int>{area.left, area.top, area.right, area.bottom}));

    // A larger font makes taller tabs, and the children move down with the display area.
    tabs.Font()->SetHeight(-24);
    const win::RECT larger = tabs.DisplayRect();
    EXPECT_GT(larger.top, area.top);
    EXPECT_EQ(static_cast<TControl*>(form->FindComponent("Inside"))->Top(), larger.top);
    display->WritePng(form->Handle(), ::testing::TempDir() + "framework_gui_tab_control.png");
}

} // namespace
} // namespace fw::test

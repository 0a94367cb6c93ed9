// The page control of the test form: pages from the definition laid over the
// display area, the active page named in the definition, switching pages by a
// click on a tab, and pages that come, go, move and hide their tabs.

#include "framework/gui/PageControl.h"

#include "GuiTestSupport.h"
#include "platform/user/controls/CommCtrl.h"

namespace fw::test {
namespace {

class PageControlTest : public GuiTest {
protected:
    TPageControl& Pages() { return *static_cast<TPageControl*>(form->FindComponent("Pages1")); }
    TTabSheet& Sheet(const char* name) {
        return *static_cast<TTabSheet*>(form->FindComponent(name));
    }

    std::string TabText(int index) {
        char text[64] = {};
        win::TCITEM item;
        item.mask = win::TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        win::SendMessage(Pages().Handle(), win::TCM_GETITEM, index,
                         reinterpret_cast<win::LPARAM>(&item));
        return text;
    }
    int TabCount() {
        return static_cast<int>(win::SendMessage(Pages().Handle(), win::TCM_GETITEMCOUNT, 0, 0));
    }
    void ClickTab(int index) {
        win::RECT tab{};
        win::SendMessage(Pages().Handle(), win::TCM_GETITEMRECT, index,
                         reinterpret_cast<win::LPARAM>(&tab));
        display->Click(At(Pages(), (tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2));
        display->Run();
    }
    static bool Shown(TWinControl& control) {
        return win::IsWindowVisible(control.Handle()) && control.Visible();
    }
};

TEST_F(PageControlTest, PagesFromTheDefinitionLieInTheDisplayAreaWithTheNamedPageActive) {
    ShowTestForm();
    TPageControl& pages = Pages();
    ASSERT_EQ(pages.PageCount(), 2);
    EXPECT_EQ(pages.Pages(0), &Sheet("Sheet1"));
    EXPECT_EQ(pages.Pages(1), &Sheet("Sheet2"));
    EXPECT_EQ(pages.ActivePage(), &Sheet("Sheet2")) << "set by name after the pages were read";
    EXPECT_EQ(pages.ActivePageIndex(), 1);
    EXPECT_EQ(pages.TabIndex(), 1);
    EXPECT_EQ(win::SendMessage(pages.Handle(), win::TCM_GETCURSEL, 0, 0), 1);
    EXPECT_TRUE(Shown(Sheet("Sheet2")));
    EXPECT_FALSE(Shown(Sheet("Sheet1")));
    ASSERT_EQ(TabCount(), 2);
    EXPECT_EQ(TabText(0), "频道列表");
    EXPECT_EQ(TabText(1), "更新说明");

    const auto style = static_cast<win::DWORD>(win::GetWindowLong(pages.Handle(), win::GWL_STYLE));
    EXPECT_EQ(style & (win::TCS_BUTTONS | win::TCS_FLATBUTTONS),
              win::TCS_BUTTONS | win::TCS_FLATBUTTONS);

    // Every page, shown or not, covers what TCM_ADJUSTRECT leaves of the client area.
    win::RECT display{0, 0, pages.ClientWidth(), pages.ClientHeight()};
    win::SendMessage(pages.Handle(), win::TCM_ADJUSTRECT, win::FALSE,
                     reinterpret_cast<win::LPARAM>(&display));
    win::RECT lastTab{};
    win::SendMessage(pages.Handle(), win::TCM_GETITEMRECT, 1,
                     reinterpret_cast<win::LPARAM>(&lastTab));
    EXPECT_GE(display.top, lastTab.bottom) << "the pages leave the buttons free";
    EXPECT_LT(display.top, pages.ClientHeight());
    for (const char* name : {"Sheet1", "Sheet2"}) {
        const win::RECT r = Sheet(name).BoundsRect();
        EXPECT_EQ((std::vector<int>{r.left, r.top, r.right, r.bottom}),
                  (std::vector<int>{display.left, display.top, display.right, display.bottom}))
            << name;
    }
    // The page's own children are laid out in it.
    auto* memo = static_cast<TControl*>(form->FindComponent("SheetMemo"));
    EXPECT_EQ(memo->Parent(), &Sheet("Sheet2"));
    EXPECT_EQ(memo->Width(), Sheet("Sheet2").ClientWidth());
    EXPECT_EQ(static_cast<TControl*>(form->FindComponent("SheetList"))->Parent(), &Sheet("Sheet1"));
}

TEST_F(PageControlTest, AClickOnATabShowsItsPageAndFiresOnChangeUnlessOnChangingRefuses) {
    TTestForm& f = ShowTestForm();
    ClickTab(0);
    EXPECT_EQ(Pages().ActivePage(), &Sheet("Sheet1"));
    EXPECT_TRUE(Shown(Sheet("Sheet1")));
    EXPECT_FALSE(Shown(Sheet("Sheet2")));
    EXPECT_EQ(f.events, (std::vector<std::string>{"FormCreate", "Pages1Change 0"}));

    int asked = 0;
    Pages().OnChanging = [&](TObject*, bool& allow) {
        ++asked;
        allow = false;
    };
    ClickTab(1);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(Pages().ActivePage(), &Sheet("Sheet1"));
    EXPECT_EQ(Pages().TabIndex(), 0);
    EXPECT_EQ(f.events.size(), 2u);

    Pages().OnChanging = nullptr;
    ClickTab(1);
    EXPECT_EQ(Pages().ActivePage(), &Sheet("Sheet2"));
    EXPECT_TRUE(Shown(Sheet("Sheet2")));
    EXPECT_FALSE(Shown(Sheet("Sheet1")));
    EXPECT_EQ(f.events.back(), "Pages1Change 1");
}

TEST_F(PageControlTest, TabsFollowCaptionsHiddenTabsMovedAndRemovedPages) {
    ShowTestForm();
    TPageControl& pages = Pages();
    Sheet("Sheet1").SetCaption("列表");
    EXPECT_EQ(TabText(0), "列表");

    // A page without its tab keeps its place among the pages.
    Sheet("Sheet1").SetTabVisible(false);
    EXPECT_EQ(TabCount(), 1);
    EXPECT_EQ(TabText(0), "更新说明");
    EXPECT_EQ(Sheet("Sheet2").TabIndex(), 0);
    EXPECT_EQ(Sheet("Sheet1").TabIndex(), -1);
    EXPECT_EQ(Sheet("Sheet1").PageIndex(), 0);
    EXPECT_EQ(pages.TabIndex(), 0) << "the active page's tab stays selected";
    Sheet("Sheet1").SetTabVisible(true);

    Sheet("Sheet2").SetPageIndex(0);
    EXPECT_EQ(pages.Pages(0), &Sheet("Sheet2"));
    EXPECT_EQ(TabText(0), "更新说明");
    EXPECT_EQ(pages.TabIndex(), 0);

    // A page made in code joins by its parent; the first one there is no longer active.
    auto* third = new TTabSheet(form);
    third->SetCaption("第三页");
    third->SetParent(&pages);
    EXPECT_EQ(pages.PageCount(), 3);
    EXPECT_EQ(TabText(2), "第三页");
    pages.SetActivePage(third);
    EXPECT_TRUE(Shown(*third));
    EXPECT_EQ(third->BoundsRect().top, Sheet("Sheet1").BoundsRect().top);

    // Freeing the active page shows the one that takes its place.
    third->Free();
    EXPECT_EQ(pages.PageCount(), 2);
    EXPECT_EQ(TabCount(), 2);
    EXPECT_EQ(pages.ActivePage(), &Sheet("Sheet1"));
    EXPECT_TRUE(Shown(Sheet("Sheet1")));

    // A page of another control is not taken as the active one.
    auto* other = new TPageControl(form);
    auto* stray = new TTabSheet(form);
    stray->SetParent(other);
    pages.SetActivePage(stray);
    EXPECT_EQ(pages.ActivePage(), &Sheet("Sheet1"));
    EXPECT_THROW(pages.Pages(2), EListError);
}

TEST_F(PageControlTest, ChangingTheStyleRemakesTheWindowWithPagesAndSelectionKept) {
    ShowTestForm();
    TPageControl& pages = Pages();
    const int buttonsTop = Sheet("Sheet1").BoundsRect().top;
    pages.SetStyle(TTabStyle::tsTabs);
    const auto style = static_cast<win::DWORD>(win::GetWindowLong(pages.Handle(), win::GWL_STYLE));
    EXPECT_EQ(style & (win::TCS_BUTTONS | win::TCS_FLATBUTTONS), 0u);
    EXPECT_EQ(TabCount(), 2);
    EXPECT_EQ(pages.TabIndex(), 1);
    EXPECT_TRUE(Shown(Sheet("Sheet2")));
    const win::RECT tabsArea = pages.DisplayRect();
    EXPECT_EQ(Sheet("Sheet2").BoundsRect().left, tabsArea.left);
    EXPECT_GT(tabsArea.left, 0) << "inside the page frame";
    EXPECT_NE(Sheet("Sheet2").BoundsRect().top, buttonsTop);
    display->WritePng(form->Handle(), ::testing::TempDir() + "framework_gui_tabs.png");
}

} // namespace
} // namespace fw::test

// Tab control, status bar, progress bar and up-down: messages, notifications
// from injected input, and the pixels where the drawing is exact.

#include "ControlTestSupport.h"
#include "platform/gdi/Text.h"

#include <algorithm>

namespace win::test {
namespace {

class CommonControlsTest : public ControlTest {
protected:
    HWND Tabs(DWORD style, RECT r, std::initializer_list<const char*> pages) {
        HWND tabs = Create(WC_TABCONTROL, "", style, r, 8);
        for (const char* page : pages) {
            TCITEM item;
            item.mask = TCIF_TEXT | TCIF_PARAM;
            item.pszText = const_cast<char*>(page);
            item.lParam = LPARAM(page[0]);
            SendMessage(tabs, TCM_INSERTITEM, 99, reinterpret_cast<LPARAM>(&item));
        }
        display->Run();
        Take();
        return tabs;
    }
};

TEST_F(CommonControlsTest, TabsChangeByClickAndKeysWithNotifications) {
    HWND tabs = Tabs(0, RECT{10, 10, 310, 210}, {"节目表", "频道", "设置"});
    EXPECT_EQ(SendMessage(tabs, TCM_GETCURSEL, 0, 0), 0);
    RECT second;
    ASSERT_TRUE(SendMessage(tabs, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second)));
    Click(tabs, (second.left + second.right) / 2, (second.top + second.bottom) / 2);
    EXPECT_EQ(SendMessage(tabs, TCM_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(SendMessage(tabs, TCM_GETCURFOCUS, 0, 0), 1);
    EXPECT_EQ(Take(),
              (std::vector<Notification>{{8, TCN_SELCHANGING}, {8, TCN_SELCHANGE}, {8, NM_CLICK}}));
    display->Key(VK_RIGHT);
    EXPECT_EQ(SendMessage(tabs, TCM_GETCURSEL, 0, 0), 2);
    display->Key(VK_RIGHT); // no tab beyond the last: nothing changes
    EXPECT_EQ(Take(),
              (std::vector<Notification>{
                  {8, TCN_KEYDOWN}, {8, TCN_SELCHANGING}, {8, TCN_SELCHANGE}, {8, TCN_KEYDOWN}}));
    // TCM_SETCURSEL changes quietly.
    EXPECT_EQ(SendMessage(tabs, TCM_SETCURSEL, 0, 0), 2);
    EXPECT_TRUE(Take().empty());

    char text[8] = {};
    TCITEM item;
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = text;
    item.cchTextMax = 5; // room for one Chinese character and a half: the half is dropped
    ASSERT_TRUE(SendMessage(tabs, TCM_GETITEM, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_STREQ(text, "节");
    EXPECT_EQ(item.lParam, LPARAM("节目表"[0]));
}

TEST_F(CommonControlsTest, TabAdjustRectRoundTripsAndSidesMoveTheRow) {
    for (DWORD style : {DWORD(0), TCS_BOTTOM, TCS_VERTICAL, TCS_VERTICAL | TCS_RIGHT}) {
        HWND tabs = Tabs(style, RECT{10, 10, 310, 210}, {"一", "二"});
        RECT client;
        GetClientRect(tabs, &client);
        RECT display = client;
        SendMessage(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
        RECT item;
        SendMessage(tabs, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
        // The tab row lies outside the display area, on the side the style says.
        RECT overlap;
        EXPECT_FALSE(IntersectRect(&overlap, &display, &item)) << style;
        RECT back = display;
        SendMessage(tabs, TCM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&back));
        EXPECT_EQ(back, client) << style;
        DestroyWindow(tabs);
    }
}

TEST_F(CommonControlsTest, OverflowingTabsGetAScrollerThatMovesTheRow) {
    HWND tabs = Tabs(0, RECT{10, 10, 160, 110}, {"星期一", "星期二", "星期三", "星期四", "星期五"});
    HWND scroller = GetWindow(tabs, GW_CHILD);
    ASSERT_NE(scroller, nullptr);
    RECT before;
    SendMessage(tabs, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&before));
    RECT right;
    GetClientRect(scroller, &right);
    Click(scroller, right.right - 3, right.bottom / 2);
    RECT after;
    SendMessage(tabs, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&after));
    EXPECT_LT(after.left, before.left);
    // Selecting a hidden tab by key brings it into view.
    SetFocus(tabs);
    display->Key(VK_END);
    RECT last;
    SendMessage(tabs, TCM_GETITEMRECT, 4, reinterpret_cast<LPARAM>(&last));
    RECT scrollerBox;
    GetWindowRect(scroller, &scrollerBox);
    POINT scrollerLeft{scrollerBox.left, scrollerBox.top};
    ScreenToClient(tabs, &scrollerLeft);
    EXPECT_LE(last.right, scrollerLeft.x);
}

TEST_F(CommonControlsTest, StatusBarPartsTextAndPlace) {
    HWND status = Create(STATUSCLASSNAME, "", SBARS_SIZEGRIP, RECT{0, 0, 0, 0}, 9);
    RECT window, parentClient;
    GetWindowRect(status, &window);
    GetClientRect(parent, &parentClient);
    EXPECT_EQ(window.bottom, parentClient.bottom); // the parent is at the screen's origin
    EXPECT_EQ(window.right - window.left, parentClient.right);
    const int parts[] = {100, 250, -1};
    EXPECT_TRUE(SendMessage(status, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts)));
    EXPECT_EQ(SendMessage(status, SB_GETPARTS, 0, 0), 3);
    SendMessage(status, SB_SETTEXT, 1 | SBT_POPOUT, reinterpret_cast<LPARAM>("更新中"));
    char text[32] = {};
    const LRESULT answer = SendMessage(status, SB_GETTEXT, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "更新中");
    EXPECT_EQ(LOWORD(std::uintptr_t(answer)), 9);
    EXPECT_EQ(HIWORD(std::uintptr_t(answer)), SBT_POPOUT);
    RECT part;
    ASSERT_TRUE(SendMessage(status, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&part)));
    EXPECT_EQ(part.left, 102);
    EXPECT_EQ(part.right, 250);
    EXPECT_FALSE(SendMessage(status, SB_SETPARTS, 0, 0));
    // A sunken part: shadow at its top-left; the raised one: highlight.
    EXPECT_EQ(Pixel(status, 0, 2), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(Pixel(status, 102, 2), GetSysColor(COLOR_3DHIGHLIGHT));
    // The parent growing moves the bar to its new bottom.
    SetWindowPos(parent, nullptr, 0, 0, 500, 300, SWP_NOMOVE | SWP_NOZORDER);
    SendMessage(status, WM_SIZE, 0, 0);
    GetWindowRect(status, &window);
    EXPECT_EQ(window.bottom, 300);
}

TEST_F(CommonControlsTest, StatusBarHeightIsItsFontsAtLeastTheMinimum) {
    HWND status = Create(STATUSCLASSNAME, "", 0, RECT{0, 0, 0, 0}, 9);
    const auto height = [status] {
        RECT window;
        GetWindowRect(status, &window);
        return int(window.bottom - window.top);
    };
    const int fontsOwn = height();
    HFONT big = CreateFont(-40, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "宋体");
    const struct {
        HFONT font;
        int minimum;
        bool bigger;  // than the default font's height
        int expected; // 0: the font's own
    } cases[] = {
        {nullptr, 27, false, 27}, {nullptr, 10, false, 0}, {big, 27, true, 0},
        {big, 90, true, 90},      {nullptr, 0, false, 0},
    };
    for (const auto& c : cases) {
        SendMessage(status, WM_SETFONT, reinterpret_cast<WPARAM>(c.font), FALSE);
        SendMessage(status, SB_SETMINHEIGHT, WPARAM(c.minimum), 0);
        if (c.expected != 0)
            EXPECT_EQ(height(), c.expected) << c.minimum;
        else if (c.bigger)
            EXPECT_GT(height(), fontsOwn + 20) << c.minimum;
        else
            EXPECT_EQ(height(), fontsOwn) << c.minimum;
        RECT window, parentClient;
        GetWindowRect(status, &window);
        GetClientRect(parent, &parentClient);
        EXPECT_EQ(window.bottom, parentClient.bottom) << c.minimum;
    }
    DeleteObject(big);
}

TEST_F(CommonControlsTest, ProgressBarRangesAndSteps) {
    HWND bar = Create(PROGRESS_CLASS, "", PBS_SMOOTH, RECT{10, 10, 112, 30}, 3);
    const struct {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        LRESULT result;
    } cases[] = {
        {PBM_GETPOS, 0, 0, 0},          {PBM_SETPOS, 50, 0, 0},
        {PBM_SETPOS, 500, 0, 50}, // clamped to the range
        {PBM_GETPOS, 0, 0, 100},        {PBM_SETRANGE32, 0, 1000, MAKELONG(0, 100)},
        {PBM_GETRANGE, FALSE, 0, 1000}, {PBM_SETPOS, 250, 0, 100},
        {PBM_SETSTEP, 500, 0, 10},      {PBM_STEPIT, 0, 0, 250},
        {PBM_STEPIT, 0, 0, 750},        {PBM_GETPOS, 0, 0, 0}, // stepping past the end starts over
        {PBM_DELTAPOS, 300, 0, 0},      {PBM_GETPOS, 0, 0, 300},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SendMessage(bar, c.message, c.wParam, c.lParam), c.result)
            << std::hex << c.message << " " << c.wParam;
    // 300 of 1000 fills 30 of the 100 pixels inside the frame (1 pixel each side).
    EXPECT_EQ(Pixel(bar, 1 + 29, 10), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(Pixel(bar, 1 + 30, 10), GetSysColor(COLOR_3DFACE));
}

TEST_F(CommonControlsTest, UpDownStepsAskFirstAndFillTheBuddy) {
    HWND edit = Create(WC_EDIT, "", 0, RECT{10, 10, 80, 31}, 4, WS_EX_CLIENTEDGE);
    HWND updown = Create(UPDOWN_CLASS, "", UDS_SETBUDDYINT | UDS_ALIGNRIGHT, RECT{0, 0, 16, 21}, 5);
    SendMessage(updown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
    SendMessage(updown, UDM_SETRANGE32, 0, 1500);
    SendMessage(updown, UDM_SETPOS32, 0, 999);
    Take();
    Click(updown, 8, 3); // the up arrow
    char text[16] = {};
    GetWindowText(edit, text, sizeof text);
    EXPECT_STREQ(text, "1,000");
    EXPECT_EQ(Take(),
              (std::vector<Notification>{{5, UDN_DELTAPOS}, {4, EN_UPDATE}, {4, EN_CHANGE}}));
    // Held down, the arrow repeats after half a second, then every 100 ms.
    display->Press(At(updown, 8, 17));
    display->Advance(500);
    display->Advance(100);
    display->Release(At(updown, 8, 17));
    display->Run();
    EXPECT_EQ(SendMessage(updown, UDM_GETPOS32, 0, 0), 997);
}

TEST_F(CommonControlsTest, UpDownArrowKeysInTheBuddyStepIt) {
    HWND edit = Create(WC_EDIT, "", 0, RECT{10, 10, 80, 31}, 4, WS_EX_CLIENTEDGE);
    HWND updown =
        Create(UPDOWN_CLASS, "", UDS_SETBUDDYINT | UDS_ARROWKEYS, RECT{90, 10, 106, 31}, 5);
    SendMessage(updown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
    SendMessage(updown, UDM_SETRANGE32, 0, 10);
    SetFocus(edit);
    display->Key(VK_UP);
    display->Key(VK_UP);
    display->Key(VK_DOWN);
    EXPECT_EQ(SendMessage(updown, UDM_GETPOS32, 0, 0), 1);
    char text[16] = {};
    GetWindowText(edit, text, sizeof text);
    EXPECT_STREQ(text, "1");
    // No longer the buddy, the edit keeps its keys to itself.
    SendMessage(updown, UDM_SETBUDDY, 0, 0);
    display->Key(VK_UP);
    EXPECT_EQ(SendMessage(updown, UDM_GETPOS32, 0, 0), 1);
    display->Type("7");
    GetWindowText(edit, text, sizeof text);
    EXPECT_STREQ(text, "71") << "still an ordinary edit";
}

TEST_F(CommonControlsTest, HeaderItemsRectsAndClicks) {
    HWND header = Create(WC_HEADER, "", HDS_BUTTONS, RECT{10, 10, 310, 30}, 7);
    for (const char* title : {"时间", "节目"}) {
        HDITEM item;
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        item.pszText = const_cast<char*>(title);
        item.cxy = 80;
        item.fmt = HDF_CENTER;
        SendMessage(header, HDM_INSERTITEM, 99, reinterpret_cast<LPARAM>(&item));
    }
    EXPECT_EQ(SendMessage(header, HDM_GETITEMCOUNT, 0, 0), 2);
    RECT second;
    ASSERT_TRUE(SendMessage(header, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second)));
    EXPECT_EQ(second, (RECT{80, 0, 160, 20}));
    EXPECT_FALSE(SendMessage(header, HDM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&second)));
    EXPECT_EQ(SendMessage(header, HDM_GETIMAGELIST, 0, 0), 0);
    Click(header, 100, 10);
    EXPECT_EQ(Take(), (std::vector<Notification>{{7, HDN_ITEMCLICK}}));
}

// A divider drag resizes the heading live; the parent may refuse or narrow it.
TEST_F(CommonControlsTest, HeaderDividerDragResizesWithTrackNotifications) {
    HWND header = Create(WC_HEADER, "", HDS_BUTTONS | HDS_FLAT, RECT{10, 10, 310, 30}, 7);
    for (const char* title : {"时间", "节目"}) {
        HDITEM item;
        item.mask = HDI_TEXT | HDI_WIDTH;
        item.pszText = const_cast<char*>(title);
        item.cxy = 80;
        SendMessage(header, HDM_INSERTITEM, 99, reinterpret_cast<LPARAM>(&item));
    }
    Take();
    const auto width = [&](int index) {
        HDITEM item;
        item.mask = HDI_WIDTH;
        SendMessage(header, HDM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
        return item.cxy;
    };
    display->Drag(At(header, 81, 10), At(header, 121, 10));
    EXPECT_EQ(width(0), 120);
    EXPECT_EQ(width(1), 80);
    const std::vector<Notification> got = Take();
    ASSERT_GE(got.size(), 5u);
    EXPECT_EQ(got.front(), (Notification{7, HDN_BEGINTRACK}));
    EXPECT_EQ(got.back(), (Notification{7, HDN_ENDTRACK}));
    EXPECT_NE(std::find(got.begin(), got.end(), Notification{7, HDN_ITEMCHANGED}), got.end());
    EXPECT_EQ(std::count(got.begin(), got.end(), Notification{7, HDN_ITEMCLICK}), 0)
        << "a resize is no click";
    // The second heading's divider is at 200 now: a press there grabs it, not a click.
    display->Drag(At(header, 200, 10), At(header, 150, 10));
    EXPECT_EQ(width(1), 30);
    // Dragged past its left edge a heading closes to zero width.
    display->Drag(At(header, 120, 10), At(header, -5, 10));
    EXPECT_EQ(width(0), 0);
}

TEST_F(CommonControlsTest, TrackBarSelectionAndManualTics) {
    HWND bar = Create(TRACKBAR_CLASS, "", TBS_ENABLESELRANGE | TBS_BOTH, RECT{10, 10, 216, 50}, 3);
    SendMessage(bar, TBM_SETRANGE, FALSE, MAKELONG(0, 10));
    EXPECT_EQ(SendMessage(bar, TBM_GETNUMTICS, 0, 0), 2) << "the two ends";
    EXPECT_TRUE(SendMessage(bar, TBM_SETTIC, 0, 5));
    EXPECT_FALSE(SendMessage(bar, TBM_SETTIC, 0, 11)) << "outside the range";
    EXPECT_EQ(SendMessage(bar, TBM_GETNUMTICS, 0, 0), 3);
    SendMessage(bar, TBM_SETSEL, TRUE, MAKELONG(2, 6));
    EXPECT_EQ(SendMessage(bar, TBM_GETSELSTART, 0, 0), 2);
    EXPECT_EQ(SendMessage(bar, TBM_GETSELEND, 0, 0), 6);
    RECT channel, thumb;
    SendMessage(bar, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    SendMessage(bar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    EXPECT_GT(thumb.top, 2) << "room for the tics above";
    const int middle = (channel.top + channel.bottom) / 2;
    const int span = channel.right - channel.left;
    EXPECT_EQ(Pixel(bar, channel.left + span * 4 / 10, middle), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_NE(Pixel(bar, channel.left + span * 8 / 10, middle), GetSysColor(COLOR_HIGHLIGHT));
    // The tic at 5 stands above and below the thumb.
    const int at = channel.left + span / 2;
    EXPECT_EQ(Pixel(bar, at, thumb.top - 3), GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(Pixel(bar, at, thumb.bottom + 3), GetSysColor(COLOR_BTNTEXT));
    SendMessage(bar, TBM_CLEARSEL, TRUE, 0);
    EXPECT_EQ(SendMessage(bar, TBM_GETSELEND, 0, 0), 0);
}

} // namespace
} // namespace win::test

// List boxes and combo boxes driven by the mouse and the keyboard: selection,
// notifications, type-ahead, scrolling, the drop-down list and its info.

#include "ControlTestSupport.h"
#include "platform/gdi/Text.h"

namespace win::test {
namespace {

class ListBoxTest : public ControlTest {
protected:
    HWND Fill(HWND control, UINT add, int count) {
        for (int i = 0; i < count; ++i) {
            const std::string text = "频道 " + std::to_string(i);
            SendMessage(control, add, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
        display->Run();
        Take();
        return control;
    }
};

TEST_F(ListBoxTest, KeysMoveTheSelectionAndNotify) {
    HWND list =
        Fill(Create(WC_LISTBOX, "", WS_BORDER | WS_VSCROLL | LBS_NOTIFY, RECT{10, 10, 160, 110}, 4),
             LB_ADDSTRING, 40);
    SetFocus(list);
    Take();
    const struct {
        int key;
        LRESULT selection;
    } cases[] = {
        {VK_DOWN, 0}, {VK_DOWN, 1}, {VK_END, 39}, {VK_UP, 38}, {VK_HOME, 0}, {VK_UP, 0},
    };
    for (const auto& c : cases) {
        const LRESULT before = SendMessage(list, LB_GETCURSEL, 0, 0);
        display->Key(c.key);
        EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), c.selection) << c.key;
        const auto expected = before == c.selection ? std::vector<Notification>{}
                                                    : std::vector<Notification>{{4, LBN_SELCHANGE}};
        EXPECT_EQ(Take(), expected) << c.key;
    }
    // The selection is kept in view: after End the last item shows whole.
    SendMessage(list, LB_SETCURSEL, 39, 0);
    RECT item;
    SendMessage(list, LB_GETITEMRECT, 39, reinterpret_cast<LPARAM>(&item));
    RECT client;
    GetClientRect(list, &client);
    EXPECT_LE(item.bottom, client.bottom);
    EXPECT_GT(SendMessage(list, LB_GETTOPINDEX, 0, 0), 0);
}

TEST_F(ListBoxTest, ClicksSelectDoubleClicksNotifyAndTypingFindsItems) {
    HWND list = Create(WC_LISTBOX, "", WS_BORDER | LBS_NOTIFY, RECT{10, 10, 160, 210}, 4);
    for (const char* text : {"北京", "Beijing", "Shanghai", "上海", "Sichuan", "𠀋山"})
        SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    const int height = int(SendMessage(list, LB_GETITEMHEIGHT, 0, 0));
    Click(list, 20, height * 2 + 2);
    EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(Take(), (std::vector<Notification>{{4, LBN_SETFOCUS}, {4, LBN_SELCHANGE}}));
    display->Click(At(list, 20, height * 2 + 2)); // the same place at once: a double click
    EXPECT_EQ(Take(), (std::vector<Notification>{{4, LBN_DBLCLK}}));

    display->Clock().Advance(2000);
    display->Type("s");
    EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), 4); // the next "S..." after Shanghai
    display->Type("s");
    EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), 2); // repeating cycles
    display->Clock().Advance(2000);
    display->Type("上");
    EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), 3);
    display->Clock().Advance(2000);
    display->Type("𠀋"); // beyond the basic plane: four bytes of UTF-8
    EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), 5);
}

TEST_F(ListBoxTest, MessagesAnswerAsOnWindows) {
    HWND list = Create(WC_LISTBOX, "", WS_BORDER | LBS_SORT, RECT{10, 10, 160, 110}, 4);
    for (const char* text : {"b", "C", "a"})
        SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    char text[16] = {};
    const struct {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        LRESULT result;
    } cases[] = {
        {LB_GETCOUNT, 0, 0, 3},
        {LB_GETCURSEL, 0, 0, LB_ERR},
        {LB_FINDSTRING, WPARAM(-1), reinterpret_cast<LPARAM>("c"), 2},
        {LB_FINDSTRINGEXACT, WPARAM(-1), reinterpret_cast<LPARAM>("B"), 1},
        {LB_FINDSTRINGEXACT, WPARAM(-1), reinterpret_cast<LPARAM>("x"), LB_ERR},
        {LB_SETCURSEL, 5, 0, LB_ERR},
        {LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text), 1},
        {LB_GETTEXTLEN, 9, 0, LB_ERR},
        {LB_DELETESTRING, 9, 0, LB_ERR},
        {LB_SETITEMDATA, 1, 77, 0},
        {LB_GETITEMDATA, 1, 0, 77},
        {LB_DELETESTRING, 0, 0, 2},
        {LB_INSERTSTRING, 1, reinterpret_cast<LPARAM>("z"), 1},
        {LB_GETCOUNT, 0, 0, 3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SendMessage(list, c.message, c.wParam, c.lParam), c.result)
            << std::hex << c.message;
}

TEST_F(ListBoxTest, FillingWithRedrawOffLeavesTheScrollBarUntilRedrawIsOn) {
    HWND list = Create(WC_LISTBOX, "", WS_BORDER | WS_VSCROLL, RECT{10, 10, 160, 110}, 4);
    display->Run();
    const auto range = [list] {
        SCROLLINFO info;
        info.fMask = SIF_RANGE | SIF_PAGE;
        GetScrollInfo(list, SB_VERT, &info);
        return std::pair(info.nMax, int(info.nPage));
    };
    const auto before = range();
    SendMessage(list, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < 1000; ++i) {
        const std::string text = "频道 " + std::to_string(i);
        SendMessage(list, i % 2 ? LB_ADDSTRING : LB_INSERTSTRING, WPARAM(-1),
                    reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessage(list, LB_DELETESTRING, 0, 0);
    EXPECT_EQ(range(), before); // only the items changed
    EXPECT_FALSE(GetWindowLong(list, GWL_STYLE) & WS_VSCROLL);
    EXPECT_FALSE(GetUpdateRect(list, nullptr, FALSE));

    SendMessage(list, WM_SETREDRAW, TRUE, 0);
    EXPECT_TRUE(IsWindowVisible(list)); // the window manager's flag is back
    EXPECT_EQ(range().first, 998);
    EXPECT_GT(range().second, 1);
    EXPECT_TRUE(GetWindowLong(list, GWL_STYLE) & WS_VSCROLL);
    InvalidateRect(list, nullptr, TRUE);
    display->Run();
    EXPECT_FALSE(GetUpdateRect(list, nullptr, FALSE));
}

TEST_F(ListBoxTest, DropDownListOpensChoosesAndTellsTheParent) {
    HWND combo =
        Fill(Create(WC_COMBOBOX, "", CBS_DROPDOWNLIST | WS_VSCROLL, RECT{10, 10, 160, 200}, 6),
             CB_ADDSTRING, 5);
    COMBOBOXINFO info;
    ASSERT_TRUE(GetComboBoxInfo(combo, &info));
    EXPECT_EQ(info.hwndCombo, combo);
    EXPECT_FALSE(IsWindowVisible(info.hwndList));
    RECT window;
    GetWindowRect(combo, &window);
    EXPECT_LT(window.bottom - window.top, 30); // as tall as its field, not as asked

    Click(combo, 20, 8);
    EXPECT_TRUE(IsWindowVisible(info.hwndList));
    EXPECT_EQ(SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0), TRUE);
    EXPECT_EQ(Take(), (std::vector<Notification>{{6, CBN_SETFOCUS}, {6, CBN_DROPDOWN}}));
    const int height = int(SendMessage(info.hwndList, LB_GETITEMHEIGHT, 0, 0));
    Click(info.hwndList, 10, height * 3 + 1);
    EXPECT_FALSE(IsWindowVisible(info.hwndList));
    EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 3);
    EXPECT_EQ(Take(),
              (std::vector<Notification>{{6, CBN_SELENDOK}, {6, CBN_CLOSEUP}, {6, CBN_SELCHANGE}}));
    char text[32] = {};
    GetWindowText(combo, text, sizeof text);
    EXPECT_STREQ(text, "频道 3");

    // Keys: arrows change the selection while closed; F4 opens, Escape cancels.
    display->Key(VK_DOWN);
    EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 4);
    EXPECT_EQ(Take(), (std::vector<Notification>{{6, CBN_SELCHANGE}}));
    display->Key(VK_F4);
    display->Key(VK_UP);
    display->Key(VK_ESCAPE);
    EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 4);
    EXPECT_EQ(Take(), (std::vector<Notification>{
                          {6, CBN_DROPDOWN}, {6, CBN_SELENDCANCEL}, {6, CBN_CLOSEUP}}));

    // A click outside an open list closes it without a choice.
    display->Key(VK_F4);
    Click(parent, 400, 400);
    EXPECT_FALSE(IsWindowVisible(info.hwndList));
    EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 4);
}

TEST_F(ListBoxTest, DropDownFieldFollowsItsFont) {
    // As on Windows, the selection field is the font's cell height plus 2 and
    // the window 6 more for its edges (SimSun's 16-pixel cell makes 24); an
    // explicit field height outlasts a new font.
    HWND combo = Create(WC_COMBOBOX, "", CBS_DROPDOWNLIST | WS_VSCROLL, RECT{10, 10, 139, 210}, 6);
    const auto windowHeight = [combo] {
        RECT window;
        GetWindowRect(combo, &window);
        return int(window.bottom - window.top);
    };
    const auto cellHeight = [combo](HFONT font) {
        HDC dc = GetDC(combo);
        HGDIOBJ old = SelectObject(dc, font);
        TEXTMETRIC metrics;
        GetTextMetrics(dc, &metrics);
        SelectObject(dc, old);
        ReleaseDC(combo, dc);
        return int(metrics.tmHeight);
    };
    const int defaultHeight = windowHeight();
    for (int fontHeight : {-16, -12, -24, 20}) {
        HFONT font =
            CreateFont(fontHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
        const int cell = cellHeight(font);
        SendMessage(combo, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        EXPECT_EQ(SendMessage(combo, CB_GETITEMHEIGHT, WPARAM(-1), 0), cell + 2) << fontHeight;
        EXPECT_EQ(windowHeight(), cell + 8) << fontHeight;
        SendMessage(combo, WM_SETFONT, 0, FALSE);
        DeleteObject(font);
    }
    EXPECT_EQ(windowHeight(), defaultHeight);
    SendMessage(combo, CB_SETITEMHEIGHT, WPARAM(-1), 30);
    EXPECT_EQ(windowHeight(), 36);
    HFONT font = CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "宋体");
    SendMessage(combo, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    EXPECT_EQ(SendMessage(combo, CB_GETITEMHEIGHT, WPARAM(-1), 0), 30);
    EXPECT_EQ(windowHeight(), 36);
    SendMessage(combo, WM_SETFONT, 0, FALSE);
    DeleteObject(font);
}

} // namespace
} // namespace win::test

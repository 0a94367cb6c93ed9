// Standard scroll bars in the non-client area: SetScrollInfo clamping and
// showing or hiding the bar, GetScrollBarInfo geometry, and DefWindowProc's
// tracking of arrows (with auto-repeat on the timer), page areas and thumb.

#include "WindowTestSupport.h"
#include "platform/user/Input.h"

namespace win::test {
namespace {

std::vector<std::pair<int, int>> scrolls; // (SB_ code, position)

LRESULT ScrollingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_VSCROLL || message == WM_HSCROLL)
        scrolls.emplace_back(LOWORD(wParam), short(HIWORD(wParam)));
    return DefWindowProc(hwnd, message, wParam, lParam);
}

class ScrollBarTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        scrolls.clear();
        WNDCLASS wc;
        wc.lpfnWndProc = ScrollingProc;
        wc.lpszClassName = "ScrollingWindow";
        RegisterClass(&wc);
        // A 200 x 216 pop-up with a 16-pixel vertical bar along its right edge
        // at screen x 284..300, y 100..316: arrows 16 long, track 184.
        main = CreateWindowEx(0, "ScrollingWindow", "", WS_POPUP | WS_VISIBLE | WS_VSCROLL, 100,
                              100, 200, 216, nullptr, nullptr, nullptr, nullptr);
        SetRange(0, 99, 10, 0);
        display->Run();
        scrolls.clear();
    }
    void SetRange(int min, int max, UINT page, int pos) {
        SCROLLINFO info;
        info.fMask = SIF_ALL;
        info.nMin = min;
        info.nMax = max;
        info.nPage = page;
        info.nPos = pos;
        SetScrollInfo(main, SB_VERT, &info, TRUE);
    }
    SCROLLBARINFO Bar() {
        SCROLLBARINFO info;
        GetScrollBarInfo(main, OBJID_VSCROLL, &info);
        return info;
    }
    HWND main = nullptr;
};

TEST_F(ScrollBarTest, ScrollInfoIsClampedToRangeAndPage) {
    const struct {
        int pos;
        int expected;
    } cases[] = {{50, 50}, {-5, 0}, {95, 90}, {200, 90}};
    for (const auto& c : cases) {
        SCROLLINFO info;
        info.fMask = SIF_POS;
        info.nPos = c.pos;
        EXPECT_EQ(SetScrollInfo(main, SB_VERT, &info, TRUE), c.expected) << c.pos;
        EXPECT_EQ(GetScrollPos(main, SB_VERT), c.expected);
    }
    SCROLLINFO all;
    all.fMask = SIF_ALL;
    GetScrollInfo(main, SB_VERT, &all);
    EXPECT_EQ(all.nMax, 99);
    EXPECT_EQ(all.nPage, 10u);
}

TEST_F(ScrollBarTest, AnEmptyRangeHidesTheBarAndAFullOneShowsIt) {
    RECT client;
    GetClientRect(main, &client);
    EXPECT_EQ(client.right, 184);
    SetRange(0, 9, 10, 0);
    EXPECT_FALSE(GetWindowLong(main, GWL_STYLE) & WS_VSCROLL);
    GetClientRect(main, &client);
    EXPECT_EQ(client.right, 200) << "the client area takes the bar's place";
    EXPECT_EQ(Bar().rgstate[0], STATE_SYSTEM_INVISIBLE);
    SetRange(0, 99, 10, 0);
    EXPECT_TRUE(GetWindowLong(main, GWL_STYLE) & WS_VSCROLL);
}

TEST_F(ScrollBarTest, BarInfoGivesTheThumbAlongTheTrack) {
    const struct {
        int pos;
        int thumbTop;
    } cases[] = {{0, 16}, {90, 182}, {45, 99}};
    for (const auto& c : cases) {
        SetScrollPos(main, SB_VERT, c.pos, TRUE);
        const SCROLLBARINFO info = Bar();
        EXPECT_EQ(info.rcScrollBar, (RECT{284, 100, 300, 316}));
        EXPECT_EQ(info.dxyLineButton, 16);
        EXPECT_EQ(info.xyThumbTop, c.thumbTop) << c.pos;
        EXPECT_EQ(info.xyThumbBottom - info.xyThumbTop, 18)
            << "page 10 of 100 over a 184-pixel track";
    }
}

TEST_F(ScrollBarTest, HoldingAnArrowRepeatsOnTheTimerUntilRelease) {
    // The tracking loop runs inside the press and the test clock moves as it
    // waits: a thread timer releases the button 300 ms after the press.
    SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        InjectMouseButton(MouseButton::Left, KeyTransition::Up, POINT{290, 310});
    });
    InjectMouseButton(MouseButton::Left, KeyTransition::Down, POINT{290, 310});
    display->Run();
    // One request at the press, one after the 200 ms first delay, one 50 ms
    // later; the release at 300 ms ends it.
    EXPECT_EQ(scrolls,
              (std::vector<std::pair<int, int>>{
                  {SB_LINEDOWN, 0}, {SB_LINEDOWN, 0}, {SB_LINEDOWN, 0}, {SB_ENDSCROLL, 0}}));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ScrollBarTest, ClickingThePageAreaSendsAPageRequest) {
    SetScrollPos(main, SB_VERT, 0, TRUE);
    display->Click(POINT{290, 250});
    ASSERT_EQ(scrolls.size(), 2u);
    EXPECT_EQ(scrolls[0].first, SB_PAGEDOWN);
    EXPECT_EQ(scrolls[1].first, SB_ENDSCROLL);
}

TEST_F(ScrollBarTest, DraggingTheThumbTracksAndEndsWithItsPosition) {
    SetScrollPos(main, SB_VERT, 0, TRUE);
    // The thumb spans y 116..134 on screen; drag it down by the whole track.
    display->Drag(POINT{290, 120}, POINT{290, 120 + 166});
    ASSERT_GE(scrolls.size(), 3u);
    EXPECT_EQ(scrolls.front().first, SB_THUMBTRACK);
    EXPECT_EQ(scrolls[scrolls.size() - 2], (std::pair<int, int>{SB_THUMBPOSITION, 90}));
    EXPECT_EQ(scrolls.back().first, SB_ENDSCROLL);
    EXPECT_EQ(GetScrollPos(main, SB_VERT), 0) << "the window sets the position itself";
}

} // namespace
} // namespace win::test

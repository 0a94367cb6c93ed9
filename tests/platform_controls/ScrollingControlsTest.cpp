// Track bars and scroll-bar controls: keys, clicks and drags with the codes
// they send the parent, and custom draw letting the parent replace the thumb.

#include "ControlTestSupport.h"

namespace win::test {
namespace {

std::vector<WORD> scrollCodes;
bool paintThumbRed = false;

LRESULT ScrollParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HSCROLL)
        scrollCodes.push_back(LOWORD(wParam));
    if (message == WM_NOTIFY && paintThumbRed) {
        auto* draw = reinterpret_cast<NMCUSTOMDRAW*>(lParam);
        if (draw->hdr.code == NM_CUSTOMDRAW) {
            if (draw->dwDrawStage == CDDS_PREPAINT)
                return CDRF_NOTIFYITEMDRAW;
            if (draw->dwDrawStage == CDDS_ITEMPREPAINT && draw->dwItemSpec == TBCD_THUMB) {
                HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
                FillRect(draw->hdc, &draw->rc, red);
                DeleteObject(red);
                return CDRF_SKIPDEFAULT;
            }
        }
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}

class TrackBarTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        SetWindowLongPtr(parent, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(ScrollParentProc));
        scrollCodes.clear();
        paintThumbRed = false;
        bar = Create(TRACKBAR_CLASS, "", TBS_AUTOTICKS, RECT{10, 10, 216, 40}, 3);
        SendMessage(bar, TBM_SETRANGE, FALSE, MAKELONG(0, 10));
        SendMessage(bar, TBM_SETPAGESIZE, 0, 3);
    }
    LRESULT Pos() { return SendMessage(bar, TBM_GETPOS, 0, 0); }
    HWND bar = nullptr;
};

TEST_F(TrackBarTest, KeysMoveByLinesAndPagesWithinTheRange) {
    SetFocus(bar);
    const struct {
        int key;
        LRESULT pos;
        WORD code;
    } cases[] = {
        {VK_RIGHT, 1, TB_LINEDOWN},  {VK_NEXT, 4, TB_PAGEDOWN}, {VK_END, 10, TB_BOTTOM},
        {VK_RIGHT, 10, TB_LINEDOWN}, {VK_PRIOR, 7, TB_PAGEUP},  {VK_HOME, 0, TB_TOP},
    };
    for (const auto& c : cases) {
        scrollCodes.clear();
        display->Key(c.key);
        EXPECT_EQ(Pos(), c.pos) << c.key;
        EXPECT_EQ(scrollCodes, (std::vector<WORD>{c.code, TB_ENDTRACK})) << c.key;
    }
}

TEST_F(TrackBarTest, ChannelClicksPageAndTheThumbDrags) {
    RECT channel, thumb;
    SendMessage(bar, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    SendMessage(bar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    Click(bar, channel.right - 2, (thumb.top + thumb.bottom) / 2);
    EXPECT_EQ(Pos(), 3);
    EXPECT_EQ(scrollCodes, (std::vector<WORD>{TB_PAGEDOWN, TB_ENDTRACK}));
    scrollCodes.clear();
    SendMessage(bar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    const int y = (thumb.top + thumb.bottom) / 2;
    display->Drag(At(bar, (thumb.left + thumb.right) / 2, y), At(bar, channel.right + 30, y));
    EXPECT_EQ(Pos(), 10);
    ASSERT_GE(scrollCodes.size(), 3u);
    EXPECT_EQ(scrollCodes.front(), TB_THUMBTRACK);
    EXPECT_EQ(scrollCodes[scrollCodes.size() - 2], TB_THUMBPOSITION);
    EXPECT_EQ(scrollCodes.back(), TB_ENDTRACK);
}

TEST_F(TrackBarTest, CustomDrawReplacesTheThumb) {
    SendMessage(bar, TBM_SETPOS, TRUE, 5);
    RECT thumb;
    SendMessage(bar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    const int x = (thumb.left + thumb.right) / 2, y = (thumb.top + thumb.bottom) / 2;
    EXPECT_EQ(Pixel(bar, x, y), GetSysColor(COLOR_3DFACE));
    paintThumbRed = true;
    InvalidateRect(bar, nullptr, TRUE);
    EXPECT_EQ(Pixel(bar, x, y), RGB(255, 0, 0));
    EXPECT_EQ(Pixel(bar, thumb.left, thumb.top), RGB(255, 0, 0)); // no default edge over it
}

TEST_F(TrackBarTest, ScrollBarControlSendsCodesAndClampsItsPosition) {
    HWND bar = Create(WC_SCROLLBAR, "", SBS_HORZ, RECT{10, 60, 210, 77}, 4);
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = 99;
    info.nPage = 10;
    info.nPos = 500;
    EXPECT_EQ(SendMessage(bar, SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(&info)), 90);
    SendMessage(bar, SBM_SETPOS, 0, TRUE);
    scrollCodes.clear();
    Click(bar, 200 - 3, 8); // the right arrow
    EXPECT_EQ(scrollCodes, (std::vector<WORD>{SB_LINEDOWN, SB_ENDSCROLL}));
    scrollCodes.clear();
    Click(bar, 150, 8); // the track after the thumb
    EXPECT_EQ(scrollCodes, (std::vector<WORD>{SB_PAGEDOWN, SB_ENDSCROLL}));
    SCROLLBARINFO parts;
    ASSERT_TRUE(SendMessage(bar, SBM_GETSCROLLBARINFO, 0, reinterpret_cast<LPARAM>(&parts)));
    EXPECT_EQ(parts.xyThumbTop, parts.dxyLineButton); // position 0: right after the arrow
    scrollCodes.clear();
    const int grip = (parts.xyThumbTop + parts.xyThumbBottom) / 2;
    display->Drag(At(bar, grip, 8), At(bar, grip + 40, 8));
    ASSERT_GE(scrollCodes.size(), 3u);
    EXPECT_EQ(scrollCodes.front(), SB_THUMBTRACK);
    EXPECT_EQ(scrollCodes[scrollCodes.size() - 2], SB_THUMBPOSITION);
    EXPECT_EQ(scrollCodes.back(), SB_ENDSCROLL);
}

// The window's scroll-bar calls with SB_CTL (and OBJID_CLIENT) reach the
// control itself, as code written for either kind of bar expects.
TEST_F(TrackBarTest, ScrollBarCallsWithSbCtlReachTheControl) {
    HWND bar = Create(WC_SCROLLBAR, "", SBS_HORZ, RECT{10, 60, 210, 77}, 4);
    EXPECT_TRUE(SetScrollRange(bar, SB_CTL, 10, 60, TRUE));
    EXPECT_EQ(SetScrollPos(bar, SB_CTL, 25, TRUE), 10);
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 25);
    EXPECT_EQ(SendMessage(bar, SBM_GETPOS, 0, 0), 25);
    int min = 0, max = 0;
    ASSERT_TRUE(GetScrollRange(bar, SB_CTL, &min, &max));
    EXPECT_EQ(min, 10);
    EXPECT_EQ(max, 60);
    SCROLLINFO info;
    info.fMask = SIF_POS;
    info.nPos = 99;
    EXPECT_EQ(SetScrollInfo(bar, SB_CTL, &info, TRUE), 60) << "clamped to the range";
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(bar, SB_CTL, &info));
    EXPECT_EQ(info.nPos, 60);
    SCROLLBARINFO viaCall;
    SCROLLBARINFO viaMessage;
    ASSERT_TRUE(GetScrollBarInfo(bar, OBJID_CLIENT, &viaCall));
    ASSERT_TRUE(SendMessage(bar, SBM_GETSCROLLBARINFO, 0, reinterpret_cast<LPARAM>(&viaMessage)));
    EXPECT_EQ(viaCall.xyThumbTop, viaMessage.xyThumbTop);
    EXPECT_EQ(viaCall.rcScrollBar, viaMessage.rcScrollBar);
}

} // namespace
} // namespace win::test

// Track bar, up-down and header control from the test form's definition:
// properties by name reaching the window, and injected drags, keys and clicks
// coming back as the controls' events through the reflected notifications.

#include "GuiTestSupport.h"
#include "framework/TypInfo.h"
#include "framework/gui/HeaderControl.h"
#include "framework/gui/TrackBar.h"
#include "framework/gui/UpDown.h"
#include "platform/user/controls/CommCtrl.h"

namespace fw::test {
namespace {

class RangeControlsTest : public GuiTest {
protected:
    template <class T> T& Find(const char* name) {
        auto* control = dynamic_cast<T*>(form->FindComponent(name));
        EXPECT_NE(control, nullptr) << name;
        return *control;
    }
    std::string TextOf(TWinControl& control) {
        char text[64] = {};
        win::GetWindowText(control.Handle(), text, sizeof text);
        return text;
    }
};

TEST_F(RangeControlsTest, TrackBarDefinitionReachesTheWindow) {
    ShowTestForm();
    auto& bar = Find<TTrackBar>("TrackBar1");
    win::HWND hwnd = bar.Handle();
    EXPECT_EQ(win::SendMessage(hwnd, win::TBM_GETRANGEMAX, 0, 0), 20);
    EXPECT_EQ(win::SendMessage(hwnd, win::TBM_GETPOS, 0, 0), 12);
    EXPECT_EQ(win::SendMessage(hwnd, win::TBM_GETPAGESIZE, 0, 0), 4);
    EXPECT_EQ(win::SendMessage(hwnd, win::TBM_GETSELSTART, 0, 0), 5);
    EXPECT_EQ(win::SendMessage(hwnd, win::TBM_GETSELEND, 0, 0), 10);
    EXPECT_EQ(win::SendMessage(hwnd, win::TBM_GETNUMTICS, 0, 0), 5) << "every 5 from 0 to 20";
    EXPECT_EQ(GetPropText(bar, "TickStyle"), "tsAuto");
    EXPECT_TRUE(SetPropText(bar, "Position", "25"));
    EXPECT_EQ(bar.Position(), 20) << "held to the range";
}

TEST_F(RangeControlsTest, TrackBarDragAndKeysMoveThePositionAndFireOnChange) {
    ShowTestForm();
    auto& bar = Find<TTrackBar>("TrackBar1");
    std::vector<int> changes;
    bar.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &bar);
        changes.push_back(bar.Position());
    };
    win::RECT thumb, channel;
    win::SendMessage(bar.Handle(), win::TBM_GETTHUMBRECT, 0, reinterpret_cast<win::LPARAM>(&thumb));
    win::SendMessage(bar.Handle(), win::TBM_GETCHANNELRECT, 0,
                     reinterpret_cast<win::LPARAM>(&channel));
    const int y = (thumb.top + thumb.bottom) / 2;
    display->Drag(At(bar, (thumb.left + thumb.right) / 2, y), At(bar, channel.left - 20, y));
    EXPECT_EQ(bar.Position(), 0);
    ASSERT_FALSE(changes.empty());
    EXPECT_EQ(changes.back(), 0);
    for (std::size_t i = 1; i < changes.size(); ++i)
        EXPECT_NE(changes[i], changes[i - 1]) << "only moves are reported";

    changes.clear();
    bar.SetFocus();
    const struct {
        int key;
        int position;
    } keys[] = {{win::VK_RIGHT, 1}, {win::VK_NEXT, 5}, {win::VK_END, 20}, {win::VK_END, 20}};
    for (const auto& k : keys) {
        display->Key(k.key);
        EXPECT_EQ(bar.Position(), k.position) << k.key;
    }
    EXPECT_EQ(changes, (std::vector<int>{1, 5, 20})) << "End at the end changes nothing";
    bar.SetPosition(7);
    EXPECT_EQ(changes.back(), 7) << "a move in code is a change too";
}

TEST_F(RangeControlsTest, TrackBarTurnedVerticalSwapsItsBoxAndKeepsItsPosition) {
    ShowTestForm();
    auto& bar = Find<TTrackBar>("TrackBar1");
    bar.SetPosition(9);
    EXPECT_TRUE(SetPropText(bar, "Orientation", "trVertical"));
    EXPECT_EQ(bar.Width(), 34);
    EXPECT_EQ(bar.Height(), 160);
    EXPECT_TRUE(win::GetWindowLong(bar.Handle(), win::GWL_STYLE) & win::TBS_VERT);
    EXPECT_EQ(win::SendMessage(bar.Handle(), win::TBM_GETPOS, 0, 0), 9);
    EXPECT_EQ(win::SendMessage(bar.Handle(), win::TBM_GETSELEND, 0, 0), 10);
}

TEST_F(RangeControlsTest, UpDownArrowsStepThePositionIntoTheAssociate) {
    ShowTestForm();
    auto& updown = Find<TUpDown>("UpDown1");
    auto& edit = Find<TEdit>("Edit2");
    EXPECT_EQ(updown.Associate(), &edit) << "resolved after the definition was read";
    EXPECT_EQ(TextOf(edit), "998");
    // The buttons sit against the associate's right edge, taking that much of it.
    EXPECT_EQ(updown.Left(), edit.Left() + edit.Width());
    EXPECT_EQ(updown.Left() + updown.Width(), 404 + 70);
    std::vector<TUDBtnType> clicks;
    updown.OnClick = [&](TObject*, TUDBtnType button) { clicks.push_back(button); };
    const int up = 3, down = updown.Height() - 3;
    display->Click(At(updown, 8, up));
    display->Click(At(updown, 8, up));
    EXPECT_EQ(updown.Position(), 1000);
    EXPECT_EQ(TextOf(edit), "1,000");
    display->Click(At(updown, 8, down));
    EXPECT_EQ(TextOf(edit), "999");
    EXPECT_EQ(clicks, (std::vector<TUDBtnType>{TUDBtnType::btNext, TUDBtnType::btNext,
                                               TUDBtnType::btPrev}));

    // Steps of Increment; thousands off; a refused change leaves everything as it was.
    updown.SetIncrement(250);
    EXPECT_TRUE(SetPropText(updown, "Thousands", "False"));
    display->Click(At(updown, 8, up));
    EXPECT_EQ(TextOf(edit), "1249");
    bool allow = false;
    int asked = 0;
    updown.OnChanging = [&](TObject*, bool& allowChange) {
        ++asked;
        allowChange = allow;
    };
    display->Click(At(updown, 8, up));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(updown.Position(), 1249);
    EXPECT_EQ(TextOf(edit), "1249");
    updown.SetPosition(5);
    EXPECT_EQ(TextOf(edit), "5") << "a position set in code shows too";
}

TEST_F(RangeControlsTest, UpDownWrapsAtTheEndsOnlyWhenAskedTo) {
    ShowTestForm();
    auto& updown = Find<TUpDown>("UpDown1");
    auto& edit = Find<TEdit>("Edit2");
    updown.SetPosition(2000);
    const int up = 3;
    display->Click(At(updown, 8, up));
    EXPECT_EQ(updown.Position(), 2000);
    updown.SetWrap(true);
    display->Click(At(updown, 8, up));
    EXPECT_EQ(updown.Position(), 0);
    EXPECT_EQ(TextOf(edit), "0");
}

TEST_F(RangeControlsTest, UpDownArrowKeysInTheAssociateStepIt) {
    ShowTestForm();
    auto& updown = Find<TUpDown>("UpDown1");
    auto& edit = Find<TEdit>("Edit2");
    edit.SetFocus();
    display->Key(win::VK_UP);
    EXPECT_EQ(updown.Position(), 999);
    EXPECT_EQ(TextOf(edit), "999");
    EXPECT_TRUE(SetPropText(updown, "ArrowKeys", "False"));
    display->Key(win::VK_UP);
    EXPECT_EQ(updown.Position(), 999);
}

TEST_F(RangeControlsTest, FreeingTheAssociateLeavesTheUpDownWithoutOne) {
    ShowTestForm();
    auto& updown = Find<TUpDown>("UpDown1");
    Find<TEdit>("Edit2").Free();
    EXPECT_EQ(updown.Associate(), nullptr);
    EXPECT_EQ(win::SendMessage(updown.Handle(), win::UDM_GETBUDDY, 0, 0), 0);
    display->Click(At(updown, 8, 3));
    EXPECT_EQ(updown.Position(), 999);
    EXPECT_THROW(updown.SetAssociate(&updown), EInvalidOperation);
}

TEST_F(RangeControlsTest, HeaderSectionsFromTheDefinitionReachTheWindow) {
    ShowTestForm();
    auto& header = Find<THeaderControl>("Header1");
    EXPECT_EQ(header.BoundsRect().top, 180) << "not aligned: the definition says alNone";
    ASSERT_EQ(header.Sections()->Count(), 3);
    EXPECT_EQ(win::SendMessage(header.Handle(), win::HDM_GETITEMCOUNT, 0, 0), 3);
    char text[32] = {};
    win::HDITEM item;
    item.mask = win::HDI_TEXT | win::HDI_WIDTH | win::HDI_FORMAT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    win::SendMessage(header.Handle(), win::HDM_GETITEM, 1, reinterpret_cast<win::LPARAM>(&item));
    EXPECT_STREQ(text, "节目");
    EXPECT_EQ(item.cxy, 120);
    EXPECT_EQ(item.fmt & win::HDF_JUSTIFYMASK, win::HDF_CENTER);
    EXPECT_EQ(header.Sections()->Items(2)->Left(), 180);
    header.Sections()->Items(0)->SetWidth(500);
    EXPECT_EQ(header.Sections()->Items(0)->Width(), 100) << "held to MaxWidth";
    header.Sections()->Add()->SetText("新");
    EXPECT_EQ(win::SendMessage(header.Handle(), win::HDM_GETITEMCOUNT, 0, 0), 4);
}

TEST_F(RangeControlsTest, HeaderClicksAndDividerDragsFireTheSectionEvents) {
    ShowTestForm();
    auto& header = Find<THeaderControl>("Header1");
    std::vector<std::string> events;
    header.OnSectionClick = [&](TObject*, THeaderSection* section) {
        events.push_back("click " + section->Text());
    };
    header.OnSectionResize = [&](TObject*, THeaderSection* section) {
        events.push_back("resize " + section->Text() + " " + std::to_string(section->Width()));
    };
    std::vector<TSectionTrackState> states;
    header.OnSectionTrack = [&](TObject*, THeaderSection*, int& width, TSectionTrackState state) {
        states.push_back(state);
        // A handler may hold the width back; the window takes what it leaves.
        width = std::min(width, 90);
    };
    display->Click(At(header, 100, 10));
    display->Click(At(header, 200, 10)); // AllowClick is off for this one
    EXPECT_EQ(events, std::vector<std::string>{"click 节目"});

    events.clear();
    display->Drag(At(header, 60, 10), At(header, 140, 10));
    EXPECT_EQ(header.Sections()->Items(0)->Width(), 90);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back(), "resize 时间 90");
    ASSERT_GE(states.size(), 3u);
    EXPECT_EQ(states.front(), TSectionTrackState::tsTrackBegin);
    EXPECT_EQ(states[1], TSectionTrackState::tsTrackMove);
    EXPECT_EQ(states.back(), TSectionTrackState::tsTrackEnd);

    header.OnSectionTrack = nullptr;
    display->Drag(At(header, 90, 10), At(header, 5, 10));
    EXPECT_EQ(header.Sections()->Items(0)->Width(), 30) << "held to MinWidth";
    win::RECT second;
    win::SendMessage(header.Handle(), win::HDM_GETITEMRECT, 1,
                     reinterpret_cast<win::LPARAM>(&second));
    EXPECT_EQ(second.left, 30) << "the window agrees";
}

TEST_F(RangeControlsTest, TheRangeControlsRenderToAPicture) {
    TTestForm& f = ShowTestForm();
    const std::string path = ::testing::TempDir() + "framework_gui_range_controls.png";
    EXPECT_TRUE(display->WritePng(f.Handle(), path));
}

} // namespace
} // namespace fw::test

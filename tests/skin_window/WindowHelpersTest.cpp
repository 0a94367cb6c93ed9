// The painters' window helpers on real framework windows: caption and class
// name, the mouse-leave request, text drawing, and the parent's background
// drawn behind a control.

#include "SkinPixels.h"
#include "framework/gui/Form.h"
#include "framework/gui/GraphicsColor.h"
#include "framework/gui/Panel.h"
#include "platform/backend/headless/TestDisplay.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Text.h"
#include "platform/user/WinUser.h"
#include "skin/WinSkinParentBackground.h"
#include "skin/WinSkinText.h"
#include "skin/WinSkinWindows.h"

#include <gtest/gtest.h>

namespace skin::test {
namespace {

class WindowHelpersTest : public ::testing::Test {
protected:
    void SetUp() override {
        display = &win::headless::TestDisplay::Install();
        form = fw::NewForm<fw::TForm>(nullptr);
        form->SetBounds(100, 100, 300, 200);
        form->SetColor(static_cast<fw::TColor>(ColorOf('f')));
        panel = fw::Create<fw::TPanel>(*form);
        panel->SetBounds(10, 20, 30, 15);
        panel->SetParent(form);
        form->Show();
        display->Run();
    }
    void TearDown() override {
        form->Free();
        display->Run();
    }

    win::headless::TestDisplay* display = nullptr;
    fw::TForm* form = nullptr;
    fw::TPanel* panel = nullptr;
};

TEST_F(WindowHelpersTest, CaptionAndClassNameOfAWindow) {
    form->SetCaption("中国电视节目");
    EXPECT_EQ(GetWindowCaption(form->Handle()), "中国电视节目");
    form->SetCaption("");
    EXPECT_EQ(GetWindowCaption(form->Handle()), "");
    EXPECT_EQ(GetWindowClassName(panel->Handle()), "TPanel");
    EXPECT_EQ(GetWindowCaption(nullptr), "");
    EXPECT_EQ(GetWindowClassName(nullptr), "");
}

TEST_F(WindowHelpersTest, TrackMouseLeaveAsksForOneLeaveMessage) {
    int leaves = 0;
    const fw::TWndMethod previous = panel->WindowProc();
    panel->SetWindowProc([&](fw::TMessage& message) {
        leaves += message.Msg == win::WM_MOUSELEAVE;
        previous(message);
    });
    win::RECT box;
    win::GetWindowRect(panel->Handle(), &box);
    display->MoveMouse({box.left + 5, box.top + 5});
    display->Run();
    TrackMouseLeave(panel->Handle());
    display->MoveMouse({box.right + 20, box.bottom + 20});
    display->Run();
    EXPECT_EQ(leaves, 1);
    panel->SetWindowProc(previous);
}

TEST_F(WindowHelpersTest, ParentBackgroundFillsTheDcAtTheControlsPlace) {
    const auto target = FilledBitmap(30, 15);
    const win::HDC dc = target->Canvas()->Handle();
    DrawParentBackground(*panel, dc);
    EXPECT_EQ(PictureOf(*target), TPicture(15, std::string(30, 'f')));
    win::POINT origin;
    win::GetViewportOrgEx(dc, &origin);
    EXPECT_EQ(origin.x, 0) << "the DC is restored";
    EXPECT_EQ(origin.y, 0);
    win::RECT clip;
    win::GetClipBox(dc, &clip);
    EXPECT_EQ(clip.right, 30);
    EXPECT_EQ(clip.bottom, 15);
}

TEST_F(WindowHelpersTest, AControlWithoutParentGetsNoBackground) {
    auto* orphan = fw::Create<fw::TPanel>(*form);
    const auto target = MakeBitmap({"zz"});
    DrawParentBackground(*orphan, target->Canvas()->Handle());
    EXPECT_EQ(PictureOf(*target), TPicture{"zz"});
}

TEST(ReplaceFirst, ReplacesOnlyTheFirstOccurrence) {
    const struct {
        const char *text, *pattern, *replacement, *expected;
    } cases[] = {
        {"a&b&c", "&", "", "ab&c"}, {"abcabc", "bc", "XY", "aXYabc"},     {"abc", "x", "y", "abc"},
        {"abc", "", "y", "abc"},    {"频道频道", "频道", "台", "台频道"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReplaceFirst(c.text, c.pattern, c.replacement), c.expected) << c.text;
}

TEST(SkinDrawText, MeasuresAndDrawsWithTheDcsFont) {
    const auto target = FilledBitmap(80, 20, '.');
    const win::HDC dc = target->Canvas()->Handle();
    win::RECT measured{0, 0, 0, 0};
    const int height =
        SkinDrawText(dc, "Telvora 电视", measured, win::DT_CALCRECT | win::DT_SINGLELINE);
    EXPECT_GT(height, 0);
    EXPECT_GT(measured.right, 0);
    EXPECT_EQ(PictureOf(*target), TPicture(20, std::string(80, '.'))) << "measuring draws nothing";
    win::RECT box{0, 0, 80, 20};
    SkinDrawText(dc, "Telvora 电视", box, win::DT_SINGLELINE);
    EXPECT_NE(PictureOf(*target), TPicture(20, std::string(80, '.')));
}

} // namespace
} // namespace skin::test

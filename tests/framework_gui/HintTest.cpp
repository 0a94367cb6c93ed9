// Hints: the hint window's size for a text and a maximum width, where and how
// it shows (the platform's tracking tip: on top, never active, kept on the
// screen), and the application's timing of the hint of the control under the
// mouse, on the test clock.

#include "GuiTestSupport.h"
#include "framework/gui/GraphicsColor.h"
#include "framework/gui/HintWindow.h"
#include "platform/gdi/SystemMetrics.h"
#include "platform/user/controls/ToolTip.h"

#include <string>

namespace fw::test {
namespace {

class HintTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        owned.reset(NewForm<TForm>(nullptr));
        owned->SetBounds(100, 100, 400, 300);
        exitButton = Add<TButton>(*owned, 20, 20, 90, 30);
        exitButton->SetHint("退出|Leaves the program");
        exitButton->SetShowHint(true);
        panel = Add<TPanel>(*owned, 20, 80, 200, 120);
        panel->SetHint("面板");
        panel->SetShowHint(true);
        inner = Add<TButton>(*panel, 10, 10, 80, 30);
        plain = Add<TButton>(*owned, 250, 20, 90, 30);
        Application().SetHintPause(500);
        Application().SetHintShortPause(50);
        Application().SetHintHidePause(2500);
        owned->Show();
        display->Run();
    }
    void TearDown() override {
        display->MoveMouse({5, 5});
        Application().CancelHint();
        Application().SetShowHint(true);
        owned.reset();
        GuiTest::TearDown();
    }

    template <class T> T* Add(TWinControl& parent, int left, int top, int width, int height) {
        auto* control = new T(owned.get());
        control->SetBounds(left, top, width, height);
        control->SetParent(&parent);
        return control;
    }

    THintWindow& Window() { return Application().HintWindow(); }
    bool HintShown() { return Window().Showing(); }
    std::string HintText() { return HintShown() ? Window().Caption() : "(none)"; }

    TComponentPtr<TForm> owned;
    TButton* exitButton = nullptr;
    TPanel* panel = nullptr;
    TButton* inner = nullptr;
    TButton* plain = nullptr;
};

TEST_F(HintTest, CalcHintRectWrapsAtTheMaximumWidthAndShowsAmpersandsAsTheyAre) {
    THintWindow& window = Window();
    const std::string longHint = "关闭这个窗口并且退出程序，所有的节目单都会保留在磁盘上";
    const auto size = [&](const std::string& text, int maxWidth) {
        const win::RECT r = window.CalcHintRect(maxWidth, text);
        EXPECT_EQ(r.left, 0);
        EXPECT_EQ(r.top, 0);
        return win::SIZE{r.right, r.bottom};
    };
    const win::SIZE oneLine = size(longHint, 500);
    const win::SIZE wrapped = size(longHint, 120);
    const win::SIZE shortHint = size("关闭", 500);
    const struct {
        const char* rule;
        bool holds;
    } cases[] = {
        {"a long hint fits in one line at 500", oneLine.cy == shortHint.cy},
        {"at 120 it takes more lines", wrapped.cy >= 2 * shortHint.cy - 8},
        {"and no line is wider than 120 (plus frame and margins)",
         wrapped.cx <= 120 + 8 && wrapped.cx > 60},
        {"a short hint is as wide as its text, whatever the maximum",
         size("关闭", 500).cx == size("关闭", 100).cx && shortHint.cx < 60},
        {"an ampersand is shown, not taken as an accelerator",
         size("A&B", 500).cx > size("AB", 500).cx},
        {"an empty hint still has a line's height", size("", 500).cy == shortHint.cy},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(c.holds) << c.rule;
}

TEST_F(HintTest, AnActivatedHintShowsOnTopAtItsPlaceWithoutTakingActivation) {
    THintWindow& window = Window();
    win::RECT rect = window.CalcHintRect(300, "关闭");
    win::OffsetRect(&rect, 150, 160);
    window.ActivateHint(rect, "关闭");
    display->Run();
    const win::HWND hwnd = window.Handle();
    ASSERT_TRUE(window.Showing());
    win::RECT shown;
    win::GetWindowRect(hwnd, &shown);
    EXPECT_EQ(shown.left, 150);
    EXPECT_EQ(shown.top, 160);
    EXPECT_EQ(shown.right - shown.left, rect.right - rect.left);
    EXPECT_EQ(shown.bottom - shown.top, rect.bottom - rect.top);
    EXPECT_EQ(win::GetActiveWindow(), owned->Handle());
    EXPECT_TRUE(win::GetWindowLong(hwnd, win::GWL_EXSTYLE) & win::WS_EX_TOPMOST);
    EXPECT_EQ(win::GetWindow(hwnd, win::GW_OWNER), Application().Handle());
    EXPECT_EQ(win::SendMessage(hwnd, win::WM_NCHITTEST, 0, win::MAKELPARAM(155, 165)),
              win::HTTRANSPARENT)
        << "the mouse goes through to what lies under it";

    const win::Surface shot = display->Capture(hwnd);
    const auto pixel = [&](int x, int y) { return shot.Row(y)[x]; };
    const auto swapped = [](win::COLORREF c) {
        return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
    };
    EXPECT_EQ(pixel(0, 0), swapped(win::GetSysColor(win::COLOR_WINDOWFRAME))) << "the frame";
    EXPECT_EQ(pixel(1, 1), swapped(win::GetSysColor(win::COLOR_INFOBK))) << "the hint colour";
    int textPixels = 0;
    for (int y = 0; y < shot.height; ++y)
        for (int x = 0; x < shot.width; ++x)
            textPixels += pixel(x, y) == swapped(win::GetSysColor(win::COLOR_INFOTEXT));
    EXPECT_GT(textPixels, 20) << "the text in the hint text colour";

    window.ReleaseHandle();
    display->Run();
    EXPECT_FALSE(window.Showing());
}

TEST_F(HintTest, AHintNearTheScreensEdgeIsKeptOnTheScreen) {
    THintWindow& window = Window();
    win::RECT rect = window.CalcHintRect(300, "右下角的提示");
    const int width = rect.right, height = rect.bottom;
    win::OffsetRect(&rect, 1020, 760);
    window.ActivateHint(rect, "右下角的提示");
    win::RECT shown;
    win::GetWindowRect(window.Handle(), &shown);
    EXPECT_EQ(shown.right, win::GetSystemMetrics(win::SM_CXSCREEN));
    EXPECT_EQ(shown.bottom, win::GetSystemMetrics(win::SM_CYSCREEN));
    EXPECT_EQ(shown.right - shown.left, width);
    EXPECT_EQ(shown.bottom - shown.top, height);
}

TEST_F(HintTest, TheHintOfTheControlUnderTheMouseShowsAfterThePauseAndGoesAfterTheHidePause) {
    const win::POINT over = At(*exitButton, 30, 12);
    display->MoveMouse(over);
    EXPECT_EQ(Application().HintControl(), exitButton);
    display->Advance(499);
    EXPECT_EQ(HintText(), "(none)") << "not before HintPause";
    display->Advance(1);
    EXPECT_EQ(HintText(), "退出") << "the short hint, before the |";
    win::RECT shown;
    win::GetWindowRect(Window().Handle(), &shown);
    EXPECT_EQ(shown.left, over.x);
    EXPECT_EQ(shown.top, over.y + 20) << "below the cursor";
    EXPECT_EQ(win::GetActiveWindow(), owned->Handle());
    display->Advance(2499);
    EXPECT_EQ(HintText(), "退出");
    display->Advance(1);
    EXPECT_EQ(HintText(), "(none)") << "gone after HintHidePause";
}

TEST_F(HintTest, FromOneShownHintTheNextFollowsAfterTheShortPause) {
    display->MoveMouse(At(*exitButton, 30, 12));
    display->Advance(500);
    ASSERT_EQ(HintText(), "退出");
    // The inner button has no hint of its own: its parent's shows.
    display->MoveMouse(At(*inner, 20, 10));
    EXPECT_EQ(HintText(), "(none)");
    display->Advance(50);
    EXPECT_EQ(HintText(), "面板");
    display->MoveMouse(At(*panel, 150, 100));
    display->Advance(500);
    EXPECT_EQ(HintText(), "面板") << "the same hint stays over the same source";
}

TEST_F(HintTest, PressesKeysAndControlsWithoutHintsShowNoHint) {
    const struct {
        const char* what;
        std::function<void()> act;
    } cases[] = {
        {"a control and its parents without ShowHint",
         [&] { display->MoveMouse(At(*plain, 20, 10)); }},
        {"a press over the control",
         [&] {
             display->MoveMouse(At(*exitButton, 30, 12));
             display->Advance(100);
             display->Press(At(*exitButton, 30, 12));
             display->Release(At(*exitButton, 30, 12));
         }},
        {"the application's ShowHint off",
         [&] {
             Application().SetShowHint(false);
             display->MoveMouse(At(*exitButton, 30, 12));
         }},
    };
    for (const auto& c : cases) {
        display->MoveMouse({5, 5});
        display->Run();
        c.act();
        display->Advance(3000);
        EXPECT_EQ(HintText(), "(none)") << c.what;
        Application().SetShowHint(true);
    }
}

TEST_F(HintTest, AShownHintGoesWithAPressOrWhenItsControlIsFreed) {
    display->MoveMouse(At(*exitButton, 30, 12));
    display->Advance(500);
    ASSERT_TRUE(HintShown());
    display->Press(At(*exitButton, 30, 12));
    display->Release(At(*exitButton, 30, 12));
    EXPECT_FALSE(HintShown());

    display->MoveMouse(At(*panel, 150, 100));
    display->Advance(500);
    ASSERT_EQ(HintText(), "面板");
    panel->Free();
    panel = nullptr;
    EXPECT_EQ(Application().HintControl(), nullptr);
    EXPECT_FALSE(HintShown());
}

} // namespace
} // namespace fw::test

// Input injected at screen coordinates: hit testing to client and non-client
// messages, activation by click, double clicks, capture, mouse leave tracking,
// keys and characters to the focus window, Alt+F4 and the lone Alt.

#include "platform/user/Input.h"

#include "WindowTestSupport.h"

namespace win::test {
namespace {

struct Received {
    UINT message;
    WPARAM wParam;
    POINT point;
    HWND hwnd = nullptr;
};
std::vector<Received> received;
// What the window named here answers to WM_MOUSEACTIVATE instead of DefWindowProc.
std::pair<HWND, LRESULT> mouseActivateAnswer;
// The lParam of every SC_KEYMENU the windows were asked to run (and did not).
std::vector<LPARAM> keyMenus;

LRESULT InputProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool mouse = (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
                       (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK);
    if ((mouse && message != WM_MOUSEMOVE && message != WM_NCMOUSEMOVE) || message == WM_CHAR ||
        message == WM_KEYDOWN || message == WM_SYSKEYDOWN || message == WM_SYSCHAR ||
        message == WM_MOUSELEAVE || message == WM_CAPTURECHANGED || message == WM_MOUSEACTIVATE)
        received.push_back(
            {message, wParam, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, hwnd});
    if (message == WM_MOUSEACTIVATE && hwnd == mouseActivateAnswer.first)
        return mouseActivateAnswer.second;
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_KEYMENU) {
        keyMenus.push_back(lParam);
        return 0;
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}

class InputTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        received.clear();
        mouseActivateAnswer = {};
        keyMenus.clear();
        WNDCLASS wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = InputProc;
        wc.lpszClassName = "InputTestWindow";
        RegisterClass(&wc);
        WNDCLASS plain = wc;
        plain.style = 0;
        plain.lpszClassName = "InputTestNoDoubleClicks";
        RegisterClass(&plain);
        // Client area at screen (104, 123): frame 4, caption 19.
        main = Create("main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 100, 400, 300}, nullptr,
                      0, "InputTestWindow");
        display->Run();
        received.clear();
    }
    HWND main = nullptr;
};

TEST_F(InputTest, HitTestingGivesClientAndNonClientMessages) {
    const struct {
        POINT screen;
        UINT message;
        WPARAM wParam;
        POINT point;
    } cases[] = {
        {{150, 150}, WM_LBUTTONDOWN, MK_LBUTTON, {46, 27}},
        {{150, 110}, WM_NCLBUTTONDOWN, HTCAPTION, {150, 110}},
        {{101, 200}, WM_NCLBUTTONDOWN, HTLEFT, {101, 200}},
        {{398, 298}, WM_NCLBUTTONDOWN, HTBOTTOMRIGHT, {398, 298}},
    };
    for (const auto& c : cases) {
        received.clear();
        display->Clock().Advance(1000); // never a double click
        InjectMouseButton(MouseButton::Left, KeyTransition::Down, c.screen);
        // Non-client presses on borders start a loop that the release ends.
        InjectMouseButton(MouseButton::Left, KeyTransition::Up, c.screen);
        display->Run();
        ASSERT_FALSE(received.empty());
        EXPECT_EQ(received[0].message, c.message) << c.screen.x << "," << c.screen.y;
        EXPECT_EQ(received[0].wParam, c.wParam) << c.screen.x << "," << c.screen.y;
        EXPECT_EQ(received[0].point, c.point) << c.screen.x << "," << c.screen.y;
    }
}

TEST_F(InputTest, DoubleClicksNeedTheClassStyleTheTimeAndThePlace) {
    // A child of a class without CS_DBLCLKS at screen (254, 123)-(354, 173).
    Create("plain", WS_CHILD | WS_VISIBLE, RECT{150, 0, 250, 50}, main, 0,
           "InputTestNoDoubleClicks");
    const struct {
        POINT first;
        POINT second;
        DWORD delay;
        UINT expected;
    } cases[] = {
        {{150, 150}, {150, 150}, 100, WM_LBUTTONDBLCLK},
        {{150, 150}, {150, 150}, 600, WM_LBUTTONDOWN},     // too late
        {{150, 150}, {160, 150}, 100, WM_LBUTTONDOWN},     // too far
        {{300, 140}, {300, 140}, 100, WM_LBUTTONDOWN},     // class without CS_DBLCLKS
        {{150, 110}, {150, 110}, 100, WM_NCLBUTTONDBLCLK}, // the frame always has them
    };
    for (const auto& c : cases) {
        display->Clock().Advance(2000);
        display->Click(c.first);
        display->Clock().Advance(c.delay);
        received.clear();
        display->Click(c.second);
        std::erase_if(received, [](const Received& r) { return r.message == WM_MOUSEACTIVATE; });
        ASSERT_FALSE(received.empty());
        EXPECT_EQ(received[0].message, c.expected) << c.second.x << " after " << c.delay;
        if (IsZoomed(main))
            ShowWindow(main, SW_RESTORE);
    }
}

TEST_F(InputTest, ClickingAnInactiveWindowActivatesIt) {
    HWND other = Create("other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{500, 100, 700, 300},
                        nullptr, 0, "InputTestWindow");
    ASSERT_EQ(GetActiveWindow(), other);
    display->Click(POINT{150, 150});
    EXPECT_EQ(GetActiveWindow(), main);
    EXPECT_EQ(GetFocus(), main);
}

// WM_MOUSEACTIVATE goes to the clicked window whenever it is not the active
// window itself, and DefWindowProc asks the parents first; an answer that eats
// the click keeps it from the window even when nothing needs activating.
TEST_F(InputTest, MouseActivateAsksTheClickedWindowAndItsParents) {
    // The child lies at screen (114, 133)-(164, 183).
    HWND child =
        Create("child", WS_CHILD | WS_VISIBLE, RECT{10, 10, 60, 60}, main, 0, "InputTestWindow");
    HWND other = Create("other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{500, 100, 700, 300},
                        nullptr, 0, "InputTestWindow");
    struct Case {
        const char* name;
        HWND activeBefore;
        POINT at;
        std::pair<HWND, LRESULT> answer;
        std::vector<HWND> asked; // WM_MOUSEACTIVATE receivers, in order
        bool clickArrives;
        HWND activeAfter;
    };
    const Case cases[] = {
        {"child of an inactive window", other, {120, 140}, {}, {child, main}, true, main},
        {"child of the active window", main, {120, 140}, {}, {child, main}, true, main},
        {"the active window itself", main, {300, 250}, {}, {}, true, main},
        {"inactive top-level window", other, {300, 250}, {}, {main}, true, main},
        {"parent eats it",
         main,
         {120, 140},
         {main, MA_NOACTIVATEANDEAT},
         {child, main},
         false,
         main},
        {"parent refuses activation",
         other,
         {120, 140},
         {main, MA_NOACTIVATE},
         {child, main},
         true,
         other},
    };
    for (const Case& c : cases) {
        SetActiveWindow(c.activeBefore);
        mouseActivateAnswer = c.answer;
        display->Clock().Advance(1000);
        received.clear();
        display->Click(c.at);
        std::vector<HWND> asked;
        bool clicked = false;
        for (const Received& r : received) {
            if (r.message == WM_MOUSEACTIVATE) {
                asked.push_back(r.hwnd);
                EXPECT_EQ(HWND(r.wParam), main) << c.name << ": the top-level window";
            }
            clicked = clicked || r.message == WM_LBUTTONDOWN;
        }
        EXPECT_EQ(asked, c.asked) << c.name;
        EXPECT_EQ(clicked, c.clickArrives) << c.name;
        EXPECT_EQ(GetActiveWindow(), c.activeAfter) << c.name;
    }
}

TEST_F(InputTest, CaptureSendsEverythingToTheCapturingWindow) {
    HWND other = Create("other", WS_POPUP | WS_VISIBLE, RECT{500, 100, 700, 300}, nullptr, 0,
                        "InputTestWindow");
    SetCapture(main);
    received.clear();
    display->Click(POINT{600, 200});
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0].message, WM_LBUTTONDOWN);
    EXPECT_EQ(received[0].point, (POINT{496, 77})) << "client coordinates of the capturing window";
    SetCapture(other);
    EXPECT_EQ(received.back().message, WM_CAPTURECHANGED);
    ReleaseCapture();
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(InputTest, TrackMouseEventReportsLeavingTheClientArea) {
    display->MoveMouse(POINT{150, 150});
    TRACKMOUSEEVENT track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = main;
    EXPECT_TRUE(TrackMouseEvent(&track));
    display->MoveMouse(POINT{160, 160});
    EXPECT_TRUE(received.empty());
    display->MoveMouse(POINT{150, 110}); // onto the caption
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].message, WM_MOUSELEAVE);
    display->MoveMouse(POINT{900, 700});
    EXPECT_EQ(received.size(), 1u) << "one leave per request";
}

TEST_F(InputTest, KeysGoToTheFocusWindowWithCharactersFromText) {
    HWND child =
        Create("child", WS_CHILD | WS_VISIBLE, RECT{0, 0, 50, 50}, main, 0, "InputTestWindow");
    SetFocus(child);
    received.clear();
    display->Key(VK_RETURN);
    display->Type("中a");
    std::vector<std::pair<UINT, WPARAM>> got;
    for (const auto& r : received)
        got.emplace_back(r.message, r.wParam);
    EXPECT_EQ(got, (std::vector<std::pair<UINT, WPARAM>>{
                       {WM_KEYDOWN, VK_RETURN}, {WM_CHAR, 13}, {WM_CHAR, 0x4E2D}, {WM_CHAR, 'a'}}));
    EXPECT_GE(GetKeyState(VK_RETURN), 0) << "released";
}

TEST_F(InputTest, AltF4ClosesTheTopLevelWindow) {
    HWND child =
        Create("child", WS_CHILD | WS_VISIBLE, RECT{0, 0, 50, 50}, main, 0, "InputTestWindow");
    SetFocus(child);
    InjectKey(VK_MENU, KeyTransition::Down);
    InjectKey(VK_F4, KeyTransition::Down);
    InjectKey(VK_F4, KeyTransition::Up);
    InjectKey(VK_MENU, KeyTransition::Up);
    display->Run();
    EXPECT_FALSE(IsWindow(main));
}

// Alt (or F10) pressed and released alone enters the menu bar; a key or a
// click in between, as in Alt+letter, does not.
TEST_F(InputTest, OnlyALoneAltOrF10EntersTheMenuBar) {
    struct Step {
        int vk; // 0: a click in the client area
        KeyTransition transition;
    };
    const auto down = KeyTransition::Down;
    const auto up = KeyTransition::Up;
    const struct {
        const char* name;
        std::vector<Step> steps;
        std::vector<LPARAM> keyMenus;
    } cases[] = {
        {"lone Alt", {{VK_MENU, down}, {VK_MENU, up}}, {0}},
        {"Alt held down", {{VK_MENU, down}, {VK_MENU, down}, {VK_MENU, down}, {VK_MENU, up}}, {0}},
        {"left Alt", {{VK_LMENU, down}, {VK_LMENU, up}}, {0}},
        {"lone F10", {{VK_F10, down}, {VK_F10, up}}, {0}},
        {"Alt+F", {{VK_MENU, down}, {'F', down}, {'F', up}, {VK_MENU, up}}, {'f'}},
        {"Alt+Shift", {{VK_MENU, down}, {VK_SHIFT, down}, {VK_SHIFT, up}, {VK_MENU, up}}, {}},
        {"Alt with a click", {{VK_MENU, down}, {0, down}, {VK_MENU, up}}, {}},
        {"F10 after Alt+letter",
         {{VK_MENU, down}, {'F', down}, {'F', up}, {VK_MENU, up}, {VK_F10, down}, {VK_F10, up}},
         {'f', 0}},
    };
    for (const auto& c : cases) {
        keyMenus.clear();
        for (const Step& step : c.steps) {
            if (step.vk == 0)
                display->Click(POINT{200, 200});
            else
                InjectKey(step.vk, step.transition);
        }
        display->Run();
        ASSERT_TRUE(IsWindow(main)) << c.name;
        EXPECT_EQ(keyMenus, c.keyMenus) << c.name;
    }
}

TEST_F(InputTest, DisabledWindowsGetNoMouseInputAndLoseFocus) {
    HWND child =
        Create("child", WS_CHILD | WS_VISIBLE, RECT{0, 0, 100, 100}, main, 0, "InputTestWindow");
    SetFocus(child);
    EnableWindow(child, FALSE);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_FALSE(IsWindowEnabled(child));
    received.clear();
    display->Click(POINT{120, 140});
    ASSERT_FALSE(received.empty());
    EXPECT_EQ(received[0].point, (POINT{16, 17}))
        << "the parent gets the click over its disabled child";
    EnableWindow(main, FALSE);
    received.clear();
    display->Click(POINT{300, 250});
    EXPECT_TRUE(received.empty()) << "a disabled top-level window takes no clicks (modal owner)";
}

TEST_F(InputTest, WheelGoesToTheFocusWindowWithScreenCoordinates) {
    display->MoveMouse(POINT{150, 150});
    InjectMouseWheel(-WHEEL_DELTA, POINT{150, 150});
    display->Run();
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].message, WM_MOUSEWHEEL);
    EXPECT_EQ(short(HIWORD(received[0].wParam)), -WHEEL_DELTA);
    EXPECT_EQ(received[0].point, (POINT{150, 150}));
}

} // namespace
} // namespace win::test

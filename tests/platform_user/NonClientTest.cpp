// The classic non-client area run by DefWindowProc: caption drag, border
// sizing with minimum track size, caption buttons, minimise/maximise/restore,
// window regions cropping hit testing, and AdjustWindowRectEx.

#include "WindowTestSupport.h"

namespace win::test {
namespace {

class NonClientTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        main = Create("main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 100, 400, 300});
        display->Run();
        Log();
    }
    RECT WindowRectOf(HWND hwnd) {
        RECT r;
        GetWindowRect(hwnd, &r);
        return r;
    }
    HWND main = nullptr;
};

TEST_F(NonClientTest, FrameAndCaptionSurroundTheClientArea) {
    RECT client;
    GetClientRect(main, &client);
    EXPECT_EQ(client, (RECT{0, 0, 292, 173})) << "4-pixel sizing frame, 19-pixel caption";
    RECT adjusted{0, 0, 292, 173};
    AdjustWindowRectEx(&adjusted, WS_OVERLAPPEDWINDOW, FALSE, 0);
    EXPECT_EQ(adjusted, (RECT{-4, -23, 296, 177}));
}

TEST_F(NonClientTest, HitTestAnswersEveryPartOfTheFrame) {
    const struct {
        POINT screen;
        int hit;
    } cases[] = {
        {{200, 200}, HTCLIENT},    {{200, 110}, HTCAPTION},   {{390, 110}, HTCLOSE},
        {{372, 110}, HTMAXBUTTON}, {{356, 110}, HTMINBUTTON}, {{108, 111}, HTSYSMENU},
        {{101, 200}, HTLEFT},      {{398, 200}, HTRIGHT},     {{250, 101}, HTTOP},
        {{250, 298}, HTBOTTOM},    {{101, 101}, HTTOPLEFT},   {{398, 298}, HTBOTTOMRIGHT},
        {{99, 200}, HTNOWHERE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(
            SendMessage(main, WM_NCHITTEST, 0, MAKELPARAM(WORD(c.screen.x), WORD(c.screen.y))),
            c.hit)
            << c.screen.x << "," << c.screen.y;
}

TEST_F(NonClientTest, DraggingTheCaptionMovesTheWindow) {
    display->Drag(POINT{200, 110}, POINT{260, 170});
    EXPECT_EQ(WindowRectOf(main), (RECT{160, 160, 460, 360}));
    const auto log = Log();
    EXPECT_NE(std::find(log.begin(), log.end(), "main:WM_ENTERSIZEMOVE"), log.end());
    EXPECT_EQ(log.back(), "main:WM_EXITSIZEMOVE");
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(NonClientTest, BordersSizeTheWindowDownToTheMinimumTrackSize) {
    const struct {
        POINT from;
        POINT to;
        RECT expected;
    } cases[] = {
        {{398, 200}, {448, 200}, {100, 100, 450, 300}}, // right edge
        {{250, 101}, {250, 81}, {100, 80, 450, 300}},   // top edge
        {{101, 298}, {121, 318}, {120, 80, 450, 320}},  // bottom-left corner
        {{448, 200}, {0, 200}, {120, 80, 232, 320}},    // right edge to the minimum width
    };
    for (const auto& c : cases) {
        display->Clock().Advance(1000);
        display->Drag(c.from, c.to);
        EXPECT_EQ(WindowRectOf(main), c.expected) << c.from.x << "," << c.from.y;
    }
}

TEST_F(NonClientTest, CaptionButtonsMaximiseRestoreMinimiseAndClose) {
    display->Click(POINT{372, 110});
    EXPECT_TRUE(IsZoomed(main));
    RECT r = WindowRectOf(main);
    EXPECT_EQ(r, (RECT{-4, -4, 1028, 772})) << "the frame lies just outside the screen";
    WINDOWPLACEMENT placement;
    GetWindowPlacement(main, &placement);
    EXPECT_EQ(placement.showCmd, UINT(SW_SHOWMAXIMIZED));
    EXPECT_EQ(placement.rcNormalPosition, (RECT{100, 100, 400, 300}));
    display->Clock().Advance(1000);
    // The maximised caption: buttons at the right end of the screen.
    display->Click(POINT{1024 - 28, 8});
    EXPECT_FALSE(IsZoomed(main));
    EXPECT_EQ(WindowRectOf(main), (RECT{100, 100, 400, 300}));
    display->Clock().Advance(1000);
    display->Click(POINT{356, 110});
    EXPECT_TRUE(IsIconic(main));
    EXPECT_NE(GetActiveWindow(), main) << "a minimised window gives up activation";
    ShowWindow(main, SW_RESTORE);
    EXPECT_EQ(WindowRectOf(main), (RECT{100, 100, 400, 300}));
    display->Clock().Advance(1000);
    display->Click(POINT{390, 110});
    EXPECT_FALSE(IsWindow(main));
}

TEST_F(NonClientTest, ReleasingOutsideACaptionButtonDoesNothing) {
    display->Drag(POINT{390, 110}, POINT{300, 110});
    EXPECT_TRUE(IsWindow(main));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(NonClientTest, DoubleClickOnTheCaptionTogglesMaximise) {
    display->Click(POINT{200, 110});
    display->Clock().Advance(100);
    display->Click(POINT{200, 110});
    EXPECT_TRUE(IsZoomed(main));
}

TEST_F(NonClientTest, WindowRegionCropsHitTesting) {
    // Only a 50 x 50 square at the window's top-left corner remains.
    SetWindowRgn(main, CreateRectRgn(0, 0, 50, 50), TRUE);
    EXPECT_EQ(WindowFromPoint(POINT{120, 120}), main);
    EXPECT_EQ(WindowFromPoint(POINT{200, 200}), nullptr);
    EXPECT_EQ(SendMessage(main, WM_NCHITTEST, 0, MAKELPARAM(200, 200)), HTNOWHERE);
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(GetWindowRgn(main, copy), RGN_ERROR);
    RECT box;
    GetRgnBox(copy, &box);
    EXPECT_EQ(box, (RECT{0, 0, 50, 50}));
    DeleteObject(copy);
    SetWindowRgn(main, nullptr, TRUE);
    EXPECT_EQ(WindowFromPoint(POINT{200, 200}), main);
}

TEST_F(NonClientTest, SystemCommandsFromTheKeyboardAndMessages) {
    SendMessage(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(main));
    SendMessage(main, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsIconic(main));
    const auto log = Log();
    EXPECT_NE(std::find(log.begin(), log.end(), "main:WM_SIZE"), log.end());
    SendMessage(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(IsWindow(main));
}

} // namespace
} // namespace win::test

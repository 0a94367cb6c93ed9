// Real windows under Xvfb through the SDL backend, driven the way a user or
// another program would: xdotool moves, clicks and hands keyboard focus around,
// xclip reads and fills the clipboard, a plain window of another X client
// takes the focus away.

#include "platform/backend/sdl/SdlBackend.h"
#include "platform/user/Desktop.h"
#include "platform/user/Imm.h"
#include "platform/user/NoDisplayBackend.h"
#include "platform/user/Painting.h"
#include "platform/user/Rects.h"
#include "platform/user/WinUser.h"
#include "platform/user/controls/StandardControls.h"
#include "tests/support/XvfbServer.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <thread>

namespace win::test {
namespace {

using Sequence = std::vector<std::string>;

// What the windows under test saw, as "name:MESSAGE wParam".
struct Observed {
    std::map<HWND, std::string> names;
    std::map<HWND, WNDPROC> originals;
    Sequence log;
    std::vector<POINT> clicks;
    // Runs inside the menu's own loop (WM_ENTERIDLE), where the test cannot.
    std::function<void()> whileMenuOpen;
    std::string composition;
};

Observed observed;

std::string Describe(UINT message, WPARAM wParam) {
    switch (message) {
    case WM_ACTIVATEAPP:
        return "WM_ACTIVATEAPP " + std::to_string(wParam);
    case WM_NCACTIVATE:
        return "WM_NCACTIVATE " + std::to_string(wParam);
    case WM_ACTIVATE:
        return "WM_ACTIVATE " + std::to_string(LOWORD(wParam));
    case WM_SETFOCUS:
        return "WM_SETFOCUS";
    case WM_KILLFOCUS:
        return "WM_KILLFOCUS";
    case WM_IME_STARTCOMPOSITION:
        return "WM_IME_STARTCOMPOSITION";
    case WM_IME_COMPOSITION:
        return "WM_IME_COMPOSITION " + std::to_string(wParam);
    case WM_IME_ENDCOMPOSITION:
        return "WM_IME_ENDCOMPOSITION";
    case WM_CHAR:
        return "WM_CHAR " + std::to_string(wParam);

    default:
        return {};
    }
}

LRESULT Observe(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (const std::string text = Describe(message, wParam); !text.empty())
        observed.log.push_back(observed.names[hwnd] + ":" + text);
    if (message == WM_IME_COMPOSITION && (lParam & GCS_COMPSTR)) {
        const HIMC context = ImmGetContext(hwnd);
        std::string text(std::size_t(ImmGetCompositionString(context, GCS_COMPSTR, nullptr, 0)),
                         '\0');
        ImmGetCompositionString(context, GCS_COMPSTR, text.data(), DWORD(text.size()));
        ImmReleaseContext(hwnd, context);
        observed.composition = text;
    }
    if (message == WM_LBUTTONUP)
        observed.clicks.push_back(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    if (message == WM_ENTERIDLE && observed.whileMenuOpen) {
        auto check = std::move(observed.whileMenuOpen);
        observed.whileMenuOpen = nullptr;
        check();
    }
    const auto original = observed.originals.find(hwnd);
    return original == observed.originals.end()
               ? DefWindowProc(hwnd, message, wParam, lParam)
               : CallWindowProc(original->second, hwnd, message, wParam, lParam);
}

// Watches a window of another class by subclassing it.
void Watch(HWND hwnd, const std::string& name) {
    observed.names[hwnd] = name;
    observed.originals[hwnd] = reinterpret_cast<WNDPROC>(
        SetWindowLongPtr(hwnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&Observe)));
}

// Runs the loop in real time until `done` holds or the time is up.
bool PumpUntil(const std::function<bool()>& done, int milliseconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (std::chrono::steady_clock::now() < end) {
        ProcessPendingMessages();
        if (done())
            return true;
        Desktop::Get().Display().PumpEvents(10);
    }
    ProcessPendingMessages();
    return done();
}

void PumpFor(int milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
}

class SdlEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.Running()) << "Xvfb could not start";
        setenv("DISPLAY", server.Display().c_str(), 1);
        InstallBackend(std::make_unique<sdl::SdlBackend>());
        WNDCLASS wc;
        wc.lpfnWndProc = Observe;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(std::uintptr_t(COLOR_WINDOW + 1));
        wc.lpszClassName = "SdlDemoWindow";
        RegisterClass(&wc);
        observed = Observed{};
    }

    // Our windows go (their children and owned pop-ups with them), then the
    // SDL display, before its X server stops.
    void TearDown() override {
        for (HWND hwnd : tops)
            DestroyWindow(hwnd);
        InstallBackend(std::make_unique<NoDisplayBackend>());
    }

    HWND CreateTopLevel(const std::string& name, const char* title, RECT r) {
        HWND hwnd = CreateWindowEx(0, "SdlDemoWindow", title, WS_OVERLAPPEDWINDOW | WS_VSCROLL,
                                   r.left, r.top, r.right - r.left, r.bottom - r.top, nullptr,
                                   nullptr, nullptr, nullptr);
        observed.names[hwnd] = name;
        tops.push_back(hwnd);
        ShowWindow(hwnd, SW_SHOW);
        UpdateWindow(hwnd);
        return hwnd;
    }

    std::string Run(const std::string& command) {
        return RunWithDisplay(server.Display(), command);
    }

    // Runs a command in another thread while our loop keeps answering the X
    // server (a clipboard owner must serve requests while they are made).
    std::string RunWhilePumping(const std::string& command) {
        std::atomic<bool> done = false;
        std::string output;
        std::thread other([&] {
            output = Run(command);
            done = true;
        });
        PumpUntil([&] { return done.load(); }, 10000);
        other.join();
        return output;
    }

    std::string XWindowNamed(const std::string& title) {
        const std::string found = Run("xdotool search --name '^" + title + "$' | head -1");
        return found.substr(0, found.find('\n'));
    }

    std::string XFocus() {
        const std::string found = Run("xdotool getwindowfocus");
        return found.substr(0, found.find('\n'));
    }

    // The colour of one screen pixel as "#RRGGBB".
    std::string Pixel(POINT p) {
        const std::string line = Run("import -window root -crop 1x1+" + std::to_string(p.x) + "+" +
                                     std::to_string(p.y) + " -depth 8 txt:- | tail -1");
        const auto hash = line.find('#');
        return hash == std::string::npos ? line : line.substr(hash, 7);
    }

    XvfbServer server;
    std::vector<HWND> tops;
};

TEST_F(SdlEndToEndTest, CaptionDragAndClickFromXdotool) {
    HWND main = CreateTopLevel("main", "Telvora SDL test", RECT{100, 100, 420, 340});
    ASSERT_NE(main, nullptr);
    PumpFor(500);
    Run("import -window root sdl_window.png");

    // Drag the caption by (60, 40), then click the client area.
    std::thread user([&] {
        Run("xdotool mousemove 200 110 sleep 0.2 mousedown 1 sleep 0.2 "
            "mousemove 230 130 sleep 0.2 mousemove 260 150 sleep 0.3 mouseup 1 "
            "sleep 0.3 mousemove 250 250 sleep 0.2 click 1");
    });
    const bool clicked = PumpUntil([] { return !observed.clicks.empty(); }, 8000);
    user.join();
    PumpFor(200);
    Run("import -window root sdl_window_moved.png");

    RECT r;
    GetWindowRect(main, &r);
    EXPECT_EQ(r, (RECT{160, 140, 480, 380}));
    const std::string geometry = Run("xdotool search --name 'Telvora SDL test' getwindowgeometry");
    EXPECT_NE(geometry.find("Position: 160,140"), std::string::npos) << geometry;
    ASSERT_TRUE(clicked);
    // (250, 250) on screen is client (86, 87): the window's client area starts
    // at (164, 163) after the move.
    EXPECT_EQ(observed.clicks.front(), (POINT{86, 87}));

    // A window region cuts the real window's shape: only the top-left
    // 100 x 100 pixels stay, the root window shows through elsewhere.
    SetWindowRgn(main, CreateRectRgn(0, 0, 100, 100), TRUE);
    PumpFor(300);
    EXPECT_EQ(Pixel(POINT{200, 200}), "#FFFFFF");
    EXPECT_EQ(Pixel(POINT{300, 300}), "#000000");
}

TEST_F(SdlEndToEndTest, FocusTakenByAnotherClientAndGivenBackMovesActivation) {
    HWND other = CreateTopLevel("other", "Telvora second window", RECT{500, 100, 700, 250});
    HWND main = CreateTopLevel("main", "Telvora focus test", RECT{100, 100, 420, 340});
    HWND edit = CreateWindowEx(0, WC_EDIT, "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 200, 24,
                               main, nullptr, nullptr, nullptr);
    Watch(edit, "edit");
    SetFocus(edit);
    const std::string mainId = XWindowNamed("Telvora focus test");
    const std::string otherId = XWindowNamed("Telvora second window");
    ASSERT_FALSE(mainId.empty());
    ASSERT_TRUE(PumpUntil([&] { return XFocus() == mainId; }, 3000)) << "we focus what we activate";
    PumpFor(400); // SDL's own late focus reports for what we did ourselves
    ASSERT_EQ(GetFocus(), edit);
    observed.log.clear();

    XClientWindow stranger(server.Display(), 600, 400, 200, 150);
    ASSERT_TRUE(stranger.Open());
    Run("xdotool windowfocus --sync " + std::to_string(stranger.Id()));
    ASSERT_TRUE(PumpUntil([] { return GetActiveWindow() == nullptr; }, 3000));
    EXPECT_EQ(observed.log,
              (Sequence{"main:WM_NCACTIVATE 0", "main:WM_ACTIVATE 0", "main:WM_ACTIVATEAPP 0",
                        "other:WM_ACTIVATEAPP 0", "edit:WM_KILLFOCUS"}));
    EXPECT_EQ(GetFocus(), nullptr);
    observed.log.clear();

    Run("xdotool windowfocus --sync " + mainId);
    ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == main; }, 3000));
    PumpFor(500); // nothing more may follow: no answer to our own focusing
    EXPECT_EQ(observed.log,
              (Sequence{"main:WM_ACTIVATEAPP 1", "other:WM_ACTIVATEAPP 1", "main:WM_NCACTIVATE 1",
                        "main:WM_ACTIVATE 1", "main:WM_SETFOCUS"}));
    EXPECT_EQ(XFocus(), mainId);
    observed.log.clear();

    // Moving between our own windows is no change of application.
    Run("xdotool windowfocus --sync " + otherId);
    ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == other; }, 3000));
    PumpFor(500);
    EXPECT_EQ(observed.log,
              (Sequence{"main:WM_NCACTIVATE 0", "main:WM_ACTIVATE 0", "other:WM_NCACTIVATE 1",
                        "other:WM_ACTIVATE 1", "main:WM_KILLFOCUS", "other:WM_SETFOCUS"}));
    observed.log.clear();

    // A click raises and activates the window under it; the X focus follows.
    Run("xdotool mousemove 250 250 click 1");
    ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == main; }, 3000));
    PumpFor(500);
    EXPECT_EQ(observed.log,
              (Sequence{"other:WM_NCACTIVATE 0", "other:WM_ACTIVATE 0", "main:WM_NCACTIVATE 1",
                        "main:WM_ACTIVATE 2", "other:WM_KILLFOCUS", "main:WM_SETFOCUS"}));
    EXPECT_EQ(XFocus(), mainId);
    EXPECT_EQ(GetWindow(GetDesktopWindow(), GW_CHILD), main);
}

TEST_F(SdlEndToEndTest, ClipboardTextGoesBothWays) {
    HWND main = CreateTopLevel("main", "Telvora clipboard test", RECT{100, 100, 420, 340});
    HWND edit = CreateWindowEx(0, WC_EDIT, "中央电视台 CCTV-1", WS_CHILD | WS_VISIBLE, 10, 10, 280,
                               24, main, nullptr, nullptr, nullptr);
    PumpFor(200);
    SendMessage(edit, EM_SETSEL, 0, -1);
    SendMessage(edit, WM_COPY, 0, 0);
    EXPECT_EQ(RunWhilePumping("xclip -o -selection clipboard"), "中央电视台 CCTV-1");

    // xclip takes the selection in a process of its own, maybe a moment later.
    Run("printf '%s' '湖南卫视 节目表' | xclip -i -selection clipboard >/dev/null 2>&1");
    std::string pasted;
    PumpUntil(
        [&] {
            SetWindowText(edit, "");
            SendMessage(edit, WM_PASTE, 0, 0);
            char text[64] = {};
            GetWindowText(edit, text, sizeof text);
            pasted = text;
            return pasted == "湖南卫视 节目表";
        },
        3000);
    EXPECT_EQ(pasted, "湖南卫视 节目表");
}

TEST_F(SdlEndToEndTest, DropDownAndMenuOpenWhereAskedAndCloseOnAnOutsideClick) {
    // The window ends at y 340: both pop-ups reach below it, onto bare root.
    HWND main = CreateTopLevel("main", "Telvora popup test", RECT{100, 100, 420, 340});
    HWND combo = CreateWindowEx(0, WC_COMBOBOX, "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 10,
                                170, 150, 200, main, nullptr, nullptr, nullptr);
    for (const char* item : {"CCTV-1", "CCTV-2", "CCTV-3", "CCTV-4", "CCTV-5"})
        SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    PumpFor(300);
    COMBOBOXINFO info;
    ASSERT_TRUE(GetComboBoxInfo(combo, &info));
    RECT field = info.rcItem; // the field and its button, in the combo's client area
    UnionRect(&field, &field, &info.rcButton);
    MapWindowPoints(combo, nullptr, reinterpret_cast<POINT*>(&field), 2);
    Run("xdotool mousemove " + std::to_string(field.right - 6) + " " +
        std::to_string((field.top + field.bottom) / 2) + " click 1");
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(info.hwndList) != FALSE; }, 3000));
    RECT list, box;
    GetWindowRect(info.hwndList, &list);
    GetWindowRect(combo, &box);
    EXPECT_EQ(list.top, box.bottom);
    EXPECT_EQ(list.left, box.left);
    ASSERT_GT(list.bottom, 345);
    const POINT belowWindow{list.left + 20, list.bottom - 3};
    EXPECT_TRUE(PumpUntil([&] { return Pixel(belowWindow) != "#000000"; }, 3000))
        << "the drop-down is its own X window, shown beyond its owner";
    const std::string geometry = std::to_string(list.right - list.left) + "x" +
                                 std::to_string(list.bottom - list.top) + "+" +
                                 std::to_string(list.left) + "+" + std::to_string(list.top);
    EXPECT_NE(Run("xwininfo -root -children").find(geometry), std::string::npos) << geometry;
    Run("import -window root sdl_dropdown.png");

    Run("xdotool mousemove 900 700 click 1");
    EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(info.hwndList); }, 3000));
    EXPECT_TRUE(PumpUntil([&] { return Pixel(belowWindow) == "#000000"; }, 3000));

    // The edit's context menu opens at the click and runs its own loop: look
    // at it from there.
    DestroyWindow(combo);
    HWND edit = CreateWindowEx(0, WC_EDIT, "CCTV", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 185, 280,
                               24, main, nullptr, nullptr, nullptr);
    Watch(edit, "edit");
    PumpFor(200);
    RECT menuRect{};
    std::string menuPixel;
    observed.whileMenuOpen = [&] {
        GetWindowRect(FindWindow("#32768", nullptr), &menuRect);
        menuPixel = Pixel(POINT{menuRect.left + 30, menuRect.bottom - 4});
        Run("import -window root sdl_menu.png");
        Run("xdotool mousemove 900 700 click 1");
    };
    Run("xdotool mousemove 250 320 click 3");
    ASSERT_TRUE(PumpUntil(
        [&] { return !observed.whileMenuOpen && FindWindow("#32768", nullptr) == nullptr; }, 5000));
    EXPECT_EQ(menuRect.left, 250);
    EXPECT_EQ(menuRect.top, 320);
    EXPECT_NE(menuPixel, "#000000");
    EXPECT_NE(menuPixel, "");
}

TEST_F(SdlEndToEndTest, MovesAndResizesFromOutsideMoveOurWindowAndItsPopups) {
    HWND main = CreateTopLevel("main", "Telvora moved test", RECT{100, 100, 420, 340});
    HWND combo = CreateWindowEx(0, WC_COMBOBOX, "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 10,
                                10, 150, 200, main, nullptr, nullptr, nullptr);
    SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("CCTV-1"));
    PumpFor(300);
    const std::string id = XWindowNamed("Telvora moved test");
    ASSERT_FALSE(id.empty());

    Run("xdotool windowmove --sync " + id + " 300 200 windowsize --sync " + id + " 400 260");
    const RECT expected{300, 200, 700, 460};
    RECT r{};
    EXPECT_TRUE(PumpUntil(
        [&] {
            GetWindowRect(main, &r);
            return EqualRect(&r, &expected) != FALSE;
        },
        3000))
        << r.left << "," << r.top << " " << r.right << "," << r.bottom;
    EXPECT_EQ(WindowFromPoint(POINT{650, 440}), main);
    PumpFor(300);
    EXPECT_EQ(Run("xdotool getwindowgeometry " + id + " | tail -2 | tr -s ' ' | cut -d' ' -f3"),
              "300,200\n400x260\n")
        << "the move is not echoed back elsewhere";

    COMBOBOXINFO info;
    ASSERT_TRUE(GetComboBoxInfo(combo, &info));
    RECT box;
    GetWindowRect(combo, &box);
    Run("xdotool mousemove " + std::to_string(box.right - 6) + " " + std::to_string(box.top + 8) +
        " click 1");
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(info.hwndList) != FALSE; }, 3000));
    RECT list;
    GetWindowRect(info.hwndList, &list);
    EXPECT_EQ(list.left, box.left);
    EXPECT_EQ(list.top, box.bottom);
    const std::string geometry = std::to_string(list.right - list.left) + "x" +
                                 std::to_string(list.bottom - list.top) + "+" +
                                 std::to_string(list.left) + "+" + std::to_string(list.top);
    EXPECT_NE(Run("xwininfo -root -children").find(geometry), std::string::npos) << geometry;
}

TEST_F(SdlEndToEndTest, TerminationSignalClosesTheWindowsNoOtherOwns) {
    HWND main = CreateTopLevel("main", "Telvora main", RECT{100, 100, 420, 340});
    HWND tool = CreateWindowEx(0, "SdlDemoWindow", "Telvora tool", WS_POPUP | WS_CAPTION, 450, 100,
                               200, 150, main, nullptr, nullptr, nullptr);
    ShowWindow(tool, SW_SHOWNOACTIVATE);
    PumpFor(200);
    raise(SIGTERM);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(main); }, 3000));
    EXPECT_FALSE(IsWindow(tool)) << "owned windows go with their owner";
    tops.clear();
}

TEST_F(SdlEndToEndTest, CompositionReachesTheFocusWindowAndTextInputFollowsFocus) {
    HWND main = CreateTopLevel("main", "Telvora input test", RECT{100, 100, 420, 340});
    HWND edit = CreateWindowEx(0, WC_EDIT, "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 200, 24,
                               main, nullptr, nullptr, nullptr);
    HWND button = CreateWindowEx(0, WC_BUTTON, "OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 50,
                                 80, 24, main, nullptr, nullptr, nullptr);
    Watch(edit, "edit");
    SetFocus(button);
    EXPECT_TRUE(PumpUntil([] { return !SDL_IsTextInputActive(); }, 2000))
        << "no input method over a button";
    SetFocus(edit);
    EXPECT_TRUE(PumpUntil([] { return SDL_IsTextInputActive() != SDL_FALSE; }, 2000));
    observed.log.clear();

    // What SDL makes of an input method's preedit and commit.
    const Uint32 windowId = SDL_GetWindowID(SDL_GetKeyboardFocus());
    SDL_Event editing{};
    editing.type = SDL_TEXTEDITING;
    editing.edit.windowID = windowId;
    std::snprintf(editing.edit.text, sizeof editing.edit.text, "%s", "zhong");
    editing.edit.start = 5;
    SDL_PushEvent(&editing);
    SDL_Event input{};
    input.type = SDL_TEXTINPUT;
    input.text.windowID = windowId;
    std::snprintf(input.text.text, sizeof input.text.text, "%s", "中");
    SDL_PushEvent(&input);
    ASSERT_TRUE(PumpUntil([] { return observed.log.size() >= 5; }, 2000));
    EXPECT_EQ(observed.log, (Sequence{"edit:WM_IME_STARTCOMPOSITION", "edit:WM_IME_COMPOSITION 103",
                                      "edit:WM_IME_COMPOSITION 0", "edit:WM_IME_ENDCOMPOSITION",
                                      "edit:WM_CHAR 20013"}));
    EXPECT_EQ(observed.composition, "zhong");
    char text[16] = {};
    GetWindowText(edit, text, sizeof text);
    EXPECT_STREQ(text, "中");
}

} // namespace
} // namespace win::test

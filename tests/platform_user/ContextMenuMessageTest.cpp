// WM_CONTEXTMENU from the default window procedure: a right-button release
// gives the screen point, Shift+F10 and the menu key give (-1, -1), and a
// child that does not answer passes the request to its parent.

#include "WindowTestSupport.h"
#include "platform/user/Input.h"

namespace win::test {
namespace {

struct Request {
    HWND receiver;
    HWND from;
    LPARAM where;
};
std::vector<Request> requests;
int keyMenus = 0;

LRESULT ContextProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CONTEXTMENU)
        requests.push_back({hwnd, reinterpret_cast<HWND>(wParam), lParam});
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_KEYMENU) {
        ++keyMenus;
        return 0;
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}

class ContextMenuMessageTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        requests.clear();
        keyMenus = 0;
        WNDCLASS wc;
        wc.lpfnWndProc = ContextProc;
        wc.lpszClassName = "ContextMenuTestWindow";
        RegisterClass(&wc);
        // Client area at screen (104, 123): frame 4, caption 19.
        main = Create("main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 100, 400, 300}, nullptr,
                      0, "ContextMenuTestWindow");
        child = Create("child", WS_CHILD | WS_VISIBLE, RECT{10, 10, 110, 60}, main, 0,
                       "ContextMenuTestWindow");
        display->Run();
        SetFocus(child);
        display->Run();
        requests.clear();
    }
    HWND main = nullptr;
    HWND child = nullptr;
};

TEST_F(ContextMenuMessageTest, RightClickAndKeysAskTheWindowThenItsParent) {
    const LPARAM fromKeyboard = -1;
    const struct {
        const char* name;
        std::function<void()> act;
        LPARAM where;
    } cases[] = {
        {"right click in the child",
         [] {
             InjectMouseButton(MouseButton::Right, KeyTransition::Down, POINT{150, 150});
             InjectMouseButton(MouseButton::Right, KeyTransition::Up, POINT{150, 150});
         },
         MAKELPARAM(150, 150)},
        {"Shift+F10",
         [this] {
             display->KeyDown(VK_SHIFT);
             display->Key(VK_F10);
             display->KeyUp(VK_SHIFT);
         },
         fromKeyboard},
        {"menu key", [this] { display->Key(VK_APPS); }, fromKeyboard},
    };
    for (const auto& c : cases) {
        requests.clear();
        c.act();
        display->Run();
        ASSERT_EQ(requests.size(), 2u) << c.name;
        EXPECT_EQ(requests[0].receiver, child) << c.name;
        EXPECT_EQ(requests[1].receiver, main) << c.name;
        for (const Request& r : requests) {
            EXPECT_EQ(r.from, child) << c.name;
            EXPECT_EQ(r.where, c.where) << c.name;
        }
    }
    // Shift+F10 asks for a context menu, not for the menu bar.
    EXPECT_EQ(keyMenus, 0);
    display->Key(VK_F10);
    display->Run();
    EXPECT_EQ(keyMenus, 1);
}

} // namespace
} // namespace win::test

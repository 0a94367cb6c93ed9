// CBT and message-filter hooks: chained newest first, seeing creations with
// their create struct, refusing creations, activations and destructions.

#include "WindowTestSupport.h"

namespace win::test {
namespace {

struct HookCall {
    int code;
    std::string className;
    LONG style;
};
std::vector<HookCall> seen;
std::vector<std::string> order;
bool refuseScrollBars = false;

LRESULT WatchingHook(int code, WPARAM wParam, LPARAM lParam) {
    order.push_back("watcher");
    if (code == HCBT_CREATEWND) {
        const auto* cbt = reinterpret_cast<const CBT_CREATEWND*>(lParam);
        char name[64] = {};
        GetClassName(reinterpret_cast<HWND>(wParam), name, sizeof name);
        seen.push_back({code, name, cbt->lpcs->style});
    } else {
        seen.push_back({code, "", 0});
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Newer than the watcher: runs first and may refuse without passing on.
LRESULT RefusingHook(int code, WPARAM wParam, LPARAM lParam) {
    order.push_back("refuser");
    if (code == HCBT_CREATEWND && refuseScrollBars) {
        const auto* cbt = reinterpret_cast<const CBT_CREATEWND*>(lParam);
        if (std::string(cbt->lpcs->lpszClass) == "ScrollBarTest")
            return 10;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class HookTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        seen.clear();
        order.clear();
        refuseScrollBars = false;
        WNDCLASS wc;
        wc.lpfnWndProc = RecordingProc;
        wc.lpszClassName = "ScrollBarTest";
        RegisterClass(&wc);
        watcher = SetWindowsHookEx(WH_CBT, WatchingHook, nullptr, GetCurrentThreadId());
        refuser = SetWindowsHookEx(WH_CBT, RefusingHook, nullptr, GetCurrentThreadId());
    }
    void TearDown() override {
        UnhookWindowsHookEx(refuser);
        UnhookWindowsHookEx(watcher);
        WindowTest::TearDown();
    }
    HHOOK watcher = nullptr;
    HHOOK refuser = nullptr;
};

TEST_F(HookTest, CreationActivationAndDestructionAreSeenInOrder) {
    HWND main = Create("main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{0, 0, 200, 100});
    ASSERT_NE(main, nullptr);
    DestroyWindow(main);
    ASSERT_GE(seen.size(), 3u);
    EXPECT_EQ(seen.front().code, HCBT_CREATEWND);
    EXPECT_EQ(seen.front().className, kClass);
    EXPECT_TRUE(seen.front().style & WS_VISIBLE) << "the hook sees the style as asked";
    std::vector<int> codes;
    for (const auto& call : seen)
        if (call.code == HCBT_CREATEWND || call.code == HCBT_ACTIVATE ||
            call.code == HCBT_DESTROYWND)
            codes.push_back(call.code);
    EXPECT_EQ(codes, (std::vector<int>{HCBT_CREATEWND, HCBT_ACTIVATE, HCBT_DESTROYWND}));
    EXPECT_EQ(order.front(), "refuser") << "the newest hook runs first";
}

TEST_F(HookTest, ARefusingHookStopsTheCreationBeforeAnyMessage) {
    refuseScrollBars = true;
    HWND main = Create("main", WS_OVERLAPPEDWINDOW, RECT{0, 0, 200, 100});
    Log();
    seen.clear();
    HWND bar = Create("bar", WS_CHILD | WS_VISIBLE, RECT{0, 0, 10, 10}, main, 0, "ScrollBarTest");
    EXPECT_EQ(bar, nullptr);
    EXPECT_TRUE(Log().empty()) << "no message reaches a refused window";
    EXPECT_TRUE(seen.empty()) << "the refusing hook did not pass on";
    EXPECT_EQ(GetWindow(main, GW_CHILD), nullptr);
}

TEST_F(HookTest, UnhookingInsideTheChainIsSafe) {
    static HHOOK self = nullptr;
    self = SetWindowsHookEx(
        WH_CBT,
        [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
            UnhookWindowsHookEx(self);
            return CallNextHookEx(nullptr, code, wParam, lParam);
        },
        nullptr, GetCurrentThreadId());
    EXPECT_NE(Create("main", WS_POPUP, RECT{0, 0, 10, 10}), nullptr);
    EXPECT_FALSE(UnhookWindowsHookEx(self)) << "already gone";
    EXPECT_EQ(order, (std::vector<std::string>{"refuser", "watcher"}));
}

TEST_F(HookTest, MinMaxAndSysCommandAreOfferedToTheHook) {
    HWND main = Create("main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{0, 0, 200, 100});
    seen.clear();
    SendMessage(main, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    std::vector<int> codes;
    for (const auto& call : seen)
        codes.push_back(call.code);
    EXPECT_EQ(codes.front(), HCBT_SYSCOMMAND);
    EXPECT_NE(std::find(codes.begin(), codes.end(), HCBT_MINMAX), codes.end());
    EXPECT_TRUE(IsZoomed(main));
}

TEST_F(HookTest, MessageFilterHookSeesTheMoveLoopAndCanSwallowMessages) {
    static std::vector<int> filterCodes;
    filterCodes.clear();
    HHOOK filter = SetWindowsHookEx(
        WH_MSGFILTER,
        [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
            filterCodes.push_back(code);
            return CallNextHookEx(nullptr, code, wParam, lParam);
        },
        nullptr, GetCurrentThreadId());
    HWND main = Create("main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 100, 400, 300});
    display->Run();
    display->Drag(POINT{200, 110}, POINT{220, 130});
    UnhookWindowsHookEx(filter);
    ASSERT_FALSE(filterCodes.empty());
    EXPECT_EQ(filterCodes.front(), MSGF_MOVE);
    RECT r;
    GetWindowRect(main, &r);
    EXPECT_EQ(r.left, 120);
}

} // namespace
} // namespace win::test

// MessageBox: a modal "#32770" dialog owned by the active window.

#include "platform/user/menus/MessageBox.h"

#include "MenuTestSupport.h"
#include "platform/gdi/PngWriter.h"
#include "platform/user/Rects.h"

#include <cstring>

namespace win::test {

namespace {

class MessageBoxTest : public MenuTest {
public:
    // The box being shown: WM_ENTERIDLE names it.
    HWND Box() const {
        const auto idle = Messages(WM_ENTERIDLE);
        return idle.empty() ? nullptr : reinterpret_cast<HWND>(idle.back().lParam);
    }
    POINT ButtonCentre(int id) const {
        RECT r;
        GetWindowRect(GetDlgItem(Box(), id), &r);
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
};

TEST_F(MessageBoxTest, KeysAndClicksGiveTheButtonPressed) {
    struct Case {
        const char* name;
        UINT type;
        std::vector<std::function<void(MessageBoxTest&)>> steps;
        int expected;
    } cases[] = {
        {"Enter on OK", MB_OK, {[](auto&) { KeyPress(VK_RETURN); }}, IDOK},
        {"Escape on a lone OK", MB_OK, {[](auto&) { KeyPress(VK_ESCAPE); }}, IDOK},
        {"Escape gives Cancel", MB_OKCANCEL, {[](auto&) { KeyPress(VK_ESCAPE); }}, IDCANCEL},
        {"second default button",
         MB_OKCANCEL | MB_DEFBUTTON2,
         {[](auto&) { KeyPress(VK_RETURN); }},
         IDCANCEL},
        {"Tab moves to No",
         MB_YESNO,
         {[](auto&) { KeyPress(VK_TAB); }, [](auto&) { KeyPress(VK_RETURN); }},
         IDNO},
        {"Escape cannot answer Yes/No",
         MB_YESNO,
         {[](auto&) { KeyPress(VK_ESCAPE); }, [](auto&) { InjectText("y"); }},
         IDYES},
        {"mnemonic", MB_YESNOCANCEL, {[](auto&) { InjectText("n"); }}, IDNO},
        {"click",
         MB_YESNOCANCEL,
         {[](MessageBoxTest& t) { ClickAt(t.ButtonCentre(IDCANCEL)); }},
         IDCANCEL},
    };
    for (const Case& c : cases) {
        std::vector<std::function<void()>> script;
        for (const auto& step : c.steps)
            script.push_back([this, step] { step(*this); });
        Script(script);
        received.clear();
        EXPECT_EQ(MessageBox(nullptr, "问题?", "Telvora", c.type | MB_ICONQUESTION), c.expected)
            << c.name;
        EXPECT_FALSE(ranOut) << c.name;
    }
}

TEST_F(MessageBoxTest, BoxIsAModalDialogOwnedByTheActiveWindow) {
    char className[16] = {};
    char caption[32] = {};
    HWND ownerSeen = nullptr;
    BOOL ownerEnabled = TRUE;
    Script({[&] {
        GetClassName(Box(), className, sizeof className);
        GetWindowText(Box(), caption, sizeof caption);
        ownerSeen = GetWindow(Box(), GW_OWNER);
        ownerEnabled = IsWindowEnabled(owner);
        KeyPress(VK_RETURN);
    }});
    EXPECT_EQ(MessageBox(nullptr, "暂无网络请稍候更新.", "电视节目表", MB_OK), IDOK);
    EXPECT_STREQ(className, "#32770");
    EXPECT_STREQ(caption, "电视节目表");
    EXPECT_EQ(ownerSeen, owner);
    EXPECT_FALSE(ownerEnabled);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(GetActiveWindow(), owner);
    EXPECT_EQ(FindWindow("#32770", nullptr), nullptr);
}

// Programs close a box from outside with a command that names no control
// (lParam 0); the box ends with that button and gives its owner back.
TEST_F(MessageBoxTest, CommandsWithoutAControlEndTheBox) {
    const struct {
        const char* name;
        UINT type;
        std::function<void(HWND)> send;
        int expected;
    } cases[] = {
        {"posted OK", MB_OK, [](HWND box) { PostMessage(box, WM_COMMAND, IDOK, 0); }, IDOK},
        {"sent No", MB_YESNO, [](HWND box) { SendMessage(box, WM_COMMAND, IDNO, 0); }, IDNO},
        {"Cancel with a Cancel button", MB_RETRYCANCEL,
         [](HWND box) { PostMessage(box, WM_COMMAND, IDCANCEL, 0); }, IDCANCEL},
        {"Cancel on a lone OK", MB_OK, [](HWND box) { PostMessage(box, WM_COMMAND, IDCANCEL, 0); },
         IDOK},
        {"Cancel and a foreign id cannot answer Yes/No", MB_YESNO,
         [](HWND box) {
             PostMessage(box, WM_COMMAND, IDCANCEL, 0);
             PostMessage(box, WM_COMMAND, IDOK, 0);
             PostMessage(box, WM_COMMAND, IDYES, 0);
         },
         IDYES},
    };
    for (const auto& c : cases) {
        Script({[&] { c.send(Box()); }});
        EXPECT_EQ(MessageBox(owner, "text", "caption", c.type), c.expected) << c.name;
        EXPECT_FALSE(ranOut) << c.name;
        EXPECT_TRUE(IsWindowEnabled(owner)) << c.name;
        EXPECT_EQ(GetActiveWindow(), owner) << c.name;
    }
}

TEST_F(MessageBoxTest, ClosingTheOwnerSideWithQuitEndsTheBoxAndKeepsTheQuit) {
    Script({[] { PostQuitMessage(3); }});
    EXPECT_EQ(MessageBox(owner, "text", "caption", MB_OKCANCEL), 0);
    MSG msg;
    ASSERT_TRUE(PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_TRUE(IsWindowEnabled(owner));
}

TEST_F(MessageBoxTest, LongTextWrapsAndTheBoxRendersWithItsIcon) {
    RECT box{};
    Script({[&] {
        GetWindowRect(Box(), &box);
        EXPECT_TRUE(WritePng("message-box.png", Screen()));
        KeyPress(VK_RETURN);
    }});
    MessageBox(owner,
               "无法写入文件 \"7z.dll\"。请检查当前文件夹是否可写, 或者文件是否被另一个程序占用, "
               "然后再试一次。",
               "电视节目表", MB_OKCANCEL | MB_ICONSTOP);
    EXPECT_LE(RectWidth(box), 480 + 100); // wrapped, not one long line
    EXPECT_GT(RectHeight(box), 80);
}

} // namespace

} // namespace win::test

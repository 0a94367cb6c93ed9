// The input method's composition as the focus window sees it: WM_IME_
// messages in Windows' order and the text through ImmGetCompositionString.

#include "WindowTestSupport.h"
#include "platform/user/BackendSupport.h"
#include "platform/user/Imm.h"

namespace win::test {
namespace {

using Sequence = std::vector<std::string>;

std::vector<std::string> seen;
std::map<HWND, std::string> names;

// "name:MESSAGE wParam lParam [text|cursor]", the text read as it is handled.
LRESULT ComposingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const std::string prefix = names[hwnd] + ":";
    if (message == WM_IME_STARTCOMPOSITION)
        seen.push_back(prefix + "START");
    if (message == WM_IME_ENDCOMPOSITION)
        seen.push_back(prefix + "END");
    if (message == WM_IME_COMPOSITION) {
        std::string entry =
            prefix + "COMPOSITION " + std::to_string(wParam) + " " + std::to_string(lParam);
        if (lParam & GCS_COMPSTR) {
            const HIMC context = ImmGetContext(hwnd);
            std::string text(128, '\0');
            text.resize(std::size_t(
                ImmGetCompositionString(context, GCS_COMPSTR, text.data(), DWORD(text.size()))));
            entry += " [" + text + "|" +
                     std::to_string(ImmGetCompositionString(context, GCS_CURSORPOS, nullptr, 0)) +
                     "]";
            ImmReleaseContext(hwnd, context);
        }
        seen.push_back(entry);
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}

class CompositionTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        WNDCLASS wc;
        wc.lpfnWndProc = ComposingProc;
        wc.lpszClassName = "ComposingWindow";
        RegisterClass(&wc);
        main = CreateWindowEx(0, "ComposingWindow", "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10,
                              10, 300, 200, nullptr, nullptr, nullptr, nullptr);
        left = CreateWindowEx(0, "ComposingWindow", "left", WS_CHILD | WS_VISIBLE, 10, 10, 100, 20,
                              main, nullptr, nullptr, nullptr);
        right = CreateWindowEx(0, "ComposingWindow", "right", WS_CHILD | WS_VISIBLE, 120, 10, 100,
                               20, main, nullptr, nullptr, nullptr);
        names = {{main, "main"}, {left, "left"}, {right, "right"}};
        SetFocus(left);
        display->Run();
        seen.clear();
    }

    void TearDown() override {
        InjectComposition("", 0);
        display->Run();
        WindowTest::TearDown();
    }

    Sequence Compose(const std::string& text, std::size_t cursor) {
        InjectComposition(text, cursor);
        display->Run();
        Sequence taken;
        taken.swap(seen);
        return taken;
    }

    HWND main = nullptr;
    HWND left = nullptr;
    HWND right = nullptr;
};

TEST_F(CompositionTest, ACompositionStartsChangesAndEndsInWindowsOrder) {
    EXPECT_EQ(Compose("zh", 2), (Sequence{"left:START", "left:COMPOSITION 104 136 [zh|2]"}));
    // 'zhong' then its first candidate: the last character goes in wParam.
    EXPECT_EQ(Compose("中", 3), (Sequence{"left:COMPOSITION 20013 136 [中|3]"}));
    EXPECT_EQ(Compose("", 0), (Sequence{"left:COMPOSITION 0 0", "left:END"}));
    EXPECT_EQ(Compose("", 0), Sequence{}) << "nothing to end twice";
}

TEST_F(CompositionTest, CursorsOutsideTheTextOrInsideACharacterLandOnABoundary) {
    const struct {
        std::size_t cursor;
        const char* expected;
    } cases[] = {{0, "|0]"}, {3, "|3]"}, {4, "|3]"}, {5, "|3]"}, {6, "|6]"}, {99, "|7]"}};
    for (const auto& c : cases) {
        const Sequence got = Compose("中文x", c.cursor);
        ASSERT_FALSE(got.empty());
        EXPECT_TRUE(got.back().ends_with(c.expected)) << c.cursor << ": " << got.back();
    }
}

TEST_F(CompositionTest, FocusMovingAwayEndsTheCompositionInTheOldWindow) {
    Compose("pin", 3);
    SetFocus(right);
    EXPECT_EQ(Compose("pinyin", 6), (Sequence{"left:COMPOSITION 0 0", "left:END", "right:START",
                                              "right:COMPOSITION 110 136 [pinyin|6]"}));
}

TEST_F(CompositionTest, NoFocusWindowMeansNoComposition) {
    SetFocus(nullptr);
    EXPECT_EQ(Compose("ni", 2), Sequence{});
    EXPECT_EQ(ImmGetCompositionString(ImmGetContext(main), GCS_COMPSTR, nullptr, 0), 0);
}

TEST_F(CompositionTest, CompositionStringCopiesWholeCharactersOnlyAndRejectsStrangers) {
    Compose("电视台", 9);
    const HIMC context = ImmGetContext(left);
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(ImmGetCompositionString(context, GCS_COMPSTR, nullptr, 0), 9) << "bytes needed";
    char buffer[8] = {};
    EXPECT_EQ(ImmGetCompositionString(context, GCS_COMPSTR, buffer, 5), 3);
    EXPECT_EQ(std::string(buffer, 3), "电");
    EXPECT_EQ(ImmGetCompositionString(context, GCS_COMPSTR, nullptr, 5), IMM_ERROR_GENERAL);
    EXPECT_EQ(ImmGetCompositionString(context, 0x0800, buffer, 5), IMM_ERROR_GENERAL);
    EXPECT_EQ(ImmGetCompositionString(reinterpret_cast<HIMC>(buffer), GCS_COMPSTR, nullptr, 0),
              IMM_ERROR_GENERAL);
    EXPECT_EQ(ImmGetContext(nullptr), nullptr);
    EXPECT_TRUE(ImmReleaseContext(left, context));
}

} // namespace
} // namespace win::test

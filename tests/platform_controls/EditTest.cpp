// Edits driven by typed text and keys: the resulting text and selection, the
// notifications, clipboard and undo, lines and scrolling of multi-line edits.

#include "ControlTestSupport.h"
#include "platform/user/controls/EditBuffer.h"
#include "platform/user/controls/EditLayout.h"

namespace win::test {
namespace {

class EditTest : public ControlTest {
protected:
    std::string Text(HWND edit) {
        char buffer[4096] = {};
        GetWindowText(edit, buffer, sizeof buffer);
        return buffer;
    }
    std::pair<DWORD, DWORD> Selection(HWND edit) {
        DWORD start = 0, end = 0;
        SendMessage(edit, EM_GETSEL, WPARAM(&start), LPARAM(&end));
        return {start, end};
    }
    void Chord(int modifier, int key) {
        display->KeyDown(modifier);
        display->Key(key);
        display->KeyUp(modifier);
    }
};

TEST_F(EditTest, TypingAndEditingKeys) {
    const struct {
        const char* initial;
        std::vector<int> keys; // before typing; negative: with Shift
        const char* typed;
        const char* text;
        std::pair<DWORD, DWORD> selection;
    } cases[] = {
        {"", {}, "Ver 1.0", "Ver 1.0", {7, 7}},
        {"频道", {VK_END}, "列表", "频道列表", {12, 12}},
        {"频道", {VK_HOME, VK_RIGHT}, "x", "频x道", {4, 4}},
        {"abc", {VK_END, VK_BACK}, "", "ab", {2, 2}},
        {"中文", {VK_HOME, VK_DELETE}, "", "文", {0, 0}},
        {"abcdef", {VK_HOME, -VK_RIGHT, -VK_RIGHT}, "X", "Xcdef", {1, 1}},
        {"one two", {VK_END, -VK_HOME}, "", "one two", {0, 7}},
    };
    for (const auto& c : cases) {
        HWND edit =
            Create(WC_EDIT, c.initial, WS_BORDER | ES_AUTOHSCROLL, RECT{10, 10, 210, 32}, 9);
        SetFocus(edit);
        for (int key : c.keys) {
            if (key < 0)
                Chord(VK_SHIFT, -key);
            else
                display->Key(key);
        }
        display->Type(c.typed);
        EXPECT_EQ(Text(edit), c.text) << c.initial << " + " << c.typed;
        EXPECT_EQ(Selection(edit), c.selection) << c.initial << " + " << c.typed;
        DestroyWindow(edit);
    }
}

TEST_F(EditTest, NotifiesFocusAndEveryChange) {
    HWND edit = Create(WC_EDIT, "", WS_BORDER, RECT{10, 10, 210, 32}, 9);
    SetFocus(edit);
    display->Type("ab");
    SetFocus(parent);
    const std::vector<Notification> expected{{9, EN_SETFOCUS}, {9, EN_UPDATE}, {9, EN_CHANGE},
                                             {9, EN_UPDATE},   {9, EN_CHANGE}, {9, EN_KILLFOCUS}};
    EXPECT_EQ(Take(), expected);
}

TEST_F(EditTest, ClipboardUndoReadOnlyAndLimit) {
    HWND edit = Create(WC_EDIT, "节目表", WS_BORDER, RECT{10, 10, 210, 32}, 9);
    SetFocus(edit);
    SendMessage(edit, EM_SETSEL, 0, 3);
    SendMessage(edit, WM_CUT, 0, 0);
    EXPECT_EQ(Text(edit), "目表");
    display->Key(VK_END);
    SendMessage(edit, WM_PASTE, 0, 0);
    EXPECT_EQ(Text(edit), "目表节");
    SendMessage(edit, EM_UNDO, 0, 0);
    EXPECT_EQ(Text(edit), "目表");
    Chord(VK_CONTROL, 'Z'); // a second undo redoes
    EXPECT_EQ(Text(edit), "目表节");

    SendMessage(edit, EM_SETREADONLY, TRUE, 0);
    display->Type("x");
    SendMessage(edit, WM_PASTE, 0, 0);
    EXPECT_EQ(Text(edit), "目表节");
    SendMessage(edit, EM_SETREADONLY, FALSE, 0);

    SendMessage(edit, EM_LIMITTEXT, 10, 0);
    display->Key(VK_END);  // the undo left its text selected
    display->Type("中文"); // 9 + 3 > 10: only what fits, never half a character
    EXPECT_EQ(Text(edit), "目表节");
    display->Type("a");
    EXPECT_EQ(Text(edit), "目表节a");
}

TEST_F(EditTest, MultiLineLinesAndScrolling) {
    std::string text;
    for (int i = 0; i < 50; ++i)
        text += "第" + std::to_string(i) + "行\r\n";
    HWND edit =
        Create(WC_EDIT, text.c_str(), WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL,
               RECT{10, 10, 210, 110}, 9);
    EXPECT_EQ(SendMessage(edit, EM_GETLINECOUNT, 0, 0), 51);
    EXPECT_EQ(SendMessage(edit, EM_LINEINDEX, 1, 0), 9); // "第0行\r\n" is 9 bytes
    EXPECT_EQ(SendMessage(edit, EM_LINEFROMCHAR, 10, 0), 1);
    SetFocus(edit);
    Chord(VK_CONTROL, VK_END);
    EXPECT_GT(SendMessage(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 40);
    SCROLLINFO info;
    info.fMask = SIF_POS;
    GetScrollInfo(edit, SB_VERT, &info);
    EXPECT_EQ(info.nPos, SendMessage(edit, EM_GETFIRSTVISIBLELINE, 0, 0));
    SendMessage(edit, WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(SendMessage(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    display->Key(VK_RETURN);
    EXPECT_EQ(SendMessage(edit, EM_GETLINECOUNT, 0, 0), 52);
}

// A memo's bars stay on screen while its text fits, disabled, as the
// schedule view shows them; a longer text enables the vertical one.
TEST_F(EditTest, ScrollBarsStayVisibleAndDisabledWhileTheTextFits) {
    HWND edit = Create(WC_EDIT, "一行", WS_BORDER | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE,
                       RECT{10, 10, 210, 110}, 9);
    auto state = [&](LONG object) {
        SCROLLBARINFO info{};
        info.cbSize = sizeof(info);
        EXPECT_TRUE(GetScrollBarInfo(edit, object, &info));
        return info.rgstate[0];
    };
    EXPECT_EQ(state(OBJID_VSCROLL) & STATE_SYSTEM_INVISIBLE, 0u);
    EXPECT_EQ(state(OBJID_HSCROLL) & STATE_SYSTEM_INVISIBLE, 0u);
    EXPECT_NE(state(OBJID_VSCROLL) & STATE_SYSTEM_UNAVAILABLE, 0u);
    std::string text;
    for (int i = 0; i < 30; ++i)
        text += "第" + std::to_string(i) + "行\r\n";
    SetWindowText(edit, text.c_str());
    EXPECT_EQ(state(OBJID_VSCROLL) & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_UNAVAILABLE), 0u);
}

TEST_F(EditTest, ClickPlacesTheCaretAndDragSelects) {
    HWND edit = Create(WC_EDIT, "abcdefgh", WS_BORDER, RECT{10, 10, 210, 32}, 9);
    // Latin characters are 6 pixels wide; the text starts after a 1-pixel margin.
    Click(edit, 1 + 6 * 3 + 1, 8);
    EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{3, 3}));
    display->Clock().Advance(1000);
    display->Drag(At(edit, 1 + 6 * 1, 8), At(edit, 1 + 6 * 5, 8));
    EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{1, 5}));
}

// The text model alone: a lead byte typed before stray continuation bytes
// joins them into one character, and the caret must not end up inside it.
TEST(EditBufferTest, CaretStaysOnACharacterBoundaryAcrossTheSeam) {
    controls::EditBuffer buffer;
    buffer.SetText("\xb8\xad");
    ASSERT_TRUE(buffer.ReplaceSelection("\xe4", true));
    EXPECT_EQ(buffer.Text(), "中");
    EXPECT_EQ(buffer.Caret(), 0u);
    EXPECT_EQ(buffer.NextChar(0), 3u);
}

// The layout alone: wrapping and the incremental update agree with a rebuild.
TEST(EditLayoutTest, IncrementalUpdatesMatchARebuild) {
    auto fit = [](std::string_view text, int width) {
        return std::min<std::size_t>(text.size(), std::size_t(width));
    };
    const struct {
        std::string before;
        std::size_t start, removed;
        std::string inserted;
    } cases[] = {
        {"aaaa bbbb\r\ncccc", 4, 0, "xx"},
        {"aaaa bbbb\r\ncccc", 9, 2, ""},
        {"one\r\ntwo\r\nthree", 0, 0, "zero\r\n"},
        {"one\r\ntwo\r\n", 10, 0, "end"},
        {"abcdefghijkl", 11, 1, "\n"},
        {"", 0, 0, "a\r\nb\r\nc"},
    };
    for (const auto& c : cases) {
        controls::EditLayout incremental(fit), rebuilt(fit);
        incremental.SetWrapWidth(5);
        rebuilt.SetWrapWidth(5);
        incremental.Rebuild(c.before);
        std::string after = c.before;
        after.replace(c.start, c.removed, c.inserted);
        incremental.Update(after, c.start, c.removed, c.inserted.size());
        rebuilt.Rebuild(after);
        ASSERT_EQ(incremental.LineCount(), rebuilt.LineCount()) << after;
        for (std::size_t i = 0; i < rebuilt.LineCount(); ++i) {
            EXPECT_EQ(incremental.Line(i).start, rebuilt.Line(i).start) << after << " line " << i;
            EXPECT_EQ(incremental.Line(i).end, rebuilt.Line(i).end) << after << " line " << i;
            EXPECT_EQ(incremental.Line(i).next, rebuilt.Line(i).next) << after << " line " << i;
        }
    }
}

} // namespace
} // namespace win::test

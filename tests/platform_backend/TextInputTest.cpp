// Which windows get text input and where the input method's window goes.

#include "WindowTestSupport.h"
#include "platform/backend/sdl/SdlTextInput.h"
#include "platform/user/controls/StandardControls.h"

namespace win::test {
namespace {

class TextInputTest : public WindowTest {};

TEST_F(TextInputTest, OnlyButtonsAndStaticTextGoWithoutTextInput) {
    HWND main = Create("main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{10, 10, 410, 310});
    const struct {
        const char* className;
        DWORD style;
        bool wanted;
    } cases[] = {
        {WC_EDIT, 0, true},
        {WC_LISTBOX, 0, true}, // type-ahead
        {WC_COMBOBOX, CBS_DROPDOWNLIST, true},
        {WC_BUTTON, BS_PUSHBUTTON, false},
        {WC_BUTTON, BS_AUTOCHECKBOX, false},
        {WC_STATIC, 0, false},
        {kClass, 0, true}, // says nothing: it may read WM_CHAR
    };
    for (const auto& c : cases) {
        HWND hwnd = CreateWindowEx(0, c.className, "", WS_CHILD | WS_VISIBLE | c.style, 10, 10, 100,
                                   24, main, nullptr, nullptr, nullptr);
        EXPECT_EQ(sdl::WantsTextInput(hwnd), c.wanted) << c.className << " " << c.style;
        DestroyWindow(hwnd);
    }
    EXPECT_FALSE(sdl::WantsTextInput(nullptr));
}

TEST_F(TextInputTest, TheInputMethodGoesToTheCaretOfAnEditElseTheClientArea) {
    HWND main = Create("main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 100, 500, 400});
    HWND edit = CreateWindowEx(0, WC_EDIT, "CCTV", WS_CHILD | WS_VISIBLE, 20, 30, 200, 24, main,
                               nullptr, nullptr, nullptr);
    POINT client{0, 0};
    ClientToScreen(edit, &client);
    const POINT origin{client.x - 100, client.y - 100}; // the edit on the window surface

    SendMessage(edit, EM_SETSEL, 0, 0);
    const RECT atStart = sdl::TextInputRect(edit);
    SendMessage(edit, EM_SETSEL, 4, 4);
    const RECT atEnd = sdl::TextInputRect(edit);
    const LRESULT endPos = SendMessage(edit, EM_POSFROMCHAR, 4, 0);
    EXPECT_EQ(atEnd.left, origin.x + GET_X_LPARAM(endPos));
    EXPECT_EQ(atEnd.top, origin.y + GET_Y_LPARAM(endPos));
    EXPECT_GT(atEnd.left, atStart.left) << "the caret moved right";
    EXPECT_GT(atEnd.bottom - atEnd.top, 8) << "a line of text high";
    EXPECT_LE(atEnd.bottom, origin.y + 24);

    // A selection is replaced by what is composed: its start counts.
    SendMessage(edit, EM_SETSEL, 1, 4);
    const LRESULT startPos = SendMessage(edit, EM_POSFROMCHAR, 1, 0);
    EXPECT_EQ(sdl::TextInputRect(edit).left, origin.x + GET_X_LPARAM(startPos));

    HWND plain = Create("plain", WS_CHILD | WS_VISIBLE, RECT{50, 100, 150, 140}, main);
    POINT plainOrigin{0, 0};
    ClientToScreen(plain, &plainOrigin);
    EXPECT_EQ(sdl::TextInputRect(plain),
              (RECT{plainOrigin.x - 100, plainOrigin.y - 100, plainOrigin.x - 100 + 100,
                    plainOrigin.y - 100 + 40}));
}

TEST(TextInputOffsetTest, CharacterIndexesBecomeByteOffsets) {
    const struct {
        const char* text;
        int index;
        std::size_t offset;
    } cases[] = {
        {"zhong", 0, 0}, {"zhong", 3, 3}, {"zhong", 5, 5}, {"zhong", 9, 5}, {"中文x", 1, 3},
        {"中文x", 2, 6}, {"中文x", 3, 7}, {"😀a", 1, 4},    {"", 0, 0},      {"ab", -1, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sdl::ByteOffsetOfCharacter(c.text, c.index), c.offset)
            << c.text << " " << c.index;
}

} // namespace
} // namespace win::test

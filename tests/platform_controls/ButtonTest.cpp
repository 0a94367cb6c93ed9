// Buttons driven by the mouse and the keyboard: notifications, check states,
// auto radio groups, the pressed look.

#include "ControlTestSupport.h"

namespace win::test {
namespace {

class ButtonTest : public ControlTest {};

TEST_F(ButtonTest, ClicksAndKeysNotifyAndToggleAsTheStyleSays) {
    const struct {
        DWORD style;
        int clicks;
        LRESULT check;
    } cases[] = {
        {BS_PUSHBUTTON, 1, BST_UNCHECKED},     {BS_CHECKBOX, 1, BST_UNCHECKED},
        {BS_AUTOCHECKBOX, 1, BST_CHECKED},     {BS_AUTOCHECKBOX, 2, BST_UNCHECKED},
        {BS_AUTO3STATE, 2, BST_INDETERMINATE}, {BS_AUTO3STATE, 3, BST_UNCHECKED},
        {BS_AUTORADIOBUTTON, 2, BST_CHECKED},
    };
    for (const auto& c : cases) {
        HWND button = Create(WC_BUTTON, "按钮", c.style, RECT{10, 10, 110, 40}, 7);
        for (int i = 0; i < c.clicks; ++i)
            Click(button, 20, 15);
        EXPECT_EQ(Take(), std::vector<Notification>(c.clicks, {7, BN_CLICKED})) << c.style;
        EXPECT_EQ(SendMessage(button, BM_GETCHECK, 0, 0), c.check) << c.style;
        DestroyWindow(button);
    }
}

TEST_F(ButtonTest, ReleasingOutsideDoesNotClick) {
    HWND button = Create(WC_BUTTON, "OK", BS_PUSHBUTTON, RECT{10, 10, 110, 40}, 3);
    display->Drag(At(button, 20, 15), At(button, 200, 100));
    EXPECT_TRUE(Take().empty());
    EXPECT_EQ(SendMessage(button, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
}

TEST_F(ButtonTest, SpaceClicksOnReleaseAndEnterClicksPushButtons) {
    HWND check = Create(WC_BUTTON, "Check", BS_AUTOCHECKBOX, RECT{10, 10, 110, 30}, 4);
    HWND push = Create(WC_BUTTON, "Push", BS_PUSHBUTTON, RECT{10, 40, 110, 70}, 5);
    SetFocus(check);
    display->KeyDown(VK_SPACE);
    display->Run();
    EXPECT_NE(SendMessage(check, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
    EXPECT_TRUE(Take().empty());
    display->KeyUp(VK_SPACE);
    EXPECT_EQ(Take(), (std::vector<Notification>{{4, BN_CLICKED}}));
    EXPECT_EQ(SendMessage(check, BM_GETCHECK, 0, 0), BST_CHECKED);
    display->Key(VK_RETURN);
    EXPECT_TRUE(Take().empty());
    SetFocus(push);
    display->Key(VK_RETURN);
    EXPECT_EQ(Take(), (std::vector<Notification>{{5, BN_CLICKED}}));
}

TEST_F(ButtonTest, AutoRadioButtonsClearTheirGroupOnly) {
    HWND a = Create(WC_BUTTON, "A", BS_AUTORADIOBUTTON | WS_GROUP, RECT{10, 10, 110, 30}, 1);
    HWND b = Create(WC_BUTTON, "B", BS_AUTORADIOBUTTON, RECT{10, 30, 110, 50}, 2);
    HWND c = Create(WC_BUTTON, "C", BS_AUTORADIOBUTTON | WS_GROUP, RECT{10, 50, 110, 70}, 3);
    // Groups follow the sibling order (GW_HWNDNEXT), which is the creation order.
    Click(a, 20, 10);
    Click(c, 20, 10);
    Click(b, 20, 10);
    EXPECT_EQ(SendMessage(a, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessage(b, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessage(c, BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(ButtonTest, DisabledButtonsIgnoreInput) {
    HWND button = Create(WC_BUTTON, "OK", BS_PUSHBUTTON | WS_DISABLED, RECT{10, 10, 110, 40}, 3);
    Click(button, 20, 15);
    SendMessage(button, BM_CLICK, 0, 0);
    EXPECT_TRUE(Take().empty());
}

TEST_F(ButtonTest, PushedButtonsLookSunkenAndOwnerDrawGoesToTheParent) {
    HWND button = Create(WC_BUTTON, "", BS_PUSHBUTTON, RECT{10, 10, 110, 40}, 3);
    // Raised: highlight at the top-left; pushed: a shadow frame there.
    EXPECT_EQ(Pixel(button, 0, 0), GetSysColor(COLOR_3DHIGHLIGHT));
    display->Press(At(button, 50, 15));
    display->Run();
    EXPECT_EQ(Pixel(button, 1, 1), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(Pixel(button, 0, 0), GetSysColor(COLOR_WINDOWFRAME));
    display->Release(At(button, 50, 15));
    display->Run();
}

} // namespace
} // namespace win::test

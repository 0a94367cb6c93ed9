#pragma once
// The modal loop of an open menu: it shows one "#32768" window per open level,
// takes the thread's input while it runs (a message-filter hook sees each
// message first with MSGF_MENU), selects with the mouse and the keyboard, and
// ends with the chosen command or none.

#include "platform/user/menus/MenuPopup.h"

#include <functional>
#include <memory>
#include <vector>

namespace win {

constexpr UINT WM_UNINITMENUPOPUP = 0x0125;

// The menu bar a tracked menu was opened from: Left, Right and the mouse move
// between its items.
struct MenuBarLink {
    HWND window = nullptr;
    HMENU bar = nullptr;
    int index = -1;
};

class MenuTracker {
public:
    MenuTracker(HWND owner, UINT flags, bool systemMenu);
    ~MenuTracker();
    MenuTracker(const MenuTracker&) = delete;
    MenuTracker& operator=(const MenuTracker&) = delete;

    // Runs the loop; the chosen command id, 0 when none. `selectFirst` selects
    // the first item at once (a menu opened from the keyboard).
    UINT Run(HMENU menu, POINT at, const RECT* exclude, bool selectFirst);
    void Cancel() { done_ = true; }
    // The bar item to open next when the loop ended by moving along the bar
    // (arrow keys or the mouse), -1 otherwise.
    int BarSwitch() const { return barSwitch_; }
    bool BarSwitchByKeyboard() const { return barByKeyboard_; }
    void LinkToBar(MenuBarLink link) { bar_ = link; }

    static MenuTracker* Active();
    // The screen rectangle of item `position` of `menu` while it is shown.
    bool ItemRect(HMENU menu, int position, RECT* rect) const;

private:
    bool Notifies() const { return !(flags_ & TPM_NONOTIFY); }
    bool Open(HMENU menu, POINT at, const RECT* exclude, int parentPosition);
    void OpenSubmenu(bool selectFirst);
    void CloseLevels(std::size_t keep);
    void Select(std::size_t level, int index, bool byMouse);
    void Choose(std::size_t level, int index);
    void Step(int direction);
    void SwitchBar(int index, bool byKeyboard);
    void StepBar(int direction);
    // The bar item under a screen point while tracking from a bar, or -1.
    int BarItemAt(POINT screen) const;

    bool HandleMessage(const MSG& msg);
    void OnMouse(const MSG& msg);
    void OnButtonDown(const MSG& msg);
    void OnButtonUp(const MSG& msg);
    void OnKeyDown(const MSG& msg);
    void OnChar(char32_t character);
    // The level whose window holds `screen`, deepest first; -1 for none.
    int LevelAt(POINT screen) const;
    static int ItemUnder(const MenuPopup& popup, POINT screen);
    const MenuItem* ItemOf(std::size_t level, int index) const;

    HWND owner_;
    UINT flags_;
    bool system_;
    std::vector<std::unique_ptr<MenuPopup>> levels_;
    UINT chosen_ = 0;
    bool done_ = false;
    bool pressedInside_ = false;
    bool mouseMoved_ = false;
    POINT lastMouse_{-1, -1};
    int barSwitch_ = -1;
    bool barByKeyboard_ = false;
    MenuBarLink bar_;
    MenuTracker* previous_ = nullptr;
};

// Gives up the mouse capture a menu window holds.
void ReleaseMenuCapture();
// Shows `menu` and tracks it for `owner`; the TrackPopupMenuEx result.
BOOL TrackMenu(HMENU menu, UINT flags, POINT at, HWND owner, const RECT* exclude, bool selectFirst);

} // namespace win

#pragma once
// Menus as components. A TMenu holds a tree of TMenuItem (its Items) and builds
// the platform menu from it on demand: a menu bar for TMainMenu, a popup menu
// for TPopupMenu. Every item gets a command id unique in the process, so the
// window that owns a platform menu hands WM_COMMAND, WM_INITMENUPOPUP,
// WM_MENUSELECT and the owner-draw messages back to the item concerned
// (HandleMenuMessage). A main menu tells its form of every change with
// CM_MENUCHANGED, which the skin engine listens to.

#include "framework/Component.h"
#include "framework/Exception.h"
#include "framework/gui/Control.h"
#include "framework/gui/MenuItem.h"

#include <functional>
#include <string>

namespace fw {

class TImageList;

// A bad item index, an item inserted twice, a submenu not in its menu.
class EMenuError : public Exception {
public:
    using Exception::Exception;
};

// A key with its modifiers: the virtual key in the low byte.
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

TShortCut ShortCut(int key, TShiftState shift);
// "Ctrl+O", "Shift+Del", "F5"; empty for scNone.
std::string ShortCutToText(TShortCut shortCut);

using TMenuChangeEvent = std::function<void(TObject* sender, TMenuItem* source, bool rebuild)>;

class TMenu : public TComponent {
    FW_CLASS(TMenu, TComponent)

    explicit TMenu(TComponent* owner);
    ~TMenu() override;

    // The root item: its children are the menu's items.
    TMenuItem* Items() const { return FItems.get(); }
    // The platform menu, built on first use and kept in step with the items.
    win::HMENU Handle() const { return FItems->Handle(); }
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* images);
    // Every item is drawn by the framework (or the items' draw events).
    bool OwnerDraw() const { return FOwnerDraw; }
    void SetOwnerDraw(bool ownerDraw);

    // The item of this menu with that command id, or with that submenu, or null.
    TMenuItem* FindItem(win::UINT command) const;
    TMenuItem* FindItem(win::HMENU submenu) const;
    // Clicks the item with that command id; false when it is not in this menu.
    bool DispatchCommand(win::UINT command);
    // Runs the item whose shortcut the key is; false when none has it.
    bool IsShortCut(TShortCut shortCut);
    // The item last selected while the menu was open, null once it closed.
    TMenuItem* SelectedItem() const;

    // A menu bar (TMainMenu) rather than a popup menu.
    virtual bool IsMenuBar() const { return false; }
    // An item changed; `rebuild` when items came, went or were shown or hidden.
    virtual void MenuChanged(TMenuItem* source, bool rebuild);

    TMenuChangeEvent OnChange;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    // The look of every item may change: every built menu is filled again.
    void RebuildAll();

    TComponentPtr<TMenuItem> FItems;
    TImageList* FImages = nullptr;
    bool FOwnerDraw = false;
};

// The menu bar of a form: the form's Menu property sets it on the window.
class TMainMenu : public TMenu {
    FW_CLASS(TMainMenu, TMenu)

    explicit TMainMenu(TComponent* owner);

    bool IsMenuBar() const override { return true; }
    // The window showing the bar; set by the form.
    win::HWND WindowHandle() const { return FWindowHandle; }
    void SetWindowHandle(win::HWND hwnd);
    // Redraws the bar and sends CM_MENUCHANGED to the window.
    void MenuChanged(TMenuItem* source, bool rebuild) override;

private:
    win::HWND FWindowHandle = nullptr;
};

// The item with that command id in any menu of the process, or null.
TMenuItem* FindMenuItem(win::UINT command);

// What a window that owns framework menus does with the menu messages:
// WM_COMMAND from a menu clicks the item, WM_INITMENUPOPUP clicks the item
// whose submenu opens (its OnClick can update the submenu), WM_MENUSELECT
// records the selected item, WM_MEASUREITEM and WM_DRAWITEM for ODT_MENU
// measure and draw the item. False for any other message, which goes on.
bool HandleMenuMessage(TMessage& message);

// A key press on control: runs the menu item with that shortcut in the
// control's popup menu or its form's main menu. True when one ran.
bool DispatchShortCut(TControl& control, const TMessage& message);

} // namespace fw

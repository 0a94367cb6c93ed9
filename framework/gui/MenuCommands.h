#pragma once
// The process-wide tables behind menu messages: command ids handed to items
// (unique while the item lives, within the 16 bits WM_COMMAND carries and
// below the system commands) and the submenu handles items own.

#include "platform/user/WinUser.h"

namespace fw {

class TMenuItem;

// EMenuError "Out of menu command ids" when every id is taken.
win::UINT AllocateMenuCommand(TMenuItem& item);
void ReleaseMenuCommand(win::UINT command);

void RegisterMenuHandle(win::HMENU handle, TMenuItem& item);
void UnregisterMenuHandle(win::HMENU handle);
// The item owning that submenu (or the menu's root item), or null.
TMenuItem* FindMenuItemByHandle(win::HMENU handle);

} // namespace fw

#pragma once
// Keyboard navigation of forms. The application loop hands every key message
// to the focused control first as a CN_ message (CN_KEYDOWN, CN_CHAR,
// CN_SYSCHAR, ...). A key the control does not ask for through WM_GETDLGCODE
// (Tab, arrows, Enter, Escape) goes to its form as CM_DIALOGKEY, a character it
// does not want (and every Alt+character) as CM_DIALOGCHAR; the form moves the
// focus for Tab and arrows and broadcasts the rest to its controls, where
// buttons answer Enter, Escape and their "&X" accelerators. A message a
// control answers with non-zero is not dispatched any further.

#include "framework/gui/WinControl.h"

#include <string_view>
#include <vector>

namespace fw {

// The top-level control holding control (itself when it has no parent).
TWinControl& ParentForm(TControl& control);

// The framework control that has the keyboard focus, or null.
TWinControl* FocusedControl();

// Whether caption marks charCode (a character, compared without case) as its
// accelerator with "&"; "&&" stands for a plain "&".
bool IsAccel(unsigned charCode, std::string_view caption);
// Whether message is a CM_DIALOGCHAR for the "&X" accelerator in control's
// caption and control can take the focus.
bool IsAccelFor(const TMessage& message, TWinControl& control);

// The window controls below container in tab order, depth first.
std::vector<TWinControl*> TabOrderList(const TWinControl& container);
// The control after (or before) current among those below container that can
// take the focus: only tab stops when checkTabStop, only container's own
// children when checkParent. Wraps around; null when there is none.
TWinControl* FindNextControl(const TWinControl& container, const TWinControl* current, bool forward,
                             bool checkTabStop, bool checkParent);
// Focuses the next control as FindNextControl finds it (arrows keep to the
// siblings, Tab goes through every tab stop); false when there is none.
bool SelectNext(TWinControl& container, const TWinControl* current, bool forward,
                bool checkTabStop);
// Focuses the first tab stop below container.
bool SelectFirst(TWinControl& container);

// The application loop's first step for a queued message: true when it was a
// key message that the focused control or its form took.
bool IsKeyMessage(const win::MSG& msg);

// The focused control's share: CN_KEYDOWN/CN_SYSKEYDOWN first tried as a menu
// shortcut, then with CN_CHAR/CN_SYSCHAR turned into CM_DIALOGKEY and
// CM_DIALOGCHAR for its form. The result is the
// message's result.
win::LRESULT ControlDialogKey(TWinControl& control, const TMessage& message);

// The form's share of CM_DIALOGKEY: Tab and Shift+Tab through the tab order,
// arrows between the siblings of the focused control. False when the key is
// left to the controls.
bool FormDialogKey(TWinControl& form, TMessage& message);

// Shift, Ctrl or Alt held with a dialog key (Alt from the key data).
bool ModifierHeld(win::LPARAM keyData);

} // namespace fw

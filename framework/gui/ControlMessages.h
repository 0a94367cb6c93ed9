#pragma once
// The framework's own notifications (CM_) and the reflected notifications (CN_)
// a parent hands back to the control that sent them. Skinners compare these
// numbers, so they keep the framework's values.

#include "platform/user/WinUser.h"

namespace fw {

constexpr win::UINT CM_BASE = 0xB000;
constexpr win::UINT CM_ACTIVATE = CM_BASE + 0;
constexpr win::UINT CM_DEACTIVATE = CM_BASE + 1;
constexpr win::UINT CM_GOTFOCUS = CM_BASE + 2;
constexpr win::UINT CM_LOSTFOCUS = CM_BASE + 3;
constexpr win::UINT CM_CANCELMODE = CM_BASE + 4;
constexpr win::UINT CM_DIALOGKEY = CM_BASE + 5;
constexpr win::UINT CM_DIALOGCHAR = CM_BASE + 6;
constexpr win::UINT CM_FOCUSCHANGED = CM_BASE + 7;
constexpr win::UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr win::UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr win::UINT CM_HITTEST = CM_BASE + 10;
constexpr win::UINT CM_VISIBLECHANGED = CM_BASE + 11;
constexpr win::UINT CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr win::UINT CM_COLORCHANGED = CM_BASE + 13;
constexpr win::UINT CM_FONTCHANGED = CM_BASE + 14;
constexpr win::UINT CM_CURSORCHANGED = CM_BASE + 15;
constexpr win::UINT CM_CTL3DCHANGED = CM_BASE + 16;
constexpr win::UINT CM_PARENTCTL3DCHANGED = CM_BASE + 17;
constexpr win::UINT CM_TEXTCHANGED = CM_BASE + 18;
constexpr win::UINT CM_MOUSEENTER = CM_BASE + 19;
constexpr win::UINT CM_MOUSELEAVE = CM_BASE + 20;
constexpr win::UINT CM_MENUCHANGED = CM_BASE + 21;
constexpr win::UINT CM_APPKEYDOWN = CM_BASE + 22;
constexpr win::UINT CM_APPSYSCOMMAND = CM_BASE + 23;
constexpr win::UINT CM_BUTTONPRESSED = CM_BASE + 24;
constexpr win::UINT CM_SHOWINGCHANGED = CM_BASE + 25;
constexpr win::UINT CM_ENTER = CM_BASE + 26;
constexpr win::UINT CM_EXIT = CM_BASE + 27;
constexpr win::UINT CM_DESIGNHITTEST = CM_BASE + 28;
constexpr win::UINT CM_ICONCHANGED = CM_BASE + 29;
constexpr win::UINT CM_WANTSPECIALKEY = CM_BASE + 30;
constexpr win::UINT CM_INVOKEHELP = CM_BASE + 31;
constexpr win::UINT CM_WINDOWHOOK = CM_BASE + 32;
constexpr win::UINT CM_RELEASE = CM_BASE + 33;
constexpr win::UINT CM_SHOWHINTCHANGED = CM_BASE + 34;
constexpr win::UINT CM_PARENTSHOWHINTCHANGED = CM_BASE + 35;
constexpr win::UINT CM_SYSCOLORCHANGE = CM_BASE + 36;
constexpr win::UINT CM_WININICHANGE = CM_BASE + 37;
constexpr win::UINT CM_FONTCHANGE = CM_BASE + 38;
constexpr win::UINT CM_TIMECHANGE = CM_BASE + 39;
constexpr win::UINT CM_TABSTOPCHANGED = CM_BASE + 40;
constexpr win::UINT CM_UIACTIVATE = CM_BASE + 41;
constexpr win::UINT CM_UIDEACTIVATE = CM_BASE + 42;
constexpr win::UINT CM_DOCWINDOWACTIVATE = CM_BASE + 43;
constexpr win::UINT CM_CONTROLLISTCHANGE = CM_BASE + 44;
constexpr win::UINT CM_GETDATALINK = CM_BASE + 45;
constexpr win::UINT CM_CHILDKEY = CM_BASE + 46;
constexpr win::UINT CM_DRAG = CM_BASE + 47;
constexpr win::UINT CM_HINTSHOW = CM_BASE + 48;
constexpr win::UINT CM_DIALOGHANDLE = CM_BASE + 49;
constexpr win::UINT CM_ISTOOLCONTROL = CM_BASE + 50;
constexpr win::UINT CM_RECREATEWND = CM_BASE + 51;
constexpr win::UINT CM_INVALIDATE = CM_BASE + 52;
constexpr win::UINT CM_SYSFONTCHANGED = CM_BASE + 53;
constexpr win::UINT CM_CONTROLCHANGE = CM_BASE + 54;
constexpr win::UINT CM_CHANGED = CM_BASE + 55;

// A parent reflects a child's notification to the child as CN_BASE + the message
// (item messages the window manager does not define yet are given by number).
constexpr win::UINT CN_BASE = 0xBC00;
constexpr win::UINT CN_CHARTOITEM = CN_BASE + 0x002F;
// Keyboard input goes to the focused control as these first (see DialogKeys.h).
constexpr win::UINT CN_KEYDOWN = CN_BASE + win::WM_KEYDOWN;
constexpr win::UINT CN_KEYUP = CN_BASE + win::WM_KEYUP;
constexpr win::UINT CN_CHAR = CN_BASE + win::WM_CHAR;
constexpr win::UINT CN_SYSKEYDOWN = CN_BASE + win::WM_SYSKEYDOWN;
constexpr win::UINT CN_SYSKEYUP = CN_BASE + win::WM_SYSKEYUP;
constexpr win::UINT CN_SYSCHAR = CN_BASE + win::WM_SYSCHAR;
constexpr win::UINT CN_COMMAND = CN_BASE + win::WM_COMMAND;
constexpr win::UINT CN_COMPAREITEM = CN_BASE + 0x0039;
constexpr win::UINT CN_CTLCOLORBTN = CN_BASE + win::WM_CTLCOLORBTN;
constexpr win::UINT CN_CTLCOLORDLG = CN_BASE + win::WM_CTLCOLORDLG;
constexpr win::UINT CN_CTLCOLOREDIT = CN_BASE + win::WM_CTLCOLOREDIT;
constexpr win::UINT CN_CTLCOLORLISTBOX = CN_BASE + win::WM_CTLCOLORLISTBOX;
constexpr win::UINT CN_CTLCOLORMSGBOX = CN_BASE + win::WM_CTLCOLORMSGBOX;
constexpr win::UINT CN_CTLCOLORSCROLLBAR = CN_BASE + win::WM_CTLCOLORSCROLLBAR;
constexpr win::UINT CN_CTLCOLORSTATIC = CN_BASE + win::WM_CTLCOLORSTATIC;
constexpr win::UINT CN_DELETEITEM = CN_BASE + 0x002D;
constexpr win::UINT CN_DRAWITEM = CN_BASE + win::WM_DRAWITEM;
constexpr win::UINT CN_HSCROLL = CN_BASE + win::WM_HSCROLL;
constexpr win::UINT CN_MEASUREITEM = CN_BASE + win::WM_MEASUREITEM;
constexpr win::UINT CN_NOTIFY = CN_BASE + win::WM_NOTIFY;
constexpr win::UINT CN_VKEYTOITEM = CN_BASE + 0x002E;
constexpr win::UINT CN_VSCROLL = CN_BASE + win::WM_VSCROLL;

// One message as a control's WindowProc sees it; the handler sets Result.
struct TMessage {
    win::UINT Msg = 0;
    win::WPARAM WParam = 0;
    win::LPARAM LParam = 0;
    win::LRESULT Result = 0;
};

} // namespace fw

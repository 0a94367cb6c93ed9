#pragma once
// Multiple-document windows: the MDI client window (class "MDIClient") inside
// a frame, its child windows (WS_EX_MDICHILD), the WM_MDI* messages, and the
// default procedures of the frame and of the children. A maximised child's
// minimise, restore and close buttons move into the frame's menu bar.

#include "platform/user/WinUser.h"

namespace win {

inline constexpr const char* WC_MDICLIENT = "MDIClient";

constexpr UINT WM_MDICREATE = 0x0220;
constexpr UINT WM_MDIDESTROY = 0x0221;
constexpr UINT WM_MDIACTIVATE = 0x0222;
constexpr UINT WM_MDIRESTORE = 0x0223;
constexpr UINT WM_MDINEXT = 0x0224;
constexpr UINT WM_MDIMAXIMIZE = 0x0225;
constexpr UINT WM_MDITILE = 0x0226;
constexpr UINT WM_MDICASCADE = 0x0227;
constexpr UINT WM_MDIICONARRANGE = 0x0228;
constexpr UINT WM_MDIGETACTIVE = 0x0229;
constexpr UINT WM_MDISETMENU = 0x0230;
constexpr UINT WM_MDIREFRESHMENU = 0x0234;

// Bitmap handles of the caption buttons a maximised child puts in the bar.
inline const HBITMAP HBMMENU_MBAR_RESTORE = reinterpret_cast<HBITMAP>(std::uintptr_t(2));
inline const HBITMAP HBMMENU_MBAR_MINIMIZE = reinterpret_cast<HBITMAP>(std::uintptr_t(3));
inline const HBITMAP HBMMENU_MBAR_CLOSE = reinterpret_cast<HBITMAP>(std::uintptr_t(5));

struct CLIENTCREATESTRUCT {
    HMENU hWindowMenu = nullptr;
    UINT idFirstChild = 0;
};

struct MDICREATESTRUCT {
    const char* szClass = nullptr;
    const char* szTitle = nullptr;
    HINSTANCE hOwner = nullptr;
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    int cx = CW_USEDEFAULT;
    int cy = CW_USEDEFAULT;
    DWORD style = 0;
    LPARAM lParam = 0;
};

LRESULT DefFrameProc(HWND frame, HWND client, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DefMDIChildProc(HWND child, UINT message, WPARAM wParam, LPARAM lParam);

// The MDI keys for the message loop: Ctrl+F6 (Ctrl+Tab) activates the next
// child, with Shift the previous; Ctrl+F4 closes the active one. TRUE when
// the message was one of them.
BOOL TranslateMDISysAccel(HWND client, MSG* msg);

// Registers "#32768", "#32770" and "MDIClient" (once).
void RegisterMenuAndDialogClasses();

} // namespace win

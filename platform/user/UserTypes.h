#pragma once
// Handles and records of the window manager, with their Windows names and field
// orders, so that code written against the Windows API reads the same here.

#include "platform/gdi/GdiTypes.h"
#include "platform/kernel/WinTypes.h"

#include <cstdint>
#include <string>

namespace win {

WIN_DECLARE_HANDLE(HWND);
WIN_DECLARE_HANDLE(HMENU);
WIN_DECLARE_HANDLE(HHOOK);

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
using HOOKPROC = LRESULT (*)(int code, WPARAM, LPARAM);
using TIMERPROC = void (*)(HWND, UINT, std::uintptr_t, DWORD);
using WNDENUMPROC = BOOL (*)(HWND, LPARAM);
using UINT_PTR = std::uintptr_t;
using LONG_PTR = std::intptr_t;

struct MSG {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    DWORD time = 0;
    POINT pt;
};

struct WNDCLASS {
    UINT style = 0;
    WNDPROC lpfnWndProc = nullptr;
    int cbClsExtra = 0;
    int cbWndExtra = 0;
    HINSTANCE hInstance = nullptr;
    HICON hIcon = nullptr;
    HCURSOR hCursor = nullptr;
    HBRUSH hbrBackground = nullptr;
    const char* lpszMenuName = nullptr;
    const char* lpszClassName = nullptr;
};

struct CREATESTRUCT {
    void* lpCreateParams = nullptr;
    HINSTANCE hInstance = nullptr;
    HMENU hMenu = nullptr;
    HWND hwndParent = nullptr;
    int cy = 0;
    int cx = 0;
    int y = 0;
    int x = 0;
    LONG style = 0;
    const char* lpszName = nullptr;
    const char* lpszClass = nullptr;
    DWORD dwExStyle = 0;
};

struct WINDOWPOS {
    HWND hwnd = nullptr;
    HWND hwndInsertAfter = nullptr;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    UINT flags = 0;
};

struct NCCALCSIZE_PARAMS {
    RECT rgrc[3];
    WINDOWPOS* lppos = nullptr;
};

struct MINMAXINFO {
    POINT ptReserved;
    POINT ptMaxSize;
    POINT ptMaxPosition;
    POINT ptMinTrackSize;
    POINT ptMaxTrackSize;
};

struct WINDOWPLACEMENT {
    UINT length = sizeof(WINDOWPLACEMENT);
    UINT flags = 0;
    UINT showCmd = 0;
    POINT ptMinPosition;
    POINT ptMaxPosition;
    RECT rcNormalPosition;
};

struct PAINTSTRUCT {
    HDC hdc = nullptr;
    BOOL fErase = FALSE;
    RECT rcPaint;
    BOOL fRestore = FALSE;
    BOOL fIncUpdate = FALSE;
    BYTE rgbReserved[32] = {};
};

struct TRACKMOUSEEVENT {
    DWORD cbSize = sizeof(TRACKMOUSEEVENT);
    DWORD dwFlags = 0;
    HWND hwndTrack = nullptr;
    DWORD dwHoverTime = 0;
};

struct SCROLLINFO {
    UINT cbSize = sizeof(SCROLLINFO);
    UINT fMask = 0;
    int nMin = 0;
    int nMax = 0;
    UINT nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;
};

// rgstate: 0 the bar, 1 top/left arrow, 2 page up, 3 thumb, 4 page down,
// 5 bottom/right arrow.
struct SCROLLBARINFO {
    DWORD cbSize = sizeof(SCROLLBARINFO);
    RECT rcScrollBar;
    int dxyLineButton = 0;
    int xyThumbTop = 0;
    int xyThumbBottom = 0;
    int reserved = 0;
    DWORD rgstate[6] = {};
};

struct CBT_CREATEWND {
    CREATESTRUCT* lpcs = nullptr;
    HWND hwndInsertAfter = nullptr;
};

struct CBTACTIVATESTRUCT {
    BOOL fMouse = FALSE;
    HWND hWndActive = nullptr;
};

struct STYLESTRUCT {
    DWORD styleOld = 0;
    DWORD styleNew = 0;
};

} // namespace win

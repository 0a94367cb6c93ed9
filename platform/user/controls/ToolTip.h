#pragma once
// "tooltips_class32", for tracking tips: a pop-up in the info colours with a
// thin frame, that shows one of its tools' texts where its owner places it
// (TTM_TRACKPOSITION, TTM_TRACKACTIVATE), sized to the text (wrapped at
// TTM_SETMAXTIPWIDTH when that is set), above other windows, never activated
// and transparent to the mouse. Tips that show themselves when the mouse rests
// on a tool (TTM_RELAYEVENT, TTF_SUBCLASS) are not part of it: the framework's
// hint machinery decides when a hint shows.

#include "platform/user/controls/ControlSupport.h"

#include <string>
#include <vector>

namespace win {

inline constexpr const char* TOOLTIPS_CLASS = "tooltips_class32";

constexpr DWORD TTS_ALWAYSTIP = 0x01;
constexpr DWORD TTS_NOPREFIX = 0x02;

constexpr UINT TTF_IDISHWND = 0x0001;
constexpr UINT TTF_TRACK = 0x0020;
// The tracked position is the tip's top-left corner as it is; without this
// flag the tip is kept on the screen.
constexpr UINT TTF_ABSOLUTE = 0x0080;

constexpr UINT TTM_TRACKACTIVATE = WM_USER + 17;
constexpr UINT TTM_TRACKPOSITION = WM_USER + 18;
constexpr UINT TTM_SETTIPBKCOLOR = WM_USER + 19;
constexpr UINT TTM_SETTIPTEXTCOLOR = WM_USER + 20;
constexpr UINT TTM_GETTIPBKCOLOR = WM_USER + 22;
constexpr UINT TTM_GETTIPTEXTCOLOR = WM_USER + 23;
constexpr UINT TTM_SETMAXTIPWIDTH = WM_USER + 24;
constexpr UINT TTM_GETMAXTIPWIDTH = WM_USER + 25;
constexpr UINT TTM_SETMARGIN = WM_USER + 26;
constexpr UINT TTM_GETMARGIN = WM_USER + 27;
constexpr UINT TTM_POP = WM_USER + 28;
constexpr UINT TTM_GETBUBBLESIZE = WM_USER + 30;
constexpr UINT TTM_ADJUSTRECT = WM_USER + 31;
constexpr UINT TTM_GETTOOLCOUNT = WM_USER + 13;
constexpr UINT TTM_ADDTOOL = WM_USER + 50;
constexpr UINT TTM_DELTOOL = WM_USER + 51;
constexpr UINT TTM_UPDATETIPTEXT = WM_USER + 57;

struct TOOLINFO {
    UINT cbSize = sizeof(TOOLINFO);
    UINT uFlags = 0;
    HWND hwnd = nullptr;
    UINT_PTR uId = 0;
    RECT rect{0, 0, 0, 0};
    HINSTANCE hinst = nullptr;
    char* lpszText = nullptr;
    LPARAM lParam = 0;
    void* lpReserved = nullptr;
};

namespace controls {

class ToolTip {
public:
    explicit ToolTip(HWND hwnd) : hwnd_(hwnd) {}
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    static void Register();
    void Paint(HDC hdc);

private:
    struct Tool {
        UINT flags;
        HWND owner;
        UINT_PTR id;
        std::string text;
    };

    Tool* Find(const TOOLINFO* info);
    LRESULT AddTool(const TOOLINFO* info);
    LRESULT DeleteTool(const TOOLINFO* info);
    LRESULT UpdateText(const TOOLINFO* info);
    void TrackActivate(bool show, const TOOLINFO* info);
    // Size and place the window for the tracked tool, and show it.
    void Place();
    void Hide();
    SIZE TextSize(const std::string& text) const;
    SIZE BubbleSize(const std::string& text) const;
    // The text box inside a window rectangle, or the reverse.
    RECT Adjusted(RECT rect, bool larger) const;
    UINT TextFormat() const;

    HWND hwnd_;
    std::vector<Tool> tools_;
    // Index into tools_ of the tool being shown, or -1.
    int tracked_ = -1;
    POINT position_{0, 0};
    int maxWidth_ = -1;
    RECT margin_{2, 1, 2, 1};
    COLORREF backColor_ = CLR_DEFAULT;
    COLORREF textColor_ = CLR_DEFAULT;
};

} // namespace controls
} // namespace win

#include "WindowTestSupport.h"

#include <vector>

namespace win::test {

std::string MessageName(UINT message) {
    static const std::map<UINT, std::string> names{
        {WM_CREATE, "WM_CREATE"},
        {WM_DESTROY, "WM_DESTROY"},
        {WM_MOVE, "WM_MOVE"},
        {WM_SIZE, "WM_SIZE"},
        {WM_ACTIVATE, "WM_ACTIVATE"},
        {WM_SETFOCUS, "WM_SETFOCUS"},
        {WM_KILLFOCUS, "WM_KILLFOCUS"},
        {WM_ENABLE, "WM_ENABLE"},
        {WM_SETTEXT, "WM_SETTEXT"},
        {WM_PAINT, "WM_PAINT"},
        {WM_CLOSE, "WM_CLOSE"},
        {WM_ERASEBKGND, "WM_ERASEBKGND"},
        {WM_SHOWWINDOW, "WM_SHOWWINDOW"},
        {WM_ACTIVATEAPP, "WM_ACTIVATEAPP"},
        {WM_GETMINMAXINFO, "WM_GETMINMAXINFO"},
        {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
        {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"},
        {WM_NCCREATE, "WM_NCCREATE"},
        {WM_NCDESTROY, "WM_NCDESTROY"},
        {WM_NCCALCSIZE, "WM_NCCALCSIZE"},
        {WM_NCPAINT, "WM_NCPAINT"},
        {WM_NCACTIVATE, "WM_NCACTIVATE"},
        {WM_NCLBUTTONDOWN, "WM_NCLBUTTONDOWN"},
        {WM_NCLBUTTONUP, "WM_NCLBUTTONUP"},
        {WM_NCLBUTTONDBLCLK, "WM_NCLBUTTONDBLCLK"},
        {WM_KEYDOWN, "WM_KEYDOWN"},
        {WM_KEYUP, "WM_KEYUP"},
        {WM_CHAR, "WM_CHAR"},
        {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"},
        {WM_SYSKEYUP, "WM_SYSKEYUP"},
        {WM_SYSCHAR, "WM_SYSCHAR"},
        {WM_SYSCOMMAND, "WM_SYSCOMMAND"},
        {WM_TIMER, "WM_TIMER"},
        {WM_HSCROLL, "WM_HSCROLL"},
        {WM_VSCROLL, "WM_VSCROLL"},
        {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
        {WM_LBUTTONUP, "WM_LBUTTONUP"},
        {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"},
        {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"},
        {WM_RBUTTONUP, "WM_RBUTTONUP"},
        {WM_MOUSEWHEEL, "WM_MOUSEWHEEL"},
        {WM_PARENTNOTIFY, "WM_PARENTNOTIFY"},
        {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
        {WM_ENTERSIZEMOVE, "WM_ENTERSIZEMOVE"},
        {WM_EXITSIZEMOVE, "WM_EXITSIZEMOVE"},
        {WM_MOVING, "WM_MOVING"},
        {WM_SIZING, "WM_SIZING"},
        {WM_MOUSELEAVE, "WM_MOUSELEAVE"},
        {WM_NCMOUSELEAVE, "WM_NCMOUSELEAVE"},
        {WM_MOUSEACTIVATE, "WM_MOUSEACTIVATE"},
        {WM_STYLECHANGING, "WM_STYLECHANGING"},
        {WM_STYLECHANGED, "WM_STYLECHANGED"},
        {WM_CANCELMODE, "WM_CANCELMODE"},
        {WM_USER, "WM_USER"},
    };
    auto found = names.find(message);
    return found == names.end() ? std::string() : found->second;
}

MessageLog& MessageLog::Get() {
    static MessageLog log;
    return log;
}

void MessageLog::Record(HWND hwnd, UINT message) {
    auto name = names_.find(hwnd);
    if (name == names_.end())
        return;
    const bool noisy = message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE ||
                       message == WM_NCHITTEST || message == WM_SETCURSOR ||
                       message == WM_GETTEXT || message == WM_GETICON;
    if (noisy && !noise_)
        return;
    std::string text = MessageName(message);
    if (text.empty()) {
        if (!noise_)
            return;
        text = std::to_string(message);
    }
    entries_.push_back(name->second + ":" + text);
}

std::vector<std::string> MessageLog::Take() {
    std::vector<std::string> taken;
    taken.swap(entries_);
    return taken;
}

LRESULT RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    MessageLog::Get().Record(hwnd, message);
    return DefWindowProc(hwnd, message, wParam, lParam);
}

void WindowTest::SetUp() {
    display = &headless::TestDisplay::Install();
    WNDCLASS wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = RecordingProc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(std::uintptr_t(COLOR_WINDOW + 1));
    wc.lpszClassName = kClass;
    RegisterClass(&wc);
    MessageLog::Get().RecordNoise(false);
    MessageLog::Get().Clear();
}

void WindowTest::TearDown() {
    std::vector<HWND> tops;
    EnumWindows(
        [](HWND hwnd, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&tops));
    for (HWND top : tops)
        DestroyWindow(top);
    display->Run();
    MessageLog::Get().Clear();
    ReleaseCapture();
}

HWND WindowTest::Create(const std::string& name, DWORD style, RECT r, HWND parent, DWORD exStyle,
                        const char* className) {
    // The name must be known before the first message arrives: record the
    // creation through a CBT hook that names the window as it is born.
    static std::string pending;
    pending = name;
    HHOOK hook = SetWindowsHookEx(
        WH_CBT,
        [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (code == HCBT_CREATEWND && !pending.empty()) {
                MessageLog::Get().Name(reinterpret_cast<HWND>(wParam), pending);
                pending.clear();
            }
            return CallNextHookEx(nullptr, code, wParam, lParam);
        },
        nullptr, GetCurrentThreadId());
    const HWND hwnd =
        CreateWindowEx(exStyle, className, name.c_str(), style, r.left, r.top, r.right - r.left,
                       r.bottom - r.top, parent, nullptr, nullptr, nullptr);
    UnhookWindowsHookEx(hook);
    return hwnd;
}

} // namespace win::test

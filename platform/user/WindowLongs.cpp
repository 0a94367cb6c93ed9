// Window longs, text, properties and class queries.

#include "platform/user/Desktop.h"
#include "platform/user/Dispatch.h"
#include "platform/user/WinUser.h"

#include <algorithm>
#include <cstring>
#include <strings.h>
#include <unistd.h>

namespace win {

namespace {

Window* Find(HWND hwnd) {
    return Desktop::Get().Find(hwnd);
}

int CopyOut(const std::string& text, char* buffer, int size) {
    if (buffer == nullptr || size <= 0)
        return 0;
    const std::size_t copied = std::min(text.size(), std::size_t(size - 1));
    std::memcpy(buffer, text.data(), copied);
    buffer[copied] = '\0';
    return int(copied);
}

LONG_PTR ReadExtra(const Window& window, int index) {
    if (index < 0 || std::size_t(index) + sizeof(LONG_PTR) > window.extraBytes.size())
        return 0;
    LONG_PTR value = 0;
    std::memcpy(&value, window.extraBytes.data() + index, sizeof value);
    return value;
}

LONG_PTR WriteExtra(Window& window, int index, LONG_PTR value) {
    if (index < 0 || std::size_t(index) + sizeof(LONG_PTR) > window.extraBytes.size())
        return 0;
    const LONG_PTR old = ReadExtra(window, index);
    std::memcpy(window.extraBytes.data() + index, &value, sizeof value);
    return old;
}

// Style changes go through WM_STYLECHANGING/WM_STYLECHANGED as on Windows;
// the frame is not recalculated until SetWindowPos with SWP_FRAMECHANGED.
LONG_PTR ChangeStyle(HWND hwnd, int index, DWORD value) {
    Window* window = Find(hwnd);
    const DWORD old = index == GWL_STYLE ? window->style : window->exStyle;
    STYLESTRUCT change{old, value};
    SendWithPointer(hwnd, WM_STYLECHANGING, WPARAM(index), &change);
    if ((window = Find(hwnd)) == nullptr)
        return 0;
    if (index == GWL_STYLE)
        window->style = change.styleNew;
    else
        window->exStyle = change.styleNew;
    SendWithPointer(hwnd, WM_STYLECHANGED, WPARAM(index), &change);
    return LONG_PTR(old);
}

} // namespace

LONG_PTR GetWindowLongPtr(HWND hwnd, int index) {
    const Window* window = Find(hwnd);
    if (window == nullptr)
        return 0;
    switch (index) {
    case GWL_WNDPROC:
        return reinterpret_cast<LONG_PTR>(window->proc);
    case GWL_HINSTANCE:
        return reinterpret_cast<LONG_PTR>(window->instance);
    case GWL_HWNDPARENT:
        return reinterpret_cast<LONG_PTR>(window->IsChild() ? window->parent->handle
                                                            : window->owner);
    case GWL_ID:
        return LONG_PTR(window->idOrMenu);
    case GWL_STYLE:
        return LONG_PTR(window->style);
    case GWL_EXSTYLE:
        return LONG_PTR(window->exStyle);
    case GWL_USERDATA:
        return window->userData;
    default:
        return ReadExtra(*window, index);
    }
}

LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value) {
    Window* window = Find(hwnd);
    if (window == nullptr)
        return 0;
    LONG_PTR old = 0;
    switch (index) {
    case GWL_WNDPROC:
        old = reinterpret_cast<LONG_PTR>(window->proc);
        window->proc = reinterpret_cast<WNDPROC>(value);
        return old;
    case GWL_HINSTANCE:
        old = reinterpret_cast<LONG_PTR>(window->instance);
        window->instance = reinterpret_cast<HINSTANCE>(value);
        return old;
    case GWL_HWNDPARENT:
        if (window->IsChild())
            return 0;
        old = reinterpret_cast<LONG_PTR>(window->owner);
        window->owner = reinterpret_cast<HWND>(value);
        return old;
    case GWL_ID:
        old = LONG_PTR(window->idOrMenu);
        window->idOrMenu = UINT_PTR(value);
        return old;
    case GWL_STYLE:
    case GWL_EXSTYLE:
        return ChangeStyle(hwnd, index, DWORD(value));
    case GWL_USERDATA:
        old = window->userData;
        window->userData = value;
        return old;
    default:
        return WriteExtra(*window, index, value);
    }
}

LONG GetWindowLong(HWND hwnd, int index) {
    return LONG(GetWindowLongPtr(hwnd, index));
}

LONG SetWindowLong(HWND hwnd, int index, LONG value) {
    // Styles are 32-bit values: keep them unsigned on the way in.
    if (index == GWL_STYLE || index == GWL_EXSTYLE)
        return LONG(SetWindowLongPtr(hwnd, index, LONG_PTR(DWORD(value))));
    return LONG(SetWindowLongPtr(hwnd, index, value));
}

int GetWindowText(HWND hwnd, char* buffer, int size) {
    if (buffer == nullptr || size <= 0)
        return 0;
    buffer[0] = '\0';
    return int(SendMessage(hwnd, WM_GETTEXT, WPARAM(size), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLength(HWND hwnd) {
    return int(SendMessage(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

BOOL SetWindowText(HWND hwnd, const char* text) {
    if (!IsWindow(hwnd))
        return FALSE;
    return SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) ? TRUE : FALSE;
}

// The stored text behind WM_GETTEXT/WM_SETTEXT of DefWindowProc.
int CopyWindowText(HWND hwnd, char* buffer, int size) {
    const Window* window = Find(hwnd);
    return window == nullptr ? 0 : CopyOut(window->text, buffer, size);
}

namespace {

auto FindProperty(Window& window, const char* name) {
    const auto value = reinterpret_cast<std::uintptr_t>(name);
    const ATOM atom = value <= 0xFFFF ? ATOM(value) : GlobalFindAtom(name);
    return std::find_if(window.properties.begin(), window.properties.end(),
                        [&](const WindowProperty& p) {
                            if (atom != 0 && p.atom == atom)
                                return true;
                            return value > 0xFFFF && strcasecmp(p.name.c_str(), name) == 0;
                        });
}

} // namespace

BOOL SetProp(HWND hwnd, const char* name, HANDLE data) {
    Window* window = Find(hwnd);
    if (window == nullptr || name == nullptr)
        return FALSE;
    auto found = FindProperty(*window, name);
    if (found != window->properties.end()) {
        found->data = data;
        return TRUE;
    }
    WindowProperty property;
    const auto value = reinterpret_cast<std::uintptr_t>(name);
    if (value <= 0xFFFF) {
        property.atom = ATOM(value);
    } else {
        property.name = name;
        property.atom = GlobalFindAtom(name);
    }
    property.data = data;
    window->properties.push_back(std::move(property));
    return TRUE;
}

HANDLE GetProp(HWND hwnd, const char* name) {
    Window* window = Find(hwnd);
    if (window == nullptr || name == nullptr)
        return nullptr;
    auto found = FindProperty(*window, name);
    return found == window->properties.end() ? nullptr : found->data;
}

HANDLE RemoveProp(HWND hwnd, const char* name) {
    Window* window = Find(hwnd);
    if (window == nullptr || name == nullptr)
        return nullptr;
    auto found = FindProperty(*window, name);
    if (found == window->properties.end())
        return nullptr;
    HANDLE data = found->data;
    window->properties.erase(found);
    return data;
}

int GetClassName(HWND hwnd, char* buffer, int size) {
    const Window* window = Find(hwnd);
    return window == nullptr ? 0 : CopyOut(window->windowClass->Name(), buffer, size);
}

ATOM RegisterClass(const WNDCLASS* windowClass) {
    return windowClass == nullptr ? 0 : Desktop::Get().Classes().Register(*windowClass);
}

BOOL UnregisterClass(const char* className, HINSTANCE instance) {
    return Desktop::Get().Classes().Unregister(ClassNameArgument(className), instance);
}

BOOL GetClassInfo(HINSTANCE, const char* className, WNDCLASS* windowClass) {
    auto found = Desktop::Get().Classes().Find(ClassNameArgument(className));
    if (found == nullptr || windowClass == nullptr)
        return FALSE;
    *windowClass = found->Description();
    return TRUE;
}

LONG_PTR GetClassLongPtr(HWND hwnd, int index) {
    const Window* window = Find(hwnd);
    if (window == nullptr)
        return 0;
    const WNDCLASS& d = window->windowClass->Description();
    switch (index) {
    case GCL_STYLE:
        return LONG_PTR(d.style);
    case GCLP_HBRBACKGROUND:
        return reinterpret_cast<LONG_PTR>(d.hbrBackground);
    case GCLP_HCURSOR:
        return reinterpret_cast<LONG_PTR>(d.hCursor);
    case GCLP_HICON:
        return reinterpret_cast<LONG_PTR>(d.hIcon);
    case GCLP_HICONSM:
        return reinterpret_cast<LONG_PTR>(window->windowClass->SmallIcon());
    case GCLP_WNDPROC:
        return reinterpret_cast<LONG_PTR>(d.lpfnWndProc);
    default:
        return 0;
    }
}

DWORD GetClassLong(HWND hwnd, int index) {
    return DWORD(GetClassLongPtr(hwnd, index));
}

LONG_PTR SetClassLongPtr(HWND hwnd, int index, LONG_PTR value) {
    Window* window = Find(hwnd);
    if (window == nullptr)
        return 0;
    const LONG_PTR old = GetClassLongPtr(hwnd, index);
    WindowClass& cls = *window->windowClass;
    WNDCLASS& d = cls.Description();
    switch (index) {
    case GCL_STYLE:
        d.style = UINT(value);
        break;
    case GCLP_HBRBACKGROUND:
        d.hbrBackground = reinterpret_cast<HBRUSH>(value);
        break;
    case GCLP_HCURSOR:
        d.hCursor = reinterpret_cast<HCURSOR>(value);
        break;
    case GCLP_HICON:
        d.hIcon = reinterpret_cast<HICON>(value);
        break;
    case GCLP_HICONSM:
        cls.SetSmallIcon(reinterpret_cast<HICON>(value));
        break;
    case GCLP_WNDPROC:
        d.lpfnWndProc = reinterpret_cast<WNDPROC>(value);
        break;
    default:
        return 0;
    }
    return old;
}

DWORD GetWindowThreadProcessId(HWND hwnd, DWORD* processId) {
    const Window* window = Find(hwnd);
    if (window == nullptr)
        return 0;
    if (processId != nullptr)
        *processId = DWORD(getpid());
    return window->threadId;
}

} // namespace win

#pragma once
// The Windows base types, with their Windows names and sizes, inside namespace win.
// Every other platform header builds on these; handle types are declared by the
// header of the facility that owns them (HDC in gdi, HWND in user, ...).

#include <cstdint>

namespace win {

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = std::uint32_t;
using INT = std::int32_t;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using BOOL = std::int32_t;
using HRESULT = std::int32_t;
using COLORREF = DWORD;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using ATOM = WORD;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

// A distinct pointer type per handle kind, as Windows' STRICT mode declares them,
// so a brush can never be passed where a window is expected.
#define WIN_DECLARE_HANDLE(name)                                                                   \
    struct name##__;                                                                               \
    using name = name##__*

WIN_DECLARE_HANDLE(HINSTANCE);
using HMODULE = HINSTANCE;
using HANDLE = void*;
using HGDIOBJ = void*;

struct POINT {
    LONG x = 0;
    LONG y = 0;
    friend bool operator==(const POINT&, const POINT&) = default;
};

struct SIZE {
    LONG cx = 0;
    LONG cy = 0;
    friend bool operator==(const SIZE&, const SIZE&) = default;
};

struct RECT {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
    friend bool operator==(const RECT&, const RECT&) = default;
};

constexpr WORD LOWORD(std::uintptr_t v) {
    return static_cast<WORD>(v & 0xFFFF);
}
constexpr WORD HIWORD(std::uintptr_t v) {
    return static_cast<WORD>((v >> 16) & 0xFFFF);
}
constexpr BYTE LOBYTE(std::uintptr_t v) {
    return static_cast<BYTE>(v & 0xFF);
}
constexpr DWORD MAKELONG(WORD lo, WORD hi) {
    return DWORD(lo) | (DWORD(hi) << 16);
}
constexpr LPARAM MAKELPARAM(WORD lo, WORD hi) {
    return static_cast<LPARAM>(MAKELONG(lo, hi));
}
constexpr WPARAM MAKEWPARAM(WORD lo, WORD hi) {
    return MAKELONG(lo, hi);
}
// Signed coordinates packed into an LPARAM, as GET_X_LPARAM/GET_Y_LPARAM read them.
constexpr int GET_X_LPARAM(LPARAM lp) {
    return static_cast<std::int16_t>(LOWORD(lp));
}
constexpr int GET_Y_LPARAM(LPARAM lp) {
    return static_cast<std::int16_t>(HIWORD(lp));
}

constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
    return COLORREF(r) | (COLORREF(g) << 8) | (COLORREF(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c) {
    return static_cast<BYTE>(c & 0xFF);
}
constexpr BYTE GetGValue(COLORREF c) {
    return static_cast<BYTE>((c >> 8) & 0xFF);
}
constexpr BYTE GetBValue(COLORREF c) {
    return static_cast<BYTE>((c >> 16) & 0xFF);
}

constexpr bool SUCCEEDED(HRESULT hr) {
    return hr >= 0;
}
constexpr bool FAILED(HRESULT hr) {
    return hr < 0;
}

} // namespace win

#pragma once
// The input method's composition as a window sees it: Windows' WM_IME_
// messages and the default input context of the GUI thread. Strings are UTF-8;
// positions are byte offsets into them.

#include "platform/user/UserTypes.h"

namespace win {

WIN_DECLARE_HANDLE(HIMC);

constexpr UINT WM_IME_STARTCOMPOSITION = 0x010D;
constexpr UINT WM_IME_ENDCOMPOSITION = 0x010E;
constexpr UINT WM_IME_COMPOSITION = 0x010F;

// WM_IME_COMPOSITION's lParam and ImmGetCompositionString's index.
constexpr DWORD GCS_COMPSTR = 0x0008;
constexpr DWORD GCS_CURSORPOS = 0x0080;

constexpr LONG IMM_ERROR_NODATA = -1;
constexpr LONG IMM_ERROR_GENERAL = -2;

// The thread's one input context, for any window; null for a non-window.
HIMC ImmGetContext(HWND hwnd);
BOOL ImmReleaseContext(HWND hwnd, HIMC context);
// GCS_COMPSTR copies up to `size` bytes of the composition (no terminator) and
// returns the bytes copied, or the bytes needed when `size` is 0;
// GCS_CURSORPOS returns the cursor's byte offset.
LONG ImmGetCompositionString(HIMC context, DWORD index, void* buffer, DWORD size);

} // namespace win

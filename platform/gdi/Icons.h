#pragma once
// Icons: an AND mask and a colour image, drawn as Windows draws them (mask
// ANDed, image XORed), and bitmap or icon copies at another size.

#include "platform/gdi/GdiTypes.h"

namespace win {

constexpr UINT DI_MASK = 0x0001;
constexpr UINT DI_IMAGE = 0x0002;
constexpr UINT DI_NORMAL = 0x0003;
constexpr UINT DI_COMPAT = 0x0004;
constexpr UINT DI_DEFAULTSIZE = 0x0008;

constexpr UINT IMAGE_BITMAP = 0;
constexpr UINT IMAGE_ICON = 1;
constexpr UINT LR_DEFAULTCOLOR = 0x0000;
constexpr UINT LR_COPYDELETEORG = 0x0008;
constexpr UINT LR_CREATEDIBSECTION = 0x2000;

struct ICONINFO {
    BOOL fIcon = TRUE;
    DWORD xHotspot = 0;
    DWORD yHotspot = 0;
    HBITMAP hbmMask = nullptr;
    HBITMAP hbmColor = nullptr;
};

// The icon keeps copies of the bitmaps; the caller still owns (and deletes) its own.
HICON CreateIconIndirect(const ICONINFO* info);
BOOL DestroyIcon(HICON icon);
// Fills `info` with new copies of the icon's bitmaps, which the caller deletes.
BOOL GetIconInfo(HICON icon, ICONINFO* info);
BOOL DrawIconEx(HDC hdc, int x, int y, HICON icon, int width, int height, UINT step,
                HBRUSH flickerFreeBrush, UINT flags);
BOOL DrawIcon(HDC hdc, int x, int y, HICON icon);
// A copy of a bitmap or icon, stretched (nearest neighbour) to width x height
// when they are not 0.
HANDLE CopyImage(HANDLE image, UINT type, int width, int height, UINT flags);
// An icon from one image of an icon file or icon resource: a packed DIB whose
// header height counts the colour image and, below it, the AND mask. A 32-bit
// image also masks out its pixels that are less than half opaque. width and
// height 0 keep the image's own size. Null for anything malformed, for cursor
// images (`icon` false) and for PNG-compressed images.
HICON CreateIconFromResourceEx(const BYTE* bits, DWORD size, BOOL icon, DWORD version, int width,
                               int height, UINT flags);
// Live icons: how tests find icon leaks.
UINT IconCount();

} // namespace win

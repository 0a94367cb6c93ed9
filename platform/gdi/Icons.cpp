#include "platform/gdi/Icons.h"

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/SystemMetrics.h"

namespace win {

namespace {

// Icons share the handle table with drawing objects under a type of their own.
constexpr DWORD kObjIcon = 0x1001;

class Icon : public GdiObject {
public:
    Icon(HBITMAP maskBitmap, HBITMAP colorBitmap, bool isIcon, POINT hotspot)
        : GdiObject(kObjIcon), mask(maskBitmap), color(colorBitmap), icon(isIcon), hot(hotspot) {}
    ~Icon() override {
        DeleteObject(mask);
        DeleteObject(color);
    }
    static bool Accepts(DWORD type) { return type == kObjIcon; }

    HBITMAP mask;
    HBITMAP color;
    bool icon;
    POINT hot;
};

Icon* LookupIcon(HICON handle) {
    return GdiHandleTable::Instance().FindAs<Icon>(handle);
}

SIZE SizeOf(HBITMAP bitmap) {
    BITMAP bm;
    if (!GetObject(bitmap, sizeof(bm), &bm))
        return {};
    return {bm.bmWidth, bm.bmHeight};
}

// A copy of a bitmap (monochrome stays monochrome, colour becomes 32 bits),
// stretched to the size given by sampling the pixel under each centre. Works on
// the pixels directly, so a bitmap selected into some DC can be copied too.
HBITMAP CopyBitmap(HBITMAP source, int width, int height) {
    Bitmap* bitmap = GdiHandleTable::Instance().FindAs<Bitmap>(source);
    if (!bitmap || width < 0 || height < 0)
        return nullptr;
    const int w = width ? width : bitmap->Width();
    const int h = height ? height : bitmap->Height();
    HBITMAP copy = CreateBitmap(w, h, 1, UINT(bitmap->IsMono() ? 1 : 32), nullptr);
    Bitmap* target = GdiHandleTable::Instance().FindAs<Bitmap>(copy);
    if (!target || target->Width() != w)
        return copy;
    const PixelView from = bitmap->View(), to = target->View();
    std::vector<std::uint32_t> row(static_cast<std::size_t>(w));
    for (int y = 0; y < h; ++y) {
        const int sy = int((2LL * y + 1) * from.height / (2LL * h));
        for (int x = 0; x < w; ++x)
            row[std::size_t(x)] = from.Get(int((2LL * x + 1) * from.width / (2LL * w)), sy);
        to.Write(y, 0, w, row.data());
    }
    return copy;
}

// One pass of an icon draw: `bitmap` stretched onto the DC with `rop`.
void Pass(HDC hdc, HBITMAP bitmap, int x, int y, int width, int height, DWORD rop) {
    const SIZE size = SizeOf(bitmap);
    HDC source = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(source, bitmap);
    const int mode = SetStretchBltMode(hdc, COLORONCOLOR);
    // A monochrome mask must come out as black and white, whatever the DC's colours.
    const COLORREF text = SetTextColor(hdc, RGB(0, 0, 0));
    const COLORREF back = SetBkColor(hdc, RGB(255, 255, 255));
    StretchBlt(hdc, x, y, width, height, source, 0, 0, size.cx, size.cy, rop);
    SetTextColor(hdc, text);
    SetBkColor(hdc, back);
    SetStretchBltMode(hdc, mode);
    SelectObject(source, old);
    DeleteDC(source);
}

} // namespace

HICON CreateIconIndirect(const ICONINFO* info) {
    if (!info || !info->hbmMask)
        return nullptr;
    HBITMAP mask = CopyBitmap(info->hbmMask, 0, 0);
    HBITMAP color = info->hbmColor ? CopyBitmap(info->hbmColor, 0, 0) : nullptr;
    if (!mask || (info->hbmColor && !color)) {
        DeleteObject(mask);
        DeleteObject(color);
        return nullptr;
    }
    auto icon = std::make_unique<Icon>(mask, color, info->fIcon != FALSE,
                                       POINT{LONG(info->xHotspot), LONG(info->yHotspot)});
    return static_cast<HICON>(GdiHandleTable::Instance().Add(std::move(icon)));
}

BOOL DestroyIcon(HICON icon) {
    if (!LookupIcon(icon))
        return FALSE;
    return GdiHandleTable::Instance().Remove(icon) ? TRUE : FALSE;
}

BOOL GetIconInfo(HICON icon, ICONINFO* info) {
    Icon* found = LookupIcon(icon);
    if (!found || !info)
        return FALSE;
    info->fIcon = found->icon ? TRUE : FALSE;
    info->xHotspot = DWORD(found->hot.x);
    info->yHotspot = DWORD(found->hot.y);
    info->hbmMask = CopyBitmap(found->mask, 0, 0);
    info->hbmColor = found->color ? CopyBitmap(found->color, 0, 0) : nullptr;
    return TRUE;
}

BOOL DrawIconEx(HDC hdc, int x, int y, HICON icon, int width, int height, UINT,
                HBRUSH flickerFreeBrush, UINT flags) {
    Icon* found = LookupIcon(icon);
    if (!found || !LookupDC(hdc))
        return FALSE;
    SIZE size = found->color ? SizeOf(found->color) : SizeOf(found->mask);
    if (!found->color)
        size.cy /= 2; // a monochrome icon stacks AND and XOR masks
    if (width == 0)
        width = (flags & DI_DEFAULTSIZE) ? GetSystemMetrics(SM_CXICON) : size.cx;
    if (height == 0)
        height = (flags & DI_DEFAULTSIZE) ? GetSystemMetrics(SM_CYICON) : size.cy;
    if (flickerFreeBrush) {
        RECT r{x, y, x + width, y + height};
        FillRect(hdc, &r, flickerFreeBrush);
    }
    if ((flags & DI_NORMAL) == DI_IMAGE) {
        Pass(hdc, found->color ? found->color : found->mask, x, y, width, height, SRCCOPY);
        return TRUE;
    }
    if (flags & DI_MASK)
        Pass(hdc, found->mask, x, y, width, height, SRCAND);
    if ((flags & DI_IMAGE) && found->color)
        Pass(hdc, found->color, x, y, width, height, SRCINVERT);
    return TRUE;
}

BOOL DrawIcon(HDC hdc, int x, int y, HICON icon) {
    return DrawIconEx(hdc, x, y, icon, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
}

HANDLE CopyImage(HANDLE image, UINT type, int width, int height, UINT flags) {
    HANDLE copy = nullptr;
    if (type == IMAGE_BITMAP) {
        copy = CopyBitmap(static_cast<HBITMAP>(image), width, height);
        if (copy && (flags & LR_COPYDELETEORG))
            DeleteObject(image);
    } else if (type == IMAGE_ICON) {
        Icon* found = LookupIcon(static_cast<HICON>(image));
        if (!found)
            return nullptr;
        ICONINFO info;
        info.fIcon = found->icon;
        info.xHotspot = DWORD(found->hot.x);
        info.yHotspot = DWORD(found->hot.y);
        info.hbmMask = CopyBitmap(found->mask, width, height);
        info.hbmColor = found->color ? CopyBitmap(found->color, width, height) : nullptr;
        copy = CreateIconIndirect(&info);
        DeleteObject(info.hbmMask);
        DeleteObject(info.hbmColor);
        if (copy && (flags & LR_COPYDELETEORG))
            DestroyIcon(static_cast<HICON>(image));
    }
    return copy;
}

UINT IconCount() {
    return GdiHandleTable::Instance().Count(kObjIcon);
}

} // namespace win

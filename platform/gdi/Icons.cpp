#include "platform/gdi/Icons.h"

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/BmpReader.h"
#include "platform/gdi/ByteReader.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/SystemMetrics.h"

#include <cstring>
#include <vector>

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

namespace {

// Icons bigger than this are not icons; the limit keeps a forged header from
// asking for a huge allocation.
constexpr std::int32_t kMaxIconSide = 1024;

// Where the parts of an icon image lie, from its info header.
struct IconImageLayout {
    int width = 0;
    int height = 0; // of the colour image: half the header's height
    int bitCount = 0;
    std::size_t colorOffset = 0;
    std::size_t colorStride = 0;
    std::size_t maskOffset = 0;
    std::size_t maskStride = 0;
    bool hasMask = false;
};

bool ReadIconLayout(std::span<const std::uint8_t> bytes, IconImageLayout& layout) {
    ByteReader reader(bytes);
    const auto headerSize = reader.U32();
    const auto width = reader.I32();
    const auto height = reader.I32();
    const auto planes = reader.U16();
    const auto bitCount = reader.U16();
    const auto compression = reader.U32();
    if (!reader.Skip(12))
        return false;
    const auto colorsUsed = reader.U32();
    if (!headerSize || !width || !height || !planes || !bitCount || !compression || !colorsUsed)
        return false;
    if (*headerSize < 40 || *headerSize > 4096 || *width <= 0 || *width > kMaxIconSide ||
        *height <= 1 || *height > 2 * kMaxIconSide)
        return false;
    const int bits = *bitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return false;
    const bool bitFields = *compression == 3 && (bits == 16 || bits == 32);
    if (*compression != 0 && !bitFields)
        return false;
    const std::uint32_t colors = *colorsUsed ? *colorsUsed : bits <= 8 ? 1u << bits : 0u;
    if (colors > 256)
        return false;
    layout.width = *width;
    layout.height = *height / 2;
    layout.bitCount = bits;
    layout.colorOffset = *headerSize + (bitFields && *headerSize == 40 ? 12 : 0) + colors * 4;
    layout.colorStride = (std::size_t(layout.width) * std::size_t(bits) + 31) / 32 * 4;
    layout.maskOffset = layout.colorOffset + layout.colorStride * std::size_t(layout.height);
    layout.maskStride = (std::size_t(layout.width) + 31) / 32 * 4;
    layout.hasMask =
        layout.maskOffset + layout.maskStride * std::size_t(layout.height) <= bytes.size();
    // Only a 32-bit image can do without its mask: its alpha stands in for it.
    return layout.maskOffset <= bytes.size() && (layout.hasMask || bits == 32);
}

// Whether the pixel at (x, y), counted from the top, is left out of the icon.
bool Transparent(std::span<const std::uint8_t> bytes, const IconImageLayout& layout, bool useAlpha,
                 int x, int y) {
    const std::size_t row = std::size_t(layout.height - 1 - y); // rows are stored bottom-up
    if (useAlpha &&
        bytes[layout.colorOffset + row * layout.colorStride + std::size_t(x) * 4 + 3] < 128)
        return true;
    return layout.hasMask &&
           (bytes[layout.maskOffset + row * layout.maskStride + std::size_t(x / 8)] &
            (0x80 >> (x % 8))) != 0;
}

bool HasAlpha(std::span<const std::uint8_t> bytes, const IconImageLayout& layout) {
    if (layout.bitCount != 32)
        return false;
    for (int y = 0; y < layout.height; ++y)
        for (int x = 0; x < layout.width; ++x)
            if (bytes[layout.colorOffset + std::size_t(y) * layout.colorStride +
                      std::size_t(x) * 4 + 3] != 0)
                return true;
    return false;
}

} // namespace

HICON CreateIconFromResourceEx(const BYTE* bits, DWORD size, BOOL icon, DWORD, int width,
                               int height, UINT) {
    static constexpr std::uint8_t kPngSignature[4] = {0x89, 'P', 'N', 'G'};
    if (!bits || !icon || width < 0 || height < 0 ||
        (size >= 4 && std::memcmp(bits, kPngSignature, 4) == 0))
        return nullptr;
    const std::span<const std::uint8_t> bytes(bits, size);
    IconImageLayout layout;
    if (!ReadIconLayout(bytes, layout))
        return nullptr;
    // The colour image alone is an ordinary DIB once its header tells its own height.
    std::vector<std::uint8_t> colorDib(bytes.begin(),
                                       bytes.begin() + std::ptrdiff_t(layout.maskOffset));
    const std::int32_t colorHeight = layout.height;
    std::memcpy(colorDib.data() + 8, &colorHeight, 4);
    const BmpImage image = DecodePackedDib(colorDib);
    if (image.IsEmpty() || image.width != layout.width || image.height != layout.height)
        return nullptr;

    ICONINFO info;
    info.hbmMask = CreateBitmap(layout.width, layout.height, 1, 1, nullptr);
    info.hbmColor = CreateBitmap(layout.width, layout.height, 1, 32, nullptr);
    Bitmap* mask = GdiHandleTable::Instance().FindAs<Bitmap>(info.hbmMask);
    Bitmap* color = GdiHandleTable::Instance().FindAs<Bitmap>(info.hbmColor);
    HICON result = nullptr;
    if (mask && color) {
        const bool useAlpha = HasAlpha(bytes, layout);
        std::vector<std::uint32_t> maskRow(std::size_t(layout.width));
        std::vector<std::uint32_t> colorRow(std::size_t(layout.width));
        for (int y = 0; y < layout.height; ++y) {
            for (int x = 0; x < layout.width; ++x) {
                const bool clear = Transparent(bytes, layout, useAlpha, x, y);
                // The mask keeps the screen where it is white; the image is XORed on black.
                maskRow[std::size_t(x)] = clear ? 0xFFFFFF : 0;
                colorRow[std::size_t(x)] =
                    clear
                        ? 0
                        : image.pixels[std::size_t(y) * std::size_t(layout.width) + std::size_t(x)];
            }
            mask->View().Write(y, 0, layout.width, maskRow.data());
            color->View().Write(y, 0, layout.width, colorRow.data());
        }
        result = CreateIconIndirect(&info);
    }
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
    if (result && ((width && width != layout.width) || (height && height != layout.height))) {
        HICON sized = static_cast<HICON>(CopyImage(result, IMAGE_ICON, width ? width : layout.width,
                                                   height ? height : layout.height, 0));
        DestroyIcon(result);
        result = sized;
    }
    return result;
}

UINT IconCount() {
    return GdiHandleTable::Instance().Count(kObjIcon);
}

} // namespace win

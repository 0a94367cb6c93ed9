// Bitmap creation, DIB access and single pixels.

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/BmpReader.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Raster.h"
#include "platform/gdi/StockObjects.h"

#include <cstring>
#include <optional>

namespace win {

namespace {

// Bitmaps larger than this are refused rather than risking an allocation of
// any size a caller's arithmetic produces.
constexpr long long kMaxPixels = 1LL << 28;

bool SizeAcceptable(long long width, long long height) {
    return width > 0 && height > 0 && width * height <= kMaxPixels;
}

HBITMAP AddBitmap(std::unique_ptr<Bitmap> bitmap) {
    return static_cast<HBITMAP>(GdiHandleTable::Instance().Add(std::move(bitmap)));
}

// DIB rows are DWORD-aligned.
std::size_t DibStride(int width, int bitCount) {
    return (std::size_t(width) * std::size_t(bitCount) + 31) / 32 * 4;
}

// Reads one pixel of a DIB row in a format callers hand in (1/4/8/24/32 bits).
std::uint32_t DibPixel(const std::uint8_t* row, int x, int bitCount, const RGBQUAD* colors,
                       std::size_t colorCount) {
    auto fromTable = [&](unsigned index) -> std::uint32_t {
        if (index >= colorCount)
            return 0;
        const RGBQUAD& q = colors[index];
        return (std::uint32_t(q.rgbRed) << 16) | (std::uint32_t(q.rgbGreen) << 8) | q.rgbBlue;
    };
    switch (bitCount) {
    case 32:
        return (std::uint32_t(row[x * 4 + 2]) << 16) | (std::uint32_t(row[x * 4 + 1]) << 8) |
               row[x * 4];
    case 24:
        return (std::uint32_t(row[x * 3 + 2]) << 16) | (std::uint32_t(row[x * 3 + 1]) << 8) |
               row[x * 3];
    case 8:
        return fromTable(row[x]);
    case 4:
        return fromTable((row[x / 2] >> (x % 2 ? 0 : 4)) & 0x0F);
    default:
        return fromTable((row[x / 8] >> (7 - x % 8)) & 1);
    }
}

bool SupportedDibFormat(const BITMAPINFOHEADER& h) {
    const bool depth = h.biBitCount == 1 || h.biBitCount == 4 || h.biBitCount == 8 ||
                       h.biBitCount == 24 || h.biBitCount == 32;
    return depth && h.biCompression == BI_RGB && h.biWidth > 0 && h.biHeight != 0;
}

} // namespace

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
    if (planes != 1 || (bitsPerPixel != 1 && bitsPerPixel != 24 && bitsPerPixel != 32))
        return nullptr;
    if (width == 0 || height == 0)
        return StockBitmap();
    if (!SizeAcceptable(width, height))
        return nullptr;
    auto bitmap = std::make_unique<Bitmap>(width, height, int(bitsPerPixel), Bitmap::Kind::Device);
    if (bits)
        std::memcpy(bitmap->Bits(), bits, bitmap->SizeBytes());
    return AddBitmap(std::move(bitmap));
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height) {
    DeviceContext* dc = hdc ? LookupDC(hdc) : nullptr;
    if (hdc && !dc)
        return nullptr;
    // A memory DC makes bitmaps of its selected bitmap's format: a fresh memory DC
    // holds a monochrome one, as on Windows.
    const int bits = dc && dc->TargetIsMono() ? 1 : 32;
    return CreateBitmap(width, height, 1, UINT(bits), nullptr);
}

namespace {

// The green width of a 16-bit DIB: 5 for BI_RGB and 5-5-5 masks, 6 for
// 5-6-5 masks; nothing for other layouts.
std::optional<bool> Green6Of(const BITMAPINFO& info) {
    if (info.bmiHeader.biCompression == BI_RGB)
        return false;
    if (info.bmiHeader.biCompression != BI_BITFIELDS)
        return std::nullopt;
    // The three masks follow the header where the colour table would be.
    DWORD masks[3];
    std::memcpy(masks, info.bmiColors, sizeof masks);
    if (masks[0] == 0xF800 && masks[1] == 0x07E0 && masks[2] == 0x001F)
        return true;
    if (masks[0] == 0x7C00 && masks[1] == 0x03E0 && masks[2] == 0x001F)
        return false;
    return std::nullopt;
}

} // namespace

HBITMAP CreateDIBSection(HDC, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                         DWORD) {
    if (bits)
        *bits = nullptr;
    if (!info || usage != DIB_RGB_COLORS || section)
        return nullptr;
    const BITMAPINFOHEADER& h = info->bmiHeader;
    std::optional<bool> green6 = false;
    if (h.biBitCount == 16)
        green6 = Green6Of(*info);
    else if ((h.biBitCount != 24 && h.biBitCount != 32) || h.biCompression != BI_RGB)
        return nullptr;
    if (!green6)
        return nullptr;
    const long long height = h.biHeight < 0 ? -(long long)h.biHeight : h.biHeight;
    if (!SizeAcceptable(h.biWidth, height))
        return nullptr;
    auto bitmap = std::make_unique<Bitmap>(
        h.biWidth, int(height), h.biBitCount, Bitmap::Kind::DibSection,
        h.biHeight < 0 ? Bitmap::Orientation::TopDown : Bitmap::Orientation::BottomUp, *green6);
    if (bits)
        *bits = bitmap->Bits();
    return AddBitmap(std::move(bitmap));
}

int SetDIBits(HDC, HBITMAP bitmap, UINT start, UINT lines, const void* bits, const BITMAPINFO* info,
              UINT usage) {
    Bitmap* target = GdiHandleTable::Instance().FindAs<Bitmap>(bitmap);
    if (!target || !bits || !info || usage != DIB_RGB_COLORS ||
        !SupportedDibFormat(info->bmiHeader))
        return 0;
    const BITMAPINFOHEADER& h = info->bmiHeader;
    const bool bottomUp = h.biHeight > 0;
    const int height = bottomUp ? h.biHeight : -h.biHeight;
    const std::size_t stride = DibStride(h.biWidth, h.biBitCount);
    const std::size_t colorCount =
        h.biBitCount <= 8 ? (h.biClrUsed ? h.biClrUsed : (1u << h.biBitCount)) : 0;
    const auto* data = static_cast<const std::uint8_t*>(bits);
    const PixelView view = target->View();
    const int width = std::min<int>(h.biWidth, view.width);
    std::vector<std::uint32_t> row(static_cast<std::size_t>(width));
    int written = 0;
    // Scan lines count from the bottom of the DIB, as Windows numbers them.
    for (UINT line = start; line < start + lines && int(line) < height; ++line) {
        const int y = bottomUp ? height - 1 - int(line) : int(line);
        const std::uint8_t* src = data + std::size_t(line - start) * stride;
        if (y >= view.height)
            continue;
        for (int x = 0; x < width; ++x)
            row[std::size_t(x)] = DibPixel(src, x, h.biBitCount, info->bmiColors, colorCount);
        view.Write(y, 0, width, row.data());
        ++written;
    }
    return written;
}

int GetDIBits(HDC, HBITMAP bitmap, UINT start, UINT lines, void* bits, BITMAPINFO* info,
              UINT usage) {
    Bitmap* source = GdiHandleTable::Instance().FindAs<Bitmap>(bitmap);
    if (!source || !info || usage != DIB_RGB_COLORS)
        return 0;
    BITMAPINFOHEADER& h = info->bmiHeader;
    if (h.biBitCount == 0) {
        // Asked for the format only.
        h.biWidth = source->Width();
        h.biHeight = source->Height();
        h.biPlanes = 1;
        h.biBitCount = WORD(source->BitsPerPixel());
        h.biCompression = BI_RGB;
        h.biSizeImage =
            DWORD(DibStride(source->Width(), h.biBitCount) * std::size_t(source->Height()));
        return 1;
    }
    if ((h.biBitCount != 24 && h.biBitCount != 32) || h.biCompression != BI_RGB)
        return 0;
    if (!bits)
        return int(lines);
    const bool bottomUp = h.biHeight > 0;
    const int height = source->Height();
    const int width = std::min<int>(h.biWidth, source->Width());
    const std::size_t stride = DibStride(h.biWidth, h.biBitCount);
    const PixelView view = source->View();
    std::vector<std::uint32_t> row(static_cast<std::size_t>(width));
    auto* out = static_cast<std::uint8_t*>(bits);
    int copied = 0;
    for (UINT line = start; line < start + lines && int(line) < height; ++line) {
        const int y = bottomUp ? height - 1 - int(line) : int(line);
        view.Read(y, 0, width, row.data());
        std::uint8_t* dst = out + std::size_t(line - start) * stride;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = row[std::size_t(x)];
            std::uint8_t* px = dst + std::size_t(x) * (h.biBitCount / 8);
            px[0] = std::uint8_t(p);
            px[1] = std::uint8_t(p >> 8);
            px[2] = std::uint8_t(p >> 16);
            if (h.biBitCount == 32)
                px[3] = 0;
        }
        ++copied;
    }
    return copied;
}

HBITMAP CreateBitmapFromBmp(std::span<const std::uint8_t> file) {
    const BmpImage image = DecodeBmp(file);
    if (image.IsEmpty())
        return nullptr;
    auto bitmap =
        std::make_unique<Bitmap>(image.width, image.height, image.bitCount == 32 ? 32 : 24,
                                 Bitmap::Kind::DibSection, Bitmap::Orientation::BottomUp);
    const PixelView view = bitmap->View();
    for (int y = 0; y < image.height; ++y)
        view.Write(y, 0, image.width,
                   image.pixels.data() + std::size_t(y) * std::size_t(image.width));
    return AddBitmap(std::move(bitmap));
}

namespace {

// The target point of a logical one, when the DC's clip shows it.
std::optional<POINT> VisiblePoint(const DeviceContext& dc, int x, int y) {
    const POINT p = dc.ToTarget(POINT{x, y});
    if (!dc.Clip().Contains(p.x, p.y))
        return std::nullopt;
    return p;
}

} // namespace

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
    DeviceContext* dc = LookupDC(hdc);
    const std::optional<POINT> p = dc ? VisiblePoint(*dc, x, y) : std::nullopt;
    if (!p)
        return CLR_INVALID;
    const PixelView target = dc->Target();
    target.Set(p->x, p->y, PixelOf(color));
    return ColorOf(target.Get(p->x, p->y));
}

COLORREF GetPixel(HDC hdc, int x, int y) {
    DeviceContext* dc = LookupDC(hdc);
    const std::optional<POINT> p = dc ? VisiblePoint(*dc, x, y) : std::nullopt;
    return p ? ColorOf(dc->Target().Get(p->x, p->y)) : CLR_INVALID;
}

} // namespace win

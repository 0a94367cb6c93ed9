#include "framework/gui/Bitmap.h"

#include "framework/ClassBuilder.h"
#include "framework/Exception.h"
#include "framework/Stream.h"
#include "framework/gui/GraphicsColor.h"

#include <cstring>
#include <vector>

namespace fw {

namespace {

int BitsOf(TPixelFormat format) {
    switch (format) {
    case TPixelFormat::pf15bit:
    case TPixelFormat::pf16bit:
        return 16;
    case TPixelFormat::pf24bit:
        return 24;
    default:
        return 32;
    }
}

// A top-down DIB section in the format; 16-bit 5-6-5 pixels are described by
// their colour masks.
win::HBITMAP CreateDib(int width, int height, TPixelFormat format, void** pixels) {
    struct {
        win::BITMAPINFOHEADER header;
        win::DWORD masks[3] = {0xF800, 0x07E0, 0x001F};
    } info;
    info.header.biWidth = width;
    info.header.biHeight = -height;
    info.header.biBitCount = static_cast<win::WORD>(BitsOf(format));
    if (format == TPixelFormat::pf16bit)
        info.header.biCompression = win::BI_BITFIELDS;
    return win::CreateDIBSection(nullptr, reinterpret_cast<const win::BITMAPINFO*>(&info),
                                 win::DIB_RGB_COLORS, pixels, nullptr, 0);
}

TPixelFormat FormatOf(const win::DIBSECTION& section) {
    switch (section.dsBm.bmBitsPixel) {
    case 16:
        return section.dsBmih.biCompression == win::BI_BITFIELDS ? TPixelFormat::pf16bit
                                                                 : TPixelFormat::pf15bit;
    case 32:
        return TPixelFormat::pf32bit;
    default:
        return TPixelFormat::pf24bit;
    }
}

} // namespace

const TClassInfo& TBitmap::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TBitmap, TPersistent>("TBitmap")
            .Property("Width", &TBitmap::Width, &TBitmap::SetWidth)
            .Property("Height", &TBitmap::Height, &TBitmap::SetHeight)
            .Property("PixelFormat", &TBitmap::PixelFormat, &TBitmap::SetPixelFormat)
            .Property("Transparent", &TBitmap::Transparent, &TBitmap::SetTransparent)
            .Property("TransparentColor", &TBitmap::TransparentColor, &TBitmap::SetTransparentColor)
            .Build();
    return info;
}

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() {
    ReplaceHandle(nullptr);
}

void TBitmap::FreeCanvas() {
    if (!FCanvas)
        return;
    FCanvas->SetHandle(nullptr);
    win::SelectObject(FCanvasDC, FCanvasOld);
    win::DeleteDC(FCanvasDC);
    FCanvas.reset();
    FCanvasDC = nullptr;
}

void TBitmap::ReplaceHandle(win::HBITMAP bitmap) {
    FreeCanvas();
    if (FHandle)
        win::DeleteObject(FHandle);
    FHandle = bitmap;
    FWidth = FHeight = 0;
    win::DIBSECTION section;
    if (FHandle && win::GetObject(FHandle, sizeof section, &section) == sizeof section) {
        FWidth = section.dsBm.bmWidth;
        FHeight = section.dsBm.bmHeight;
        FPixelFormat = FormatOf(section);
    }
}

void TBitmap::Assign(const TPersistent& source) {
    const auto* bitmap = dynamic_cast<const TBitmap*>(&source);
    if (!bitmap) {
        TPersistent::Assign(source);
        return;
    }
    FPixelFormat = bitmap->FPixelFormat;
    FTransparent = bitmap->FTransparent;
    FTransparentColor = bitmap->FTransparentColor;
    SetSize(bitmap->FWidth, bitmap->FHeight);
    if (bitmap->FHandle)
        bitmap->Draw(*Canvas(), {0, 0, FWidth, FHeight});
}

void TBitmap::SetSize(int width, int height) {
    if (width <= 0 || height <= 0) {
        ReplaceHandle(nullptr);
        return;
    }
    void* pixels = nullptr;
    win::HBITMAP bitmap = CreateDib(width, height, FPixelFormat, &pixels);
    if (!bitmap)
        throw EOutOfMemory("Out of system resources");
    ReplaceHandle(bitmap);
    Canvas()->Brush()->SetColor(clWhite);
    Canvas()->FillRect({0, 0, width, height});
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
    if (format == FPixelFormat)
        return;
    FPixelFormat = format;
    if (FHandle) {
        TBitmap copy;
        copy.Assign(*this);
        copy.FPixelFormat = format;
        SetSize(FWidth, FHeight);
        copy.Draw(*Canvas(), {0, 0, FWidth, FHeight});
    }
}

TColor TBitmap::TransparentColor() const {
    if (FTransparentColor != clDefault || !FHandle)
        return FTransparentColor;
    const TSelectedDC source(*this);
    return static_cast<TColor>(win::GetPixel(source.dc, 0, FHeight - 1));
}

TCanvas* TBitmap::Canvas() {
    if (!FCanvas) {
        if (!FHandle)
            SetSize(1, 1);
        FCanvasDC = win::CreateCompatibleDC(nullptr);
        FCanvasOld = win::SelectObject(FCanvasDC, FHandle);
        FCanvas = std::make_unique<TCanvas>();
        FCanvas->SetHandle(FCanvasDC);
    }
    return FCanvas.get();
}

void TBitmap::LoadFromStream(TStream& stream) {
    const std::int64_t size = stream.Size() - stream.Position();
    if (size <= 0 || size > 0x7FFFFFFF)
        throw EInvalidGraphic("Bitmap image is not valid");
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    stream.ReadBuffer(bytes.data(), size);
    win::HBITMAP bitmap = win::CreateBitmapFromBmp(bytes);
    if (!bitmap)
        throw EInvalidGraphic("Bitmap image is not valid");
    ReplaceHandle(bitmap);
}

void TBitmap::LoadFromBgr(int width, int height, std::span<const std::uint8_t> rows) {
    FPixelFormat = TPixelFormat::pf24bit;
    void* pixels = nullptr;
    win::HBITMAP bitmap = CreateDib(width, height, TPixelFormat::pf24bit, &pixels);
    if (!bitmap)
        throw EOutOfMemory("Out of system resources");
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t(3);
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
    for (int y = 0; y < height; ++y)
        std::memcpy(static_cast<std::uint8_t*>(pixels) + stride * static_cast<std::size_t>(y),
                    rows.data() + rowBytes * static_cast<std::size_t>(y), rowBytes);
    ReplaceHandle(bitmap);
}

void TBitmap::Draw(TCanvas& canvas, const win::RECT& rect) const {
    if (!FHandle)
        return;
    const TSelectedDC selected(*this);
    win::HDC source = selected.dc;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (FTransparent)
        win::TransparentBlt(canvas.Handle(), rect.left, rect.top, width, height, source, 0, 0,
                            FWidth, FHeight, ColorToRGB(TransparentColor()));
    else
        win::StretchBlt(canvas.Handle(), rect.left, rect.top, width, height, source, 0, 0, FWidth,
                        FHeight, win::SRCCOPY);
}

std::uint8_t* TBitmap::ScanLine(int row) const {
    if (!FHandle || row < 0 || row >= FHeight)
        return nullptr;
    win::DIBSECTION section;
    if (win::GetObject(FHandle, sizeof section, &section) != int(sizeof section) ||
        !section.dsBm.bmBits)
        return nullptr;
    // Bottom-up DIBs (a positive height) keep the top row last.
    const int line = section.dsBmih.biHeight > 0 ? FHeight - 1 - row : row;
    return static_cast<std::uint8_t*>(section.dsBm.bmBits) +
           std::ptrdiff_t(line) * section.dsBm.bmWidthBytes;
}

// A bitmap is selected into one DC at a time: while it has a canvas, that
// canvas's DC is the one to read it through.
TBitmap::TSelectedDC::TSelectedDC(const TBitmap& bitmap) {
    if (bitmap.FCanvas) {
        dc = bitmap.FCanvasDC;
        return;
    }
    dc = FOwnDC = win::CreateCompatibleDC(nullptr);
    FOld = win::SelectObject(dc, bitmap.FHandle);
}

TBitmap::TSelectedDC::~TSelectedDC() {
    if (!FOwnDC)
        return;
    win::SelectObject(FOwnDC, FOld);
    win::DeleteDC(FOwnDC);
}

} // namespace fw

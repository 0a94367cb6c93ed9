#include "framework/gui/ImageList.h"

#include "framework/ClassBuilder.h"
#include "framework/Exception.h"
#include "framework/Stream.h"
#include "framework/gui/Bitmap.h"
#include "framework/gui/GraphicsColor.h"

#include <array>
#include <cstring>
#include <vector>

namespace fw {

namespace {

// Limits that keep a damaged "Bitmap" property from asking for huge strips.
constexpr int MaxSide = 256;
constexpr int MaxCount = 4096;
constexpr win::COLORREF Transparent = 0xFFFFFF;
constexpr win::COLORREF Opaque = 0x000000;
// D = (D and S) or (P and not S): the brush shows where the mask is black.
constexpr win::DWORD BrushThroughBlack = 0x00B8074A;

[[noreturn]] void ReadFailed() {
    throw EReadError("Failed to read ImageList data from stream");
}

std::uint16_t ReadWord(TStream& stream) {
    std::array<std::uint8_t, 2> bytes{};
    if (stream.Read(bytes.data(), 2) != 2)
        ReadFailed();
    return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

void WriteWord(TStream& stream, int value) {
    const std::array<std::uint8_t, 2> bytes{static_cast<std::uint8_t>(value & 0xFF),
                                            static_cast<std::uint8_t>((value >> 8) & 0xFF)};
    stream.WriteBuffer(bytes.data(), 2);
}

std::vector<std::uint8_t> ReadBytes(TStream& stream, std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    if (size > 0 && stream.Read(bytes.data(), static_cast<std::int64_t>(size)) !=
                        static_cast<std::int64_t>(size))
        ReadFailed();
    return bytes;
}

// Top-down BGR rows of a strip of `count` images taken from per-image data.
std::vector<std::uint8_t> StripRows(const std::vector<std::uint8_t>& images, int width, int height,
                                    int count) {
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
    std::vector<std::uint8_t> rows(rowBytes * static_cast<std::size_t>(count * height));
    for (int i = 0; i < count; ++i)
        for (int y = 0; y < height; ++y)
            std::memcpy(rows.data() + (static_cast<std::size_t>(y) * count + i) * rowBytes,
                        images.data() + (static_cast<std::size_t>(i) * height + y) * rowBytes,
                        rowBytes);
    return rows;
}

} // namespace

const TClassInfo& TImageList::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TImageList, TComponent>("TImageList")
            .Property("Width", &TImageList::Width, &TImageList::SetWidth)
            .Property("Height", &TImageList::Height, &TImageList::SetHeight)
            .Property("OnChange", &TImageList::OnChange, &TImageList::OnChange)
            .Binary("Bitmap", &TImageList::ReadData, &TImageList::WriteData)
            .Build();
    return info;
}

TImageList::TImageList(TComponent* owner)
    : TComponent(owner), FImages(std::make_unique<TBitmap>()), FMasks(std::make_unique<TBitmap>()) {
}

TImageList::~TImageList() = default;

void TImageList::SetWidth(int width) {
    if (width != FWidth)
        Resize(width, FHeight);
}

void TImageList::SetHeight(int height) {
    if (height != FHeight)
        Resize(FWidth, height);
}

void TImageList::Resize(int width, int height) {
    if (width < 1 || height < 1 || width > MaxSide || height > MaxSide)
        throw EInvalidOperation("Invalid image size");
    FWidth = width;
    FHeight = height;
    Clear();
}

void TImageList::Clear() {
    FCount = 0;
    FImages = std::make_unique<TBitmap>();
    FMasks = std::make_unique<TBitmap>();
    Changed();
}

void TImageList::Changed() {
    if (OnChange)
        OnChange(this);
}

void TImageList::Grow(int added) {
    const int count = FCount + added;
    if (count > MaxCount)
        throw EInvalidOperation("Too many images");
    for (std::unique_ptr<TBitmap>* strip : {&FImages, &FMasks}) {
        auto grown = std::make_unique<TBitmap>();
        grown->SetSize(count * FWidth, FHeight);
        if (FCount > 0)
            win::BitBlt(grown->Canvas()->Handle(), 0, 0, FCount * FWidth, FHeight,
                        (*strip)->Canvas()->Handle(), 0, 0, win::SRCCOPY);
        *strip = std::move(grown);
    }
}

int TImageList::Add(TBitmap& image, TBitmap* mask) {
    if (image.Height() != FHeight || image.Width() < FWidth || image.Width() % FWidth != 0)
        throw EInvalidOperation("Invalid image size");
    const int first = FCount;
    const int added = image.Width() / FWidth;
    Grow(added);
    // Through the bitmaps' own canvases: a bitmap is selected into one DC at a time.
    const win::HDC source = image.Canvas()->Handle();
    const win::HDC maskSource = mask && !mask->Empty() ? mask->Canvas()->Handle() : nullptr;
    const win::HDC images = FImages->Canvas()->Handle();
    const win::HDC masks = FMasks->Canvas()->Handle();
    const int left = first * FWidth;
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < added * FWidth; ++x) {
            const bool clear =
                maskSource && (win::GetPixel(maskSource, x, y) & 0xFFFFFF) == Transparent;
            // Transparent pixels are black in the image strip, so that OR-ing
            // it over the masked-out background leaves the background.
            win::SetPixel(images, left + x, y, clear ? Opaque : win::GetPixel(source, x, y));
            win::SetPixel(masks, left + x, y, clear ? Transparent : Opaque);
        }
    FCount += added;
    Changed();
    return first;
}

int TImageList::AddMasked(TBitmap& image, TColor maskColor) {
    TBitmap mask;
    mask.SetSize(image.Width(), image.Height());
    const win::HDC source = image.Canvas()->Handle();
    const win::COLORREF key = ColorToRGB(maskColor);
    const win::HDC dc = mask.Canvas()->Handle();
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            win::SetPixel(dc, x, y,
                          (win::GetPixel(source, x, y) & 0xFFFFFF) == key ? Transparent : Opaque);
    return Add(image, &mask);
}

void TImageList::Delete(int index) {
    if (index < 0 || index >= FCount)
        throw CreateFmt<EListError>("List index out of bounds (%d)", index);
    for (std::unique_ptr<TBitmap>* strip : {&FImages, &FMasks}) {
        auto shrunk = std::make_unique<TBitmap>();
        if (FCount > 1) {
            shrunk->SetSize((FCount - 1) * FWidth, FHeight);
            const win::HDC from = (*strip)->Canvas()->Handle();
            const win::HDC to = shrunk->Canvas()->Handle();
            win::BitBlt(to, 0, 0, index * FWidth, FHeight, from, 0, 0, win::SRCCOPY);
            win::BitBlt(to, index * FWidth, 0, (FCount - index - 1) * FWidth, FHeight, from,
                        (index + 1) * FWidth, 0, win::SRCCOPY);
        }
        *strip = std::move(shrunk);
    }
    --FCount;
    Changed();
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
    if (index < 0 || index >= FCount || !canvas.Handle())
        return;
    const win::HDC dc = canvas.Handle();
    if (!enabled) {
        DrawMaskShape(dc, x + 1, y + 1, index, clBtnHighlight);
        DrawMaskShape(dc, x, y, index, clBtnShadow);
        return;
    }
    win::BitBlt(dc, x, y, FWidth, FHeight, FMasks->Canvas()->Handle(), index * FWidth, 0,
                win::SRCAND);
    win::BitBlt(dc, x, y, FWidth, FHeight, FImages->Canvas()->Handle(), index * FWidth, 0,
                win::SRCPAINT);
}

void TImageList::DrawMaskShape(win::HDC dc, int x, int y, int index, TColor color) const {
    const win::HBRUSH brush = win::CreateSolidBrush(ColorToRGB(color));
    const win::HGDIOBJ old = win::SelectObject(dc, brush);
    win::BitBlt(dc, x, y, FWidth, FHeight, FMasks->Canvas()->Handle(), index * FWidth, 0,
                BrushThroughBlack);
    win::SelectObject(dc, old);
    win::DeleteObject(brush);
}

void TImageList::ReadData(TStream& stream) {
    const int width = ReadWord(stream);
    const int height = ReadWord(stream);
    const int count = ReadWord(stream);
    if (width < 1 || height < 1 || width > MaxSide || height > MaxSide || count > MaxCount)
        ReadFailed();
    const std::size_t pixels = static_cast<std::size_t>(width) * height * count;
    const std::size_t maskRow = (static_cast<std::size_t>(width) + 7) / 8;
    const std::size_t maskBytes = maskRow * static_cast<std::size_t>(height) * count;
    // The sizes must account for the rest exactly, before anything is allocated.
    if (static_cast<std::uint64_t>(stream.Size() - stream.Position()) != pixels * 3 + maskBytes)
        ReadFailed();
    std::vector<std::uint8_t> colours = ReadBytes(stream, pixels * 3);
    const std::vector<std::uint8_t> bits = ReadBytes(stream, maskBytes);
    std::vector<std::uint8_t> mask(pixels * 3, 0);
    const auto rows = static_cast<std::size_t>(height) * count;
    for (std::size_t row = 0; row < rows; ++row)
        for (std::size_t x = 0; x < static_cast<std::size_t>(width); ++x) {
            if (!(bits[row * maskRow + x / 8] & (0x80 >> (x % 8))))
                continue;
            const std::size_t at = (row * width + x) * 3;
            std::memset(mask.data() + at, 0xFF, 3);
            std::memset(colours.data() + at, 0, 3);
        }
    FWidth = width;
    FHeight = height;
    FCount = count;
    FImages = std::make_unique<TBitmap>();
    FMasks = std::make_unique<TBitmap>();
    if (count > 0) {
        FImages->LoadFromBgr(width * count, height, StripRows(colours, width, height, count));
        FMasks->LoadFromBgr(width * count, height, StripRows(mask, width, height, count));
    }
    Changed();
}

void TImageList::WriteData(TStream& stream) const {
    WriteWord(stream, FWidth);
    WriteWord(stream, FHeight);
    WriteWord(stream, FCount);
    if (FCount == 0)
        return;
    const win::HDC images = FImages->Canvas()->Handle();
    const win::HDC masks = FMasks->Canvas()->Handle();
    std::vector<std::uint8_t> colours;
    std::vector<std::uint8_t> bits;
    const std::size_t maskRow = (static_cast<std::size_t>(FWidth) + 7) / 8;
    for (int i = 0; i < FCount; ++i)
        for (int y = 0; y < FHeight; ++y) {
            const std::size_t rowStart = bits.size();
            bits.resize(rowStart + maskRow, 0);
            for (int x = 0; x < FWidth; ++x) {
                const win::COLORREF pixel = win::GetPixel(images, i * FWidth + x, y);
                colours.push_back(static_cast<std::uint8_t>((pixel >> 16) & 0xFF));
                colours.push_back(static_cast<std::uint8_t>((pixel >> 8) & 0xFF));
                colours.push_back(static_cast<std::uint8_t>(pixel & 0xFF));
                if ((win::GetPixel(masks, i * FWidth + x, y) & 0xFFFFFF) == Transparent)
                    bits[rowStart + static_cast<std::size_t>(x) / 8] |=
                        static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
    stream.WriteBuffer(colours.data(), static_cast<std::int64_t>(colours.size()));
    stream.WriteBuffer(bits.data(), static_cast<std::int64_t>(bits.size()));
}

} // namespace fw

#pragma once
// A device-independent bitmap with a canvas to draw on it, in one of the
// direct-colour formats: 15 bits (5-5-5 in 16), 16 bits (5-6-5), 24 or 32 bits
// per pixel; its rows can be read and written directly (ScanLine).
// LoadFromStream reads a BMP file; a transparent bitmap is drawn without the
// pixels of its TransparentColor (by default its bottom-left pixel).

#include "framework/Exception.h"
#include "framework/Persistent.h"
#include "framework/gui/Canvas.h"

#include <cstdint>
#include <memory>
#include <span>

namespace fw {

class TStream;

// A picture's bytes are in no format the framework reads.
class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};

enum class TPixelFormat { pf15bit, pf16bit, pf24bit, pf32bit };
FW_ENUM_NAMES(TPixelFormat, "pf15bit", "pf16bit", "pf24bit", "pf32bit");

class TBitmap : public TPersistent {
    FW_CLASS(TBitmap, TPersistent)

    TBitmap();
    ~TBitmap() override;

    void Assign(const TPersistent& source) override;

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetWidth(int width) { SetSize(width, FHeight); }
    void SetHeight(int height) { SetSize(FWidth, height); }
    // A new picture of that size, filled white; the old pixels go.
    void SetSize(int width, int height);
    TPixelFormat PixelFormat() const { return FPixelFormat; }
    // Converts the picture to the format.
    void SetPixelFormat(TPixelFormat format);
    bool Empty() const { return FHandle == nullptr; }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool transparent) { FTransparent = transparent; }
    TColor TransparentColor() const;
    void SetTransparentColor(TColor color) { FTransparentColor = color; }

    win::HBITMAP Handle() const { return FHandle; }
    // The first byte of pixel row `row` (0 is the top row) in the bitmap's own
    // memory: 3 bytes a pixel (B, G, R) at 24 bits, 4 at 32, a 16-bit word at
    // 15 and 16 bits. nullptr for an empty bitmap or a row outside it.
    std::uint8_t* ScanLine(int row) const;
    // Drawing on the bitmap; the canvas keeps the bitmap selected while it exists.
    TCanvas* Canvas();

    // EInvalidGraphic "Bitmap image is not valid" for anything the BMP reader refuses.
    void LoadFromStream(TStream& stream);
    // Takes over the pixels of a top-down 24-bit BGR image.
    void LoadFromBgr(int width, int height, std::span<const std::uint8_t> rows);
    // Draws the bitmap stretched into rect of canvas, honouring Transparent.
    void Draw(TCanvas& canvas, const win::RECT& rect) const;

    // A DC with the bitmap selected, for reading its pixels.
    class TSelectedDC {
    public:
        explicit TSelectedDC(const TBitmap& bitmap);
        ~TSelectedDC();
        TSelectedDC(const TSelectedDC&) = delete;
        TSelectedDC& operator=(const TSelectedDC&) = delete;
        win::HDC dc = nullptr;

    private:
        win::HDC FOwnDC = nullptr;
        win::HGDIOBJ FOld = nullptr;
    };

private:
    void ReplaceHandle(win::HBITMAP bitmap);
    void FreeCanvas();

    win::HBITMAP FHandle = nullptr;
    int FWidth = 0;
    int FHeight = 0;
    TPixelFormat FPixelFormat = TPixelFormat::pf24bit;
    bool FTransparent = false;
    TColor FTransparentColor = clDefault;
    std::unique_ptr<TCanvas> FCanvas;
    win::HDC FCanvasDC = nullptr;
    win::HGDIOBJ FCanvasOld = nullptr;
};

} // namespace fw

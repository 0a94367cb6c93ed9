#pragma once
// Drawing on a device context with a pen, a brush and a font that the canvas
// selects into the context before each call. The context is borrowed: a
// control's paint handler or a bitmap hands it over with SetHandle and takes it
// back with SetHandle(nullptr), when the canvas's objects are deselected.
// Lock/Unlock mark a stretch of drawing that must keep the canvas to itself
// (painters that draw on a control's canvas while it paints): they nest, and
// TryLock fails while the canvas is locked.

#include "framework/gui/Brush.h"
#include "framework/gui/Font.h"
#include "framework/gui/Pen.h"

#include <span>
#include <string>

namespace fw {

class TCanvas : public TPersistent {
    FW_CLASS(TCanvas, TPersistent)

    TCanvas();
    ~TCanvas() override;

    win::HDC Handle() const { return FHandle; }
    void SetHandle(win::HDC dc);

    TFont* Font() const { return FFont.get(); }
    TBrush* Brush() const { return FBrush.get(); }
    TPen* Pen() const { return FPen.get(); }

    void FillRect(const win::RECT& rect);
    void FrameRect(const win::RECT& rect);
    void Rectangle(int left, int top, int right, int bottom);
    void Ellipse(int left, int top, int right, int bottom);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    // A closed shape through the points: outlined with the pen, filled with the brush.
    void Polygon(std::span<const win::POINT> points);
    void TextOut(int x, int y, const std::string& text);
    // Text clipped to rect, drawn at x, y.
    void TextRect(const win::RECT& rect, int x, int y, const std::string& text);
    // DrawText with the canvas's font and colours; returns the text height.
    int DrawText(const std::string& text, win::RECT& rect, win::UINT format);
    win::SIZE TextExtent(const std::string& text);
    int TextWidth(const std::string& text) { return TextExtent(text).cx; }
    int TextHeight(const std::string& text) { return TextExtent(text).cy; }
    void Draw(int x, int y, win::HBITMAP bitmap);
    void StretchDraw(const win::RECT& rect, win::HBITMAP bitmap);
    // Copies source of canvas to dest of this one, stretched, with CopyMode.
    void CopyRect(const win::RECT& dest, TCanvas& canvas, const win::RECT& source);
    // The raster operation of CopyRect (SRCCOPY unless set).
    win::DWORD CopyMode() const { return FCopyMode; }
    void SetCopyMode(win::DWORD mode) { FCopyMode = mode; }

    void Lock() { ++FLockCount; }
    void Unlock();
    bool TryLock();
    int LockCount() const { return FLockCount; }
    win::COLORREF Pixels(int x, int y) const;
    void SetPixels(int x, int y, TColor color);

private:
    // Selects the current pen, brush and font and sets the text colours.
    win::HDC Prepared();
    void RequireHandle() const;
    void Deselect();

    win::HDC FHandle = nullptr;
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TBrush> FBrush;
    std::unique_ptr<TPen> FPen;
    win::HGDIOBJ FOldFont = nullptr;
    win::HGDIOBJ FOldBrush = nullptr;
    win::HGDIOBJ FOldPen = nullptr;
    win::DWORD FCopyMode = win::SRCCOPY;
    int FLockCount = 0;
};

// Lends a DC to a canvas for one scope (a paint handler's): the canvas gives
// it back however the scope ends.
class TCanvasDC {
public:
    TCanvasDC(TCanvas& canvas, win::HDC dc) : FCanvas(canvas) { canvas.SetHandle(dc); }
    ~TCanvasDC() { FCanvas.SetHandle(nullptr); }
    TCanvasDC(const TCanvasDC&) = delete;
    TCanvasDC& operator=(const TCanvasDC&) = delete;

private:
    TCanvas& FCanvas;
};

} // namespace fw

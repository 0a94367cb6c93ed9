#include "framework/gui/Canvas.h"

#include "framework/ClassBuilder.h"
#include "framework/Exception.h"
#include "framework/gui/GraphicsColor.h"
#include "platform/gdi/Text.h"

namespace fw {

const TClassInfo& TCanvas::StaticClass() {
    static const TClassInfo info = TClassBuilder<TCanvas, TPersistent>("TCanvas")
                                       .Property("Font", &TCanvas::Font)
                                       .Property("Brush", &TCanvas::Brush)
                                       .Property("Pen", &TCanvas::Pen)
                                       .Build();
    return info;
}

TCanvas::TCanvas()
    : FFont(std::make_unique<TFont>()), FBrush(std::make_unique<TBrush>()),
      FPen(std::make_unique<TPen>()) {}

TCanvas::~TCanvas() {
    Deselect();
}

void TCanvas::SetHandle(win::HDC dc) {
    if (dc == FHandle)
        return;
    Deselect();
    FHandle = dc;
}

void TCanvas::Deselect() {
    if (!FHandle)
        return;
    if (FOldFont)
        win::SelectObject(FHandle, FOldFont);
    if (FOldBrush)
        win::SelectObject(FHandle, FOldBrush);
    if (FOldPen)
        win::SelectObject(FHandle, FOldPen);
    FOldFont = FOldBrush = FOldPen = nullptr;
}

void TCanvas::RequireHandle() const {
    if (!FHandle)
        throw EInvalidOperation("Canvas does not allow drawing");
}

win::HDC TCanvas::Prepared() {
    RequireHandle();
    win::HGDIOBJ previous = win::SelectObject(FHandle, FFont->Handle());
    if (!FOldFont)
        FOldFont = previous;
    previous = win::SelectObject(FHandle, FBrush->Handle());
    if (!FOldBrush)
        FOldBrush = previous;
    previous = win::SelectObject(FHandle, FPen->Handle());
    if (!FOldPen)
        FOldPen = previous;
    win::SetTextColor(FHandle, ColorToRGB(FFont->Color()));
    win::SetBkColor(FHandle, ColorToRGB(FBrush->Color()));
    win::SetBkMode(FHandle,
                   FBrush->Style() == TBrushStyle::bsClear ? win::TRANSPARENT : win::OPAQUE);
    return FHandle;
}

void TCanvas::FillRect(const win::RECT& rect) {
    win::FillRect(Prepared(), &rect, FBrush->Handle());
}

void TCanvas::FrameRect(const win::RECT& rect) {
    win::FrameRect(Prepared(), &rect, FBrush->Handle());
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
    win::Rectangle(Prepared(), left, top, right, bottom);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
    win::Ellipse(Prepared(), left, top, right, bottom);
}

void TCanvas::MoveTo(int x, int y) {
    win::MoveToEx(Prepared(), x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
    win::LineTo(Prepared(), x, y);
}

void TCanvas::Polygon(std::span<const win::POINT> points) {
    win::Polygon(Prepared(), points.data(), static_cast<int>(points.size()));
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    win::TextOut(Prepared(), x, y, text.data(), static_cast<int>(text.size()));
}

void TCanvas::TextRect(const win::RECT& rect, int x, int y, const std::string& text) {
    win::ExtTextOut(Prepared(), x, y, win::ETO_CLIPPED, &rect, text.data(),
                    static_cast<win::UINT>(text.size()), nullptr);
}

int TCanvas::DrawText(const std::string& text, win::RECT& rect, win::UINT format) {
    return win::DrawText(Prepared(), text.data(), static_cast<int>(text.size()), &rect, format);
}

win::SIZE TCanvas::TextExtent(const std::string& text) {
    win::SIZE size{0, 0};
    win::GetTextExtentPoint32(Prepared(), text.data(), static_cast<int>(text.size()), &size);
    return size;
}

void TCanvas::Draw(int x, int y, win::HBITMAP bitmap) {
    win::BITMAP info;
    if (!bitmap || !win::GetObject(bitmap, sizeof info, &info))
        return;
    StretchDraw({x, y, x + info.bmWidth, y + info.bmHeight}, bitmap);
}

void TCanvas::StretchDraw(const win::RECT& rect, win::HBITMAP bitmap) {
    win::BITMAP info;
    if (!bitmap || !win::GetObject(bitmap, sizeof info, &info))
        return;
    win::HDC dc = Prepared();
    win::HDC source = win::CreateCompatibleDC(dc);
    win::HGDIOBJ old = win::SelectObject(source, bitmap);
    win::StretchBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, source,
                    0, 0, info.bmWidth, info.bmHeight, win::SRCCOPY);
    win::SelectObject(source, old);
    win::DeleteDC(source);
}

void TCanvas::CopyRect(const win::RECT& dest, TCanvas& canvas, const win::RECT& source) {
    win::HDC target = Prepared();
    canvas.RequireHandle();
    win::StretchBlt(target, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top,
                    canvas.Handle(), source.left, source.top, source.right - source.left,
                    source.bottom - source.top, FCopyMode);
}

void TCanvas::Unlock() {
    if (FLockCount > 0)
        --FLockCount;
}

bool TCanvas::TryLock() {
    if (FLockCount > 0)
        return false;
    Lock();
    return true;
}

win::COLORREF TCanvas::Pixels(int x, int y) const {
    RequireHandle();
    return win::GetPixel(FHandle, x, y);
}

void TCanvas::SetPixels(int x, int y, TColor color) {
    win::SetPixel(Prepared(), x, y, ColorToRGB(color));
}

} // namespace fw

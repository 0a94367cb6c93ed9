#include "tools/banner/ArtCanvas.h"

#include "platform/gdi/Text.h"

#include <cmath>
#include <cstring>

namespace banner {

namespace {

// Surface pixels are 0x00RRGGBB; COLORREF is 0x00BBGGRR.
std::uint32_t PixelOf(win::COLORREF color) {
    return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}

win::COLOR16 Channel16(win::COLORREF color, int shift) {
    return win::COLOR16(((color >> shift) & 0xFF) << 8);
}

// Selects a solid brush and no pen for one fill, and restores the DC after.
class TSolidFill {
public:
    TSolidFill(win::HDC dc, win::COLORREF color)
        : FDC(dc), FBrush(win::CreateSolidBrush(color)), FOldBrush(win::SelectObject(dc, FBrush)),
          FOldPen(win::SelectObject(dc, win::GetStockObject(win::NULL_PEN))) {}
    ~TSolidFill() {
        win::SelectObject(FDC, FOldPen);
        win::SelectObject(FDC, FOldBrush);
        win::DeleteObject(FBrush);
    }
    TSolidFill(const TSolidFill&) = delete;
    TSolidFill& operator=(const TSolidFill&) = delete;

private:
    win::HDC FDC;
    win::HBRUSH FBrush;
    win::HGDIOBJ FOldBrush;
    win::HGDIOBJ FOldPen;
};

} // namespace

TArtCanvas::TArtCanvas(int width, int height, int scale, win::COLORREF background)
    : FWidth(width), FHeight(height), FScale(scale), FSurface(width * scale, height * scale),
      FDC(win::CreateSurfaceDC(FSurface, {0, 0}, nullptr)) {
    std::fill(FSurface.pixels.begin(), FSurface.pixels.end(), PixelOf(background));
    win::SetBkMode(FDC, win::TRANSPARENT);
}

TArtCanvas::~TArtCanvas() {
    win::DeleteDC(FDC);
}

int TArtCanvas::Scaled(double value) const {
    return static_cast<int>(std::lround(value * FScale));
}

void TArtCanvas::VerticalGradient(double left, double top, double right, double bottom,
                                  win::COLORREF upper, win::COLORREF lower) {
    win::TRIVERTEX corners[2];
    corners[0].x = Scaled(left);
    corners[0].y = Scaled(top);
    corners[0].Red = Channel16(upper, 0);
    corners[0].Green = Channel16(upper, 8);
    corners[0].Blue = Channel16(upper, 16);
    corners[1].x = Scaled(right);
    corners[1].y = Scaled(bottom);
    corners[1].Red = Channel16(lower, 0);
    corners[1].Green = Channel16(lower, 8);
    corners[1].Blue = Channel16(lower, 16);
    win::GRADIENT_RECT mesh{0, 1};
    win::GradientFill(FDC, corners, 2, &mesh, 1, win::GRADIENT_FILL_RECT_V);
}

void TArtCanvas::Ellipse(double left, double top, double right, double bottom,
                         win::COLORREF color) {
    TSolidFill fill(FDC, color);
    win::Ellipse(FDC, Scaled(left), Scaled(top), Scaled(right), Scaled(bottom));
}

void TArtCanvas::RoundRect(double left, double top, double right, double bottom, double radius,
                           win::COLORREF color) {
    TSolidFill fill(FDC, color);
    win::RoundRect(FDC, Scaled(left), Scaled(top), Scaled(right), Scaled(bottom),
                   Scaled(radius * 2), Scaled(radius * 2));
}

void TArtCanvas::Polygon(const std::vector<TPointF>& points, win::COLORREF color) {
    std::vector<win::POINT> scaled;
    scaled.reserve(points.size());
    for (const TPointF& point : points)
        scaled.push_back({Scaled(point.x), Scaled(point.y)});
    TSolidFill fill(FDC, color);
    win::Polygon(FDC, scaled.data(), static_cast<int>(scaled.size()));
}

win::HFONT TArtCanvas::SelectFont(const TTextStyle& style) {
    win::LOGFONT description;
    description.lfHeight = Scaled(style.height);
    description.lfWeight = style.weight;
    std::strncpy(description.lfFaceName, style.face.c_str(), sizeof description.lfFaceName - 1);
    return win::CreateFontIndirect(&description);
}

void TArtCanvas::Text(double x, double y, const std::string& text, const TTextStyle& style) {
    win::HFONT font = SelectFont(style);
    win::HGDIOBJ old = win::SelectObject(FDC, font);
    win::SetTextColor(FDC, style.color);
    win::TextOut(FDC, Scaled(x), Scaled(y), text.c_str(), static_cast<int>(text.size()));
    win::SelectObject(FDC, old);
    win::DeleteObject(font);
}

double TArtCanvas::TextWidth(const std::string& text, const TTextStyle& style) {
    win::HFONT font = SelectFont(style);
    win::HGDIOBJ old = win::SelectObject(FDC, font);
    win::SIZE extent{};
    win::GetTextExtentPoint32(FDC, text.c_str(), static_cast<int>(text.size()), &extent);
    win::SelectObject(FDC, old);
    win::DeleteObject(font);
    return double(extent.cx) / FScale;
}

win::Surface TArtCanvas::Averaged() const {
    return AveragedWithAlpha(0xFFFFFFFF);
}

win::Surface TArtCanvas::AveragedWithAlpha(win::COLORREF key) const {
    const std::uint32_t keyPixel = key == 0xFFFFFFFF ? 0xFFFFFFFF : PixelOf(key);
    const int samples = FScale * FScale;
    win::Surface result(FWidth, FHeight);
    for (int y = 0; y < FHeight; ++y) {
        for (int x = 0; x < FWidth; ++x) {
            int covered = 0;
            int red = 0, green = 0, blue = 0;
            for (int sy = 0; sy < FScale; ++sy) {
                const std::uint32_t* row = FSurface.Row(y * FScale + sy) + x * FScale;
                for (int sx = 0; sx < FScale; ++sx) {
                    const std::uint32_t pixel = row[sx] & 0xFFFFFF;
                    if (pixel == keyPixel)
                        continue;
                    ++covered;
                    red += (pixel >> 16) & 0xFF;
                    green += (pixel >> 8) & 0xFF;
                    blue += pixel & 0xFF;
                }
            }
            if (covered == 0)
                continue;
            const std::uint32_t alpha = std::uint32_t((covered * 255 + samples / 2) / samples);
            result.Row(y)[x] = (alpha << 24) | (std::uint32_t(red / covered) << 16) |
                               (std::uint32_t(green / covered) << 8) |
                               std::uint32_t(blue / covered);
        }
    }
    return result;
}

} // namespace banner

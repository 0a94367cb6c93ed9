#pragma once
// The canvas our skin's images are drawn on: RGB pixels, shapes given as
// inside-tests over continuous coordinates, painted with the share of each
// pixel they cover (4 x 4 samples), so edges on whole pixels stay crisp and
// curves and diagonals come out smooth. Parts of an image the painters must
// not draw are keyed out in magenta at the end.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace skinart {

struct TRgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const TRgb&) const = default;
};

constexpr TRgb Rgb(std::uint32_t hex) {
    return {std::uint8_t(hex >> 16), std::uint8_t(hex >> 8), std::uint8_t(hex)};
}

constexpr TRgb kKey = {255, 0, 255};

// a mixed toward b by t (0..1).
TRgb Mix(TRgb a, TRgb b, double t);

// Whether a point lies inside; coordinates in pixels, (0, 0) the top-left
// corner of the top-left pixel.
using TShape = std::function<bool(double x, double y)>;
// The colour a paint has at a point.
using TPaint = std::function<TRgb(double x, double y)>;

TShape Rect(double left, double top, double right, double bottom);
TShape RoundRect(double left, double top, double right, double bottom, double radius);
TShape Circle(double cx, double cy, double radius);
// Even-odd fill of a closed polygon.
TShape Polygon(std::vector<std::pair<double, double>> points);
// A stroke of the given width with round ends.
TShape Line(double x1, double y1, double x2, double y2, double width);
// Whole pixels from rows of text: '#' is inside; the first row's first
// character is the pixel at (x, y).
TShape Pattern(int x, int y, std::vector<std::string> rows);
TShape Union(TShape a, TShape b);
TShape Intersect(TShape a, TShape b);
// Inside a, outside b.
TShape Minus(TShape a, TShape b);

TPaint Solid(TRgb color);
// From `top` at y0 to `bottom` at y1, constant beyond.
TPaint VerticalGradient(double y0, TRgb top, double y1, TRgb bottom);
TPaint HorizontalGradient(double x0, TRgb left, double x1, TRgb right);

class TSkinCanvas {
public:
    TSkinCanvas(int width, int height, TRgb background);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    TRgb At(int x, int y) const { return FPixels[Index(x, y)]; }
    void Set(int x, int y, TRgb color) { FPixels[Index(x, y)] = color; }

    // Blends paint over every pixel by the share of it the shape covers.
    void Fill(const TShape& shape, const TPaint& paint);
    void Fill(const TShape& shape, TRgb color) { Fill(shape, Solid(color)); }
    // Magenta for every pixel the shape does not touch at all.
    void KeyOutside(const TShape& shape);
    // Copies another canvas with its top-left corner at (x, y).
    void Place(const TSkinCanvas& part, int x, int y);

private:
    std::size_t Index(int x, int y) const {
        return std::size_t(y) * std::size_t(FWidth) + std::size_t(x);
    }
    double Coverage(const TShape& shape, int x, int y) const;

    int FWidth;
    int FHeight;
    std::vector<TRgb> FPixels;
};

} // namespace skinart

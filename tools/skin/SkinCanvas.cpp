#include "tools/skin/SkinCanvas.h"

#include <algorithm>
#include <cmath>

namespace skinart {

namespace {

constexpr int kSamples = 4;

double Clamp01(double t) {
    return std::clamp(t, 0.0, 1.0);
}

} // namespace

TRgb Mix(TRgb a, TRgb b, double t) {
    const auto channel = [t](std::uint8_t from, std::uint8_t to) {
        return std::uint8_t(std::lround(from + (to - from) * Clamp01(t)));
    };
    return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

TShape Rect(double left, double top, double right, double bottom) {
    return [=](double x, double y) { return x >= left && x < right && y >= top && y < bottom; };
}

TShape RoundRect(double left, double top, double right, double bottom, double radius) {
    return [=](double x, double y) {
        if (x < left || x >= right || y < top || y >= bottom)
            return false;
        const double cx = std::clamp(x, left + radius, right - radius);
        const double cy = std::clamp(y, top + radius, bottom - radius);
        return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
    };
}

TShape Circle(double cx, double cy, double radius) {
    return [=](double x, double y) {
        return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
    };
}

TShape Polygon(std::vector<std::pair<double, double>> points) {
    return [points = std::move(points)](double x, double y) {
        bool inside = false;
        for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
            const auto [xi, yi] = points[i];
            const auto [xj, yj] = points[j];
            if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi)
                inside = !inside;
        }
        return inside;
    };
}

TShape Line(double x1, double y1, double x2, double y2, double width) {
    return [=](double x, double y) {
        const double dx = x2 - x1, dy = y2 - y1;
        const double length2 = dx * dx + dy * dy;
        const double t = length2 == 0 ? 0 : Clamp01(((x - x1) * dx + (y - y1) * dy) / length2);
        const double px = x1 + t * dx - x, py = y1 + t * dy - y;
        return px * px + py * py <= width * width / 4;
    };
}

TShape Pattern(int x, int y, std::vector<std::string> rows) {
    return [x, y, rows = std::move(rows)](double px, double py) {
        const int row = int(std::floor(py)) - y;
        const int column = int(std::floor(px)) - x;
        return row >= 0 && row < int(rows.size()) && column >= 0 &&
               column < int(rows[std::size_t(row)].size()) &&
               rows[std::size_t(row)][std::size_t(column)] == '#';
    };
}

TShape Union(TShape a, TShape b) {
    return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) || b(x, y); };
}

TShape Intersect(TShape a, TShape b) {
    return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) && b(x, y); };
}

TShape Minus(TShape a, TShape b) {
    return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) && !b(x, y); };
}

TPaint Solid(TRgb color) {
    return [color](double, double) { return color; };
}

TPaint VerticalGradient(double y0, TRgb top, double y1, TRgb bottom) {
    return [=](double, double y) { return Mix(top, bottom, (y - y0) / (y1 - y0)); };
}

TPaint HorizontalGradient(double x0, TRgb left, double x1, TRgb right) {
    return [=](double x, double) { return Mix(left, right, (x - x0) / (x1 - x0)); };
}

TSkinCanvas::TSkinCanvas(int width, int height, TRgb background)
    : FWidth(width), FHeight(height),
      FPixels(std::size_t(width) * std::size_t(height), background) {}

double TSkinCanvas::Coverage(const TShape& shape, int x, int y) const {
    int inside = 0;
    for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx)
            inside += shape(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples);
    return double(inside) / (kSamples * kSamples);
}

void TSkinCanvas::Fill(const TShape& shape, const TPaint& paint) {
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x) {
            const double coverage = Coverage(shape, x, y);
            if (coverage > 0)
                Set(x, y, Mix(At(x, y), paint(x + 0.5, y + 0.5), coverage));
        }
}

void TSkinCanvas::KeyOutside(const TShape& shape) {
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x)
            if (Coverage(shape, x, y) == 0)
                Set(x, y, kKey);
}

void TSkinCanvas::Place(const TSkinCanvas& part, int x, int y) {
    for (int py = 0; py < part.FHeight; ++py)
        for (int px = 0; px < part.FWidth; ++px)
            if (x + px >= 0 && x + px < FWidth && y + py >= 0 && y + py < FHeight)
                Set(x + px, y + py, part.At(px, py));
}

} // namespace skinart

#include "tools/banner/SvgPicture.h"

#include <cmath>
#include <cstdio>

namespace banner {

namespace {

// Thousandths of a pixel are finer than any renderer shows; trailing zeros go.
std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", std::round(value * 1000) / 1000);
    std::string number(text);
    number.erase(number.find_last_not_of('0') + 1);
    if (number.back() == '.')
        number.pop_back();
    return number == "-0" ? "0" : number;
}

std::string Fill(win::COLORREF color) {
    char text[16];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", unsigned(color & 0xFF),
                  unsigned((color >> 8) & 0xFF), unsigned((color >> 16) & 0xFF));
    return text;
}

} // namespace

TSvgPicture::TSvgPicture(int width, int height) : FWidth(width), FHeight(height) {}

void TSvgPicture::Ellipse(double left, double top, double right, double bottom,
                          win::COLORREF color) {
    FShapes += "  <ellipse cx=\"" + Number((left + right) / 2) + "\" cy=\"" +
               Number((top + bottom) / 2) + "\" rx=\"" + Number((right - left) / 2) + "\" ry=\"" +
               Number((bottom - top) / 2) + "\" fill=\"" + Fill(color) + "\"/>\n";
}

void TSvgPicture::RoundRect(double left, double top, double right, double bottom, double radius,
                            win::COLORREF color) {
    FShapes += "  <rect x=\"" + Number(left) + "\" y=\"" + Number(top) + "\" width=\"" +
               Number(right - left) + "\" height=\"" + Number(bottom - top) + "\" rx=\"" +
               Number(radius) + "\" fill=\"" + Fill(color) + "\"/>\n";
}

void TSvgPicture::Polygon(const std::vector<TPointF>& points, win::COLORREF color) {
    std::string list;
    for (const TPointF& point : points)
        list += (list.empty() ? "" : " ") + Number(point.x) + "," + Number(point.y);
    FShapes += "  <polygon points=\"" + list + "\" fill=\"" + Fill(color) + "\"/>\n";
}

std::string TSvgPicture::Text() const {
    const std::string width = std::to_string(FWidth);
    const std::string height = std::to_string(FHeight);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
           width + "\" height=\"" + height + "\" viewBox=\"0 0 " + width + " " + height + "\">\n" +
           FShapes + "</svg>\n";
}

} // namespace banner

#include "tools/banner/Artwork.h"

#include "tools/banner/ArtCanvas.h"
#include "tools/banner/SvgPicture.h"

namespace banner {

namespace {

constexpr win::COLORREF kDeepBlue = win::RGB(30, 96, 170);
constexpr win::COLORREF kInkBlue = win::RGB(22, 74, 136);
constexpr win::COLORREF kScreen = win::RGB(222, 240, 253);
constexpr win::COLORREF kMagentaKey = win::RGB(255, 0, 255);

// A television whose screen shows a list, in a box of size x size at (x, y).
void DrawEmblem(TShapePainter& canvas, double x, double y, double size) {
    auto at = [&](double u, double v) { return TPointF{x + u * size, y + v * size}; };
    const double stroke = 0.045;
    canvas.Polygon(
        {at(0.50, 0.24), at(0.26, 0.03), at(0.26 + stroke, 0.03), at(0.50 + stroke, 0.24)},
        kDeepBlue);
    canvas.Polygon(
        {at(0.50, 0.24), at(0.74, 0.03), at(0.74 - stroke, 0.03), at(0.50 - stroke, 0.24)},
        kDeepBlue);
    canvas.Ellipse(x + 0.22 * size, y + 0.0 * size, x + 0.30 * size, y + 0.08 * size, kDeepBlue);
    canvas.Ellipse(x + 0.70 * size, y + 0.0 * size, x + 0.78 * size, y + 0.08 * size, kDeepBlue);

    canvas.RoundRect(x + 0.16 * size, y + 0.84 * size, x + 0.30 * size, y + 0.96 * size,
                     0.03 * size, kInkBlue);
    canvas.RoundRect(x + 0.70 * size, y + 0.84 * size, x + 0.84 * size, y + 0.96 * size,
                     0.03 * size, kInkBlue);
    canvas.RoundRect(x + 0.02 * size, y + 0.22 * size, x + 0.98 * size, y + 0.90 * size,
                     0.12 * size, kDeepBlue);
    canvas.RoundRect(x + 0.10 * size, y + 0.30 * size, x + 0.76 * size, y + 0.82 * size,
                     0.07 * size, kScreen);
    if (size >= 24) {
        for (double row : {0.40, 0.52, 0.64}) {
            canvas.Ellipse(x + 0.17 * size, y + row * size, x + 0.23 * size,
                           y + (row + 0.06) * size, kDeepBlue);
            canvas.RoundRect(x + 0.27 * size, y + (row + 0.01) * size, x + 0.68 * size,
                             y + (row + 0.05) * size, 0.02 * size, kDeepBlue);
        }
    } else {
        // Two whole-pixel bars: three thin rows blur into one grey patch at 16 px.
        for (double row : {0.375, 0.5625}) {
            canvas.RoundRect(x + 0.1875 * size, y + row * size, x + 0.6875 * size,
                             y + (row + 0.0625) * size, 0, kDeepBlue);
        }
    }
    canvas.Ellipse(x + 0.82 * size, y + 0.36 * size, x + 0.92 * size, y + 0.46 * size, kScreen);
    canvas.Ellipse(x + 0.82 * size, y + 0.52 * size, x + 0.92 * size, y + 0.62 * size, kScreen);
}

// Soft arcs on the right, and a light strip along the bottom edge that meets
// the page tabs below the banner.
void DrawBackground(TArtCanvas& canvas) {
    canvas.VerticalGradient(0, 0, kBannerWidth, kBannerHeight, win::RGB(206, 229, 249),
                            win::RGB(247, 251, 255));
    canvas.Ellipse(420, -150, 820, 72, win::RGB(218, 237, 252));
    canvas.Ellipse(470, -120, 800, 52, win::RGB(228, 242, 253));
    canvas.Ellipse(520, -90, 780, 34, win::RGB(238, 247, 254));
    canvas.VerticalGradient(0, 80, kBannerWidth, 84, win::RGB(182, 214, 242),
                            win::RGB(150, 193, 233));
}

// A white plate under the window's "Ver" label (263, 68) and its borderless
// white version box (287, 67, 121 x 17), so the box reads as part of the banner.
void DrawVersionPlate(TArtCanvas& canvas) {
    canvas.RoundRect(255, 62, 415, 90, 5, win::RGB(160, 198, 234));
    canvas.RoundRect(256, 63, 414, 90, 4, win::RGB(255, 255, 255));
}

} // namespace

win::Surface DrawBanner() {
    TArtCanvas canvas(kBannerWidth, kBannerHeight, 4, win::RGB(255, 255, 255));
    DrawBackground(canvas);
    DrawVersionPlate(canvas);
    DrawEmblem(canvas, 22, 10, 60);

    const TTextStyle name{"DejaVu Sans", 44, win::FW_BOLD, kInkBlue};
    canvas.Text(96, 4, "Telvora", name);
    const TTextStyle tagline{"WenQuanYi Zen Hei", 17, win::FW_NORMAL, win::RGB(44, 100, 164)};
    canvas.Text(99, 51, "中国电视节目列表", tagline);
    return canvas.Averaged();
}

win::Surface DrawIcon(int size) {
    TArtCanvas canvas(size, size, 8, kMagentaKey);
    DrawEmblem(canvas, 0, 0, size);
    return canvas.AveragedWithAlpha(kMagentaKey);
}

std::string IconSvg() {
    TSvgPicture picture(kScalableIconSize, kScalableIconSize);
    DrawEmblem(picture, 0, 0, kScalableIconSize);
    return picture.Text();
}

} // namespace banner

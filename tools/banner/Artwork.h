#pragma once
// The program's pictures: the banner across the top of the main window and the
// program icon, both drawn from the television emblem.

#include "platform/gdi/Surface.h"

#include <string>

namespace banner {

constexpr int kBannerWidth = 624;
constexpr int kBannerHeight = 84;

win::Surface DrawBanner();
// A square icon of the given size with an alpha channel.
win::Surface DrawIcon(int size);

// The icon as an SVG document, drawn as the detailed large sizes are, on a
// canvas of kScalableIconSize pixels square.
constexpr int kScalableIconSize = 48;
std::string IconSvg();

} // namespace banner

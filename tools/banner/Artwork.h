#pragma once
// The program's pictures: the banner across the top of the main window and the
// program icon, both drawn from the television emblem.

#include "platform/gdi/Surface.h"

namespace banner {

constexpr int kBannerWidth = 624;
constexpr int kBannerHeight = 84;

win::Surface DrawBanner();
// A square icon of the given size with an alpha channel.
win::Surface DrawIcon(int size);

} // namespace banner

#pragma once
// BMP files of our skin's images: bottom-up, uncompressed, 24 or 32 bits per
// pixel, optionally with a 256-entry colour table before the pixels (some of
// the skin's bitmaps carry one, which sets their byte size).

#include "tools/skin/SkinCanvas.h"

#include <cstdint>
#include <vector>

namespace skinart {

std::vector<std::uint8_t> EncodeBmp(const TSkinCanvas& image, int bitsPerPixel, bool colorTable);

} // namespace skinart

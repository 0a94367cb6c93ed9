#pragma once
// Writing the generated pictures: JPEG (libjpeg) for the banner, PNG with
// alpha (libpng), a Windows icon file and an SVG document for the program
// icon. Each returns false on any error and then leaves no file behind.

#include "platform/gdi/Surface.h"

#include <span>
#include <string>

namespace banner {

bool WriteJpeg(const std::string& path, const win::Surface& picture, int quality);
bool WriteRgbaPng(const std::string& path, const win::Surface& picture);
// One 32-bit image per surface (alpha from the top byte), largest first as
// viewers expect.
bool WriteIco(const std::string& path, std::span<const win::Surface> images);
bool WriteText(const std::string& path, const std::string& text);

} // namespace banner

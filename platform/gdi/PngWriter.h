#pragma once
// PNG output of pixels for tests, the headless backend and tools: 8-bit RGB,
// no alpha, exactly the pixels given.

#include "platform/gdi/GdiTypes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace win {

// The PNG bytes of a surface; empty when libpng fails.
std::vector<std::uint8_t> EncodePng(const Surface& surface);
// Writes a surface or a bitmap (any depth) as a PNG file; false on any error,
// and then no file is left behind.
bool WritePng(const std::string& path, const Surface& surface);
bool WritePng(const std::string& path, HBITMAP bitmap);
// The pixels of a bitmap as a surface (a copy), e.g. to encode or compare it.
Surface SurfaceFromBitmap(HBITMAP bitmap);

} // namespace win

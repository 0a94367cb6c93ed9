#pragma once
// JPEG pictures through libjpeg, decoded into a 24-bit bitmap.

#include <cstdint>
#include <span>

namespace fw {

class TBitmap;

bool IsJpeg(std::span<const std::uint8_t> bytes);
// EInvalidGraphic "JPEG error: <libjpeg's message>" for a picture libjpeg refuses.
void DecodeJpeg(std::span<const std::uint8_t> bytes, TBitmap& bitmap);

} // namespace fw

#pragma once
// Stock objects beyond the public indices: the 1 x 1 monochrome bitmap every new
// memory DC starts with.

#include "platform/gdi/GdiTypes.h"

namespace win {

HBITMAP StockBitmap();

} // namespace win

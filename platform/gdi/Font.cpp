#include "platform/gdi/Font.h"

#include "platform/gdi/FontFace.h"
#include "platform/gdi/FontLibrary.h"
#include "platform/gdi/SystemMetrics.h"

#include <cstring>

namespace win {

FontFace& Font::Face() {
    if (!face_)
        face_ = FontLibrary::Instance().Realize(description_);
    return *face_;
}

LOGFONT StockFontDescription(int index) {
    LOGFONT lf = ClassicFont(FW_NORMAL);
    switch (index) {
    case OEM_FIXED_FONT:
    case ANSI_FIXED_FONT:
    case SYSTEM_FIXED_FONT:
        std::strcpy(lf.lfFaceName, "新宋体");
        lf.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
        break;
    case SYSTEM_FONT:
    case DEVICE_DEFAULT_FONT:
        lf.lfHeight = 16;
        lf.lfWeight = FW_BOLD;
        break;
    default:
        break;
    }
    return lf;
}

} // namespace win

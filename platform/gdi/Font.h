#pragma once
// The object behind an HFONT: the logical font as asked for. The face that
// realises it is resolved on first use and held while the font lives.

#include "platform/gdi/GdiObject.h"
#include "platform/gdi/GdiTypes.h"

#include <memory>

namespace win {

class FontFace;

class Font : public GdiObject {
public:
    explicit Font(const LOGFONT& description) : GdiObject(OBJ_FONT), description_(description) {}
    static bool Accepts(DWORD type) { return type == OBJ_FONT; }

    const LOGFONT& Description() const { return description_; }
    // The realised font; never null (falls back to any face fontconfig offers).
    FontFace& Face();

private:
    LOGFONT description_;
    std::shared_ptr<FontFace> face_; // shared with the face cache
};

// The logical font of a stock font index.
LOGFONT StockFontDescription(int index);

} // namespace win

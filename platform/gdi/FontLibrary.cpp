#include "platform/gdi/FontLibrary.h"

#include "platform/gdi/FontFace.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstring>

namespace win {

FontLibrary& FontLibrary::Instance() {
    static FontLibrary library;
    return library;
}

FontLibrary::FontLibrary() {
    FT_Library freetype = nullptr;
    if (FT_Init_FreeType(&freetype) == 0)
        freetype_ = freetype;
    config_ = FcInitLoadConfigAndFonts();
    if (config_)
        FcConfigParseAndLoadFromMemory(config_, reinterpret_cast<const FcChar8*>(FontRules()),
                                       FcTrue);
}

FontLibrary::~FontLibrary() {
    faces_.clear();
    if (config_)
        FcConfigDestroy(config_);
    if (freetype_)
        FT_Done_FreeType(freetype_);
}

FontFace& FontLibrary::Realize(const LOGFONT& description) {
    for (const auto& face : faces_)
        if (face->Matches(description))
            return *face;
    faces_.push_back(std::make_unique<FontFace>(*this, description));
    return *faces_.back();
}

} // namespace win

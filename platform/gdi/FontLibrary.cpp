#include "platform/gdi/FontLibrary.h"

#include "platform/gdi/FontFace.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

namespace win {

FontRoot::FontRoot() {
    FT_Library freetype = nullptr;
    if (FT_Init_FreeType(&freetype) == 0)
        freetype_ = freetype;
    config_ = FcInitLoadConfigAndFonts();
    if (config_)
        FcConfigParseAndLoadFromMemory(config_, reinterpret_cast<const FcChar8*>(FontRules()),
                                       FcTrue);
}

FontRoot::~FontRoot() {
    if (config_)
        FcConfigDestroy(config_);
    if (freetype_)
        FT_Done_FreeType(freetype_);
}

FontLibrary& FontLibrary::Instance() {
    static FontLibrary library;
    return library;
}

FontLibrary::FontLibrary() : root_(std::make_shared<FontRoot>()) {}

std::shared_ptr<FontFace> FontLibrary::Realize(const LOGFONT& description) {
    for (auto it = faces_.begin(); it != faces_.end(); ++it)
        if ((*it)->Matches(description)) {
            faces_.splice(faces_.begin(), faces_, it);
            return faces_.front();
        }
    faces_.push_front(std::make_shared<FontFace>(root_, description));
    std::shared_ptr<FontFace> face = faces_.front();
    EvictUnused();
    return face;
}

// Drops the least recently used faces that only the cache holds, beyond the
// number kept; faces a font object holds are never dropped.
void FontLibrary::EvictUnused() {
    std::size_t unused = 0;
    for (auto it = faces_.begin(); it != faces_.end();) {
        if (it->use_count() == 1 && ++unused > kUnusedFacesKept)
            it = faces_.erase(it);
        else
            ++it;
    }
}

} // namespace win

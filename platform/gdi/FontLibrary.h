#pragma once
// The process's font machinery: one FreeType library and a fontconfig
// configuration made of the system's configuration plus the program's own rules
// ("宋体" → SimSun → AR PL UMing CN's bitmap strikes, and fallbacks), and the
// realised fonts, one per distinct logical font, kept for the process's life so
// their glyph caches stay warm.

#include "platform/gdi/GdiTypes.h"

#include <memory>
#include <string>
#include <vector>

struct FT_LibraryRec_;
struct _FcConfig;

namespace win {

class FontFace;

class FontLibrary {
public:
    static FontLibrary& Instance();
    ~FontLibrary();

    FontFace& Realize(const LOGFONT& description);

    FT_LibraryRec_* FreeType() const { return freetype_; }
    _FcConfig* Config() const { return config_; }

private:
    FontLibrary();
    FT_LibraryRec_* freetype_ = nullptr;
    _FcConfig* config_ = nullptr;
    std::vector<std::unique_ptr<FontFace>> faces_;
};

// The program's fontconfig rules, as loaded on top of the system's.
const char* FontRules();

} // namespace win

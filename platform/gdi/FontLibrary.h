#pragma once
// The process's font machinery: one FreeType library and a fontconfig
// configuration made of the system's configuration plus the program's own rules
// ("宋体" → SimSun → AR PL UMing CN's bitmap strikes, and fallbacks), and the
// realised fonts, one per distinct logical font. Faces in use by a font object
// stay cached; of the others only the most recently used are kept, so that a
// program trying many face names does not hold every face it ever opened.

#include "platform/gdi/GdiTypes.h"

#include <cstddef>
#include <list>
#include <memory>

struct FT_LibraryRec_;
struct _FcConfig;

namespace win {

class FontFace;

// FreeType and the fontconfig configuration, shared by the library and every
// face it opened: a face a font still holds at exit closes after the library.
class FontRoot {
public:
    FontRoot();
    ~FontRoot();
    FontRoot(const FontRoot&) = delete;
    FontRoot& operator=(const FontRoot&) = delete;

    FT_LibraryRec_* FreeType() const { return freetype_; }
    _FcConfig* Config() const { return config_; }

private:
    FT_LibraryRec_* freetype_ = nullptr;
    _FcConfig* config_ = nullptr;
};

class FontLibrary {
public:
    // Faces kept beyond those in use.
    static constexpr std::size_t kUnusedFacesKept = 32;

    static FontLibrary& Instance();

    std::shared_ptr<FontFace> Realize(const LOGFONT& description);
    std::size_t CachedFaces() const { return faces_.size(); }

private:
    FontLibrary();
    void EvictUnused();

    std::shared_ptr<FontRoot> root_;
    std::list<std::shared_ptr<FontFace>> faces_; // most recently used first
};

// The program's fontconfig rules, as loaded on top of the system's.
const char* FontRules();

} // namespace win

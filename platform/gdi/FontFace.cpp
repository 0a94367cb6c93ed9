#include "platform/gdi/FontFace.h"

#include "platform/gdi/FontLibrary.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstring>

namespace win {

namespace {

constexpr int kDefaultPixelSize = 12;

int FcWeightOf(LONG weight) {
    if (weight == FW_DONTCARE)
        weight = FW_NORMAL;
    return FcWeightFromOpenType(int(weight));
}

bool WantsBold(const LOGFONT& lf) {
    return lf.lfWeight >= FW_SEMIBOLD;
}

const char* FamilyOf(const LOGFONT& lf) {
    return lf.lfFaceName[0] ? lf.lfFaceName : "SimSun";
}

// The em size in pixels for a Windows font height: negative heights give the
// character height (the em), positive ones the cell height, which includes the
// internal leading.
int EmFromHeight(LONG height, FT_Face face) {
    if (height < 0)
        return int(-height);
    if (height == 0)
        return kDefaultPixelSize;
    if (!face || !FT_IS_SCALABLE(face))
        return int(height);
    const TT_OS2* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    const long cell = os2 && os2->usWinAscent + os2->usWinDescent > 0
                          ? long(os2->usWinAscent) + long(os2->usWinDescent)
                          : long(face->ascender) - long(face->descender);
    if (cell <= 0)
        return int(height);
    return std::max(1, int(std::lround(double(height) * face->units_per_EM / double(cell))));
}

// A glyph sheared to the right by one pixel per four rows above the baseline,
// for faces without an italic design.
Glyph Slanted(const Glyph& glyph) {
    if (glyph.height == 0)
        return glyph;
    auto shift = [&](int row) {
        const int above = glyph.top - 1 - row;
        return above >= 0 ? above / 4 : -((-above + 3) / 4);
    };
    const int low = shift(glyph.height - 1), high = shift(0);
    Glyph slanted = glyph;
    slanted.left = glyph.left + low;
    slanted.width = glyph.width + high - low;
    slanted.ink.assign(std::size_t(slanted.width) * std::size_t(slanted.height), 0);
    for (int y = 0; y < glyph.height; ++y)
        for (int x = 0; x < glyph.width; ++x)
            slanted.ink[std::size_t(y) * std::size_t(slanted.width) +
                        std::size_t(x + shift(y) - low)] =
                glyph.ink[std::size_t(y) * std::size_t(glyph.width) + std::size_t(x)];
    return slanted;
}

} // namespace

FontFace::FontFace(std::shared_ptr<const FontRoot> root, const LOGFONT& description)
    : root_(std::move(root)), description_(description) {
    Open();
    ComputeMetrics();
}

FontFace::~FontFace() {
    for (Source& s : sources_)
        if (s.face)
            FT_Done_Face(s.face);
    if (fonts_)
        FcFontSetDestroy(fonts_);
}

bool FontFace::Matches(const LOGFONT& d) const {
    const LOGFONT& m = description_;
    return d.lfHeight == m.lfHeight && d.lfWidth == m.lfWidth && d.lfWeight == m.lfWeight &&
           d.lfItalic == m.lfItalic && d.lfUnderline == m.lfUnderline &&
           d.lfStrikeOut == m.lfStrikeOut && d.lfCharSet == m.lfCharSet &&
           std::strncmp(d.lfFaceName, m.lfFaceName, sizeof(m.lfFaceName)) == 0;
}

void FontFace::Open() {
    FcConfig* config = root_->Config();
    if (!config)
        return;
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY,
                       reinterpret_cast<const FcChar8*>(FamilyOf(description_)));
    FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightOf(description_.lfWeight));
    FcPatternAddInteger(pattern, FC_SLANT,
                        description_.lfItalic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    if (description_.lfHeight < 0)
        FcPatternAddDouble(pattern, FC_PIXEL_SIZE, double(-description_.lfHeight));
    // A simplified-Chinese character set prefers simplified-Chinese fallbacks.
    if (description_.lfCharSet == GB2312_CHARSET)
        FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>("zh-cn"));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    fonts_ = FcFontSort(config, pattern, FcTrue, nullptr, &result);
    FcPatternDestroy(pattern);
    if (!fonts_)
        return;
    sources_.resize(std::size_t(fonts_->nfont));
    for (int i = 0; i < fonts_->nfont; ++i) {
        FcCharSet* charset = nullptr;
        if (FcPatternGetCharSet(fonts_->fonts[i], FC_CHARSET, 0, &charset) == FcResultMatch)
            sources_[std::size_t(i)].charset = charset;
    }
    FT_Face primary = OpenFace(0);
    pixelSize_ = EmFromHeight(description_.lfHeight, primary);
    if (primary) {
        FcChar8* family = nullptr;
        if (FcPatternGetString(fonts_->fonts[0], FC_FAMILY, 0, &family) == FcResultMatch)
            family_ = reinterpret_cast<const char*>(family);
        FT_Set_Pixel_Sizes(primary, 0, FT_UInt(pixelSize_));
        syntheticBold_ = WantsBold(description_) && !(primary->style_flags & FT_STYLE_FLAG_BOLD);
        syntheticItalic_ = description_.lfItalic && !(primary->style_flags & FT_STYLE_FLAG_ITALIC);
    }
}

FT_Face FontFace::OpenFace(std::size_t index) {
    if (index >= sources_.size())
        return nullptr;
    Source& source = sources_[index];
    if (source.opened)
        return source.face;
    source.opened = true;
    FcChar8* file = nullptr;
    int faceIndex = 0;
    if (FcPatternGetString(fonts_->fonts[index], FC_FILE, 0, &file) != FcResultMatch)
        return nullptr;
    FcPatternGetInteger(fonts_->fonts[index], FC_INDEX, 0, &faceIndex);
    FT_Face face = nullptr;
    if (FT_New_Face(root_->FreeType(), reinterpret_cast<const char*>(file), faceIndex, &face) != 0)
        return nullptr;
    if (FT_IS_SCALABLE(face)) {
        FT_Set_Pixel_Sizes(face, 0, FT_UInt(pixelSize_));
    } else if (face->num_fixed_sizes > 0) {
        int best = 0;
        for (int i = 1; i < face->num_fixed_sizes; ++i)
            if (std::abs(face->available_sizes[i].height - pixelSize_) <
                std::abs(face->available_sizes[best].height - pixelSize_))
                best = i;
        FT_Select_Size(face, best);
    }
    source.face = face;
    return face;
}

FT_Face FontFace::FaceFor(char32_t c, unsigned& glyphIndex) {
    for (std::size_t i = 0; i < sources_.size(); ++i) {
        if (sources_[i].charset && !FcCharSetHasChar(sources_[i].charset, c))
            continue;
        FT_Face face = OpenFace(i);
        if (!face)
            continue;
        glyphIndex = FT_Get_Char_Index(face, c);
        if (glyphIndex != 0)
            return face;
    }
    glyphIndex = 0;
    return OpenFace(0);
}

void FontFace::ComputeMetrics() {
    TEXTMETRIC& tm = metrics_;
    FT_Face face = OpenFace(0);
    int ascent = pixelSize_ - pixelSize_ / 6, descent = pixelSize_ / 6;
    if (face && face->size) {
        ascent = int((face->size->metrics.ascender + 32) >> 6);
        descent = int((-face->size->metrics.descender + 32) >> 6);
        // Faces with bitmap strikes but outline metrics far taller than the strike
        // would space lines apart; keep the cell within the em plus its leading.
        if (ascent + descent > pixelSize_ + pixelSize_ / 4 + 1) {
            const double scale = double(pixelSize_ + 1) / double(ascent + descent);
            ascent = int(std::lround(ascent * scale));
            descent = pixelSize_ + 1 - ascent;
        }
    }
    tm.tmAscent = ascent;
    tm.tmDescent = descent;
    tm.tmHeight = ascent + descent;
    tm.tmInternalLeading = std::max<LONG>(0, tm.tmHeight - pixelSize_);
    tm.tmExternalLeading = 0;
    tm.tmWeight = description_.lfWeight == FW_DONTCARE ? FW_NORMAL : description_.lfWeight;
    tm.tmOverhang = 0;
    tm.tmItalic = description_.lfItalic;
    tm.tmUnderlined = description_.lfUnderline;
    tm.tmStruckOut = description_.lfStrikeOut;
    tm.tmCharSet =
        description_.lfCharSet == DEFAULT_CHARSET ? GB2312_CHARSET : description_.lfCharSet;
    tm.tmFirstChar = 0x20;
    tm.tmLastChar = 0xFFFF;
    tm.tmDefaultChar = 0x20;
    tm.tmBreakChar = 0x20;
    // Windows reports the width of "x" as the average for TrueType faces.
    tm.tmAveCharWidth = GlyphFor(U'x').advance;
    tm.tmMaxCharWidth = std::max(GlyphFor(U'W').advance, GlyphFor(U'国').advance);
    tm.tmPitchAndFamily = 0x06; // variable pitch, TrueType
    if (face && FT_IS_FIXED_WIDTH(face))
        tm.tmPitchAndFamily = 0x06 & ~1;
}

bool FontFace::FromBitmapStrike(char32_t c) {
    unsigned index = 0;
    FT_Face face = FaceFor(c, index);
    if (!face || FT_Load_Glyph(face, index, FT_LOAD_TARGET_MONO) != 0)
        return false;
    return face->glyph->format == FT_GLYPH_FORMAT_BITMAP;
}

Glyph FontFace::Render(char32_t c) {
    Glyph glyph;
    unsigned index = 0;
    FT_Face face = FaceFor(c, index);
    if (!face)
        return glyph;
    if (FT_Load_Glyph(face, index, FT_LOAD_TARGET_MONO) != 0 ||
        FT_Render_Glyph(face->glyph, FT_RENDER_MODE_MONO) != 0)
        return glyph;
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.width = int(bitmap.width);
    glyph.height = int(bitmap.rows);
    glyph.advance = int((slot->advance.x + 32) >> 6);
    glyph.ink.resize(std::size_t(glyph.width) * std::size_t(glyph.height));
    for (int y = 0; y < glyph.height; ++y) {
        const unsigned char* row = bitmap.buffer + std::ptrdiff_t(y) * bitmap.pitch;
        for (int x = 0; x < glyph.width; ++x) {
            const bool on = bitmap.pixel_mode == FT_PIXEL_MODE_MONO
                                ? (row[x >> 3] >> (7 - (x & 7))) & 1
                                : row[x] >= 128;
            glyph.ink[std::size_t(y) * std::size_t(glyph.width) + std::size_t(x)] = on;
        }
    }
    if (syntheticItalic_)
        glyph = Slanted(glyph);
    if (syntheticBold_) {
        // Smear every row one pixel to the right; the advance grows by one.
        Glyph bold = glyph;
        bold.width = glyph.width + 1;
        bold.advance = glyph.advance + 1;
        bold.ink.assign(std::size_t(bold.width) * std::size_t(bold.height), 0);
        for (int y = 0; y < glyph.height; ++y)
            for (int x = 0; x < glyph.width; ++x)
                if (glyph.ink[std::size_t(y) * std::size_t(glyph.width) + std::size_t(x)]) {
                    bold.ink[std::size_t(y) * std::size_t(bold.width) + std::size_t(x)] = 1;
                    bold.ink[std::size_t(y) * std::size_t(bold.width) + std::size_t(x) + 1] = 1;
                }
        return bold;
    }
    return glyph;
}

const Glyph& FontFace::GlyphFor(char32_t c) {
    if (c < ascii_.size()) {
        auto& slot = ascii_[c];
        if (!slot)
            slot = std::make_unique<Glyph>(Render(c));
        return *slot;
    }
    auto found = glyphs_.find(c);
    if (found != glyphs_.end())
        return found->second;
    return glyphs_.emplace(c, Render(c)).first->second;
}

} // namespace win

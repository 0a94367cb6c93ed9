#pragma once
// A realised font: the FreeType faces that draw a logical font at its pixel
// size (the best match and, per character, the first fallback that has it),
// its text metrics, and a cache of its rendered glyphs. Glyphs are rendered
// without anti-aliasing, from embedded bitmap strikes where the face has one
// for the size; bold is synthesised by smearing one pixel right, as Windows
// does for faces without a bold design, and italic by shearing.

#include "platform/gdi/GdiTypes.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

struct FT_FaceRec_;
struct _FcFontSet;
struct _FcCharSet;

namespace win {

class FontRoot;

struct Glyph {
    int left = 0; // from the pen position to the first column
    int top = 0;  // from the baseline up to the first row
    int width = 0;
    int height = 0;
    int advance = 0;
    std::vector<std::uint8_t> ink; // width * height, 1 where the glyph has a pixel
};

class FontFace {
public:
    FontFace(std::shared_ptr<const FontRoot> root, const LOGFONT& description);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    bool Matches(const LOGFONT& description) const;
    const LOGFONT& Description() const { return description_; }
    const TEXTMETRIC& Metrics() const { return metrics_; }
    int PixelSize() const { return pixelSize_; }
    // The family name of the face that draws the logical font.
    const std::string& FamilyName() const { return family_; }
    // Whether a character is drawn from an embedded bitmap strike.
    bool FromBitmapStrike(char32_t c);

    const Glyph& GlyphFor(char32_t c);

private:
    struct Source {
        FT_FaceRec_* face = nullptr;
        _FcCharSet* charset = nullptr; // borrowed from the font set
        bool opened = false;
    };

    void Open();
    FT_FaceRec_* OpenFace(std::size_t index);
    FT_FaceRec_* FaceFor(char32_t c, unsigned& glyphIndex);
    Glyph Render(char32_t c);
    void ComputeMetrics();

    std::shared_ptr<const FontRoot> root_;
    LOGFONT description_;
    int pixelSize_ = 12;
    bool syntheticBold_ = false;
    bool syntheticItalic_ = false;
    std::string family_;
    TEXTMETRIC metrics_;
    _FcFontSet* fonts_ = nullptr;
    std::vector<Source> sources_;
    std::array<std::unique_ptr<Glyph>, 128> ascii_{};
    std::unordered_map<char32_t, Glyph> glyphs_;
};

} // namespace win

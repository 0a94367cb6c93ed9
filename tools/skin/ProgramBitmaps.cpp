#include "tools/skin/ProgramBitmaps.h"

#include "tools/skin/SkinParts.h"

namespace skinart {

TSkinCanvas TrackResource(bool vertical) {
    return vertical ? TrackChannel(4, 16, true) : TrackChannel(16, 4, false);
}

TSkinCanvas SystemMenuPictures() {
    constexpr TCaptionGlyph glyphs[] = {TCaptionGlyph::Restore, TCaptionGlyph::Maximize,
                                        TCaptionGlyph::Minimize, TCaptionGlyph::Close};
    return Strip(16, 16, 4, [&](int i) {
        TSkinCanvas picture(16, 16, palette::kWhite);
        picture.Fill(Pattern(4, 4, CaptionGlyphRows(glyphs[i])), palette::kInk);
        return picture;
    });
}

} // namespace skinart

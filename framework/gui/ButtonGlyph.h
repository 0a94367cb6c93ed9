#pragma once
// The picture and caption of a glyph button (bit button, speed button). The
// glyph bitmap holds NumGlyphs images side by side: up, disabled, pressed and
// stay-down, each falling back to the first when missing; a disabled button
// without its own image gets an embossed grey copy of the first. The glyph is
// drawn without its transparent colour (its bottom-left pixel unless set).
// Glyph and text are placed by Layout, Margin and Spacing: a Margin of -1
// centres them, a Spacing of -1 spreads them evenly.

#include "framework/gui/Bitmap.h"

#include <memory>
#include <string>

namespace fw {

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
FW_ENUM_NAMES(TButtonLayout, "blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom");

enum class TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

struct TGlyphLayout {
    TButtonLayout Layout = TButtonLayout::blGlyphLeft;
    int Margin = -1;
    int Spacing = 4;
};

class TButtonGlyph {
public:
    TButtonGlyph();
    ~TButtonGlyph();

    TBitmap* Glyph() const { return FGlyph.get(); }
    // Copies the picture; null or an empty bitmap leaves no glyph.
    void SetGlyph(const TBitmap* glyph);
    int NumGlyphs() const { return FNumGlyphs; }
    // 1 to 4; other values are taken as the nearest.
    void SetNumGlyphs(int count);
    TButtonLayout Layout() const { return FLayout.Layout; }
    void SetLayout(TButtonLayout layout) { FLayout.Layout = layout; }
    int Margin() const { return FLayout.Margin; }
    // -1 or more; less is taken as -1.
    void SetMargin(int margin);
    int Spacing() const { return FLayout.Spacing; }
    void SetSpacing(int spacing);

    // Draws glyph and caption in client of canvas, moved by offset (a pressed
    // face moves its content one pixel). Returns where the caption went.
    win::RECT Draw(TCanvas& canvas, const win::RECT& client, win::POINT offset,
                   const std::string& caption, TButtonState state);

private:
    win::SIZE ImageSize() const;
    void DrawImage(TCanvas& canvas, win::POINT at, TButtonState state);
    const TBitmap& DisabledImage();
    static void DrawCaption(TCanvas& canvas, const std::string& caption, win::RECT rect,
                            TButtonState state);

    std::unique_ptr<TBitmap> FGlyph;
    int FNumGlyphs = 1;
    TGlyphLayout FLayout;
    std::unique_ptr<TBitmap> FDisabled;
};

} // namespace fw

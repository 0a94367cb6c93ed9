#pragma once
// The picture and caption of a glyph button (bit button, speed button). The
// glyph bitmap holds NumGlyphs images side by side: up, disabled, pressed and
// stay-down, each falling back to the first when missing; a disabled button
// without its own image gets an embossed grey copy of the first. The glyph is
// drawn without its transparent colour (its bottom-left pixel unless set).
// Without a glyph bitmap the picture may come from an image list: ImageIndex,
// and when disabled DisabledIndex (or ImageIndex embossed when that is -1).
// Glyph and text are placed by Layout, Margin and Spacing: a Margin of -1
// puts them where Alignment says (centred by default), a Spacing of -1
// spreads them evenly. A word-wrapped caption breaks onto more lines.

#include "framework/gui/Bitmap.h"
#include "framework/gui/Control.h"

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
    TAlignment Alignment = TAlignment::taCenter;
};

class TImageList;

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
    TAlignment Alignment() const { return FLayout.Alignment; }
    void SetAlignment(TAlignment alignment) { FLayout.Alignment = alignment; }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool wordWrap) { FWordWrap = wordWrap; }
    // The image list the picture comes from when there is no glyph bitmap
    // (borrowed: the owner keeps it current).
    void SetImages(const TImageList* images, int imageIndex, int disabledIndex);

    // Draws glyph and caption in client of canvas, moved by offset (a pressed
    // face moves its content one pixel). Returns where the caption went.
    win::RECT Draw(TCanvas& canvas, const win::RECT& client, win::POINT offset,
                   const std::string& caption, TButtonState state);

private:
    win::SIZE ImageSize() const;
    void DrawImage(TCanvas& canvas, win::POINT at, TButtonState state);
    const TBitmap& DisabledImage();
    bool FromImages() const;
    win::UINT CaptionFormat() const;
    void DrawCaption(TCanvas& canvas, const std::string& caption, win::RECT rect,
                     TButtonState state) const;

    std::unique_ptr<TBitmap> FGlyph;
    int FNumGlyphs = 1;
    TGlyphLayout FLayout;
    std::unique_ptr<TBitmap> FDisabled;
    bool FWordWrap = false;
    const TImageList* FImages = nullptr;
    int FImageIndex = -1;
    int FDisabledIndex = -1;
};

} // namespace fw

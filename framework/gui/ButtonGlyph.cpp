#include "framework/gui/ButtonGlyph.h"

#include "framework/gui/GraphicsColor.h"
#include "framework/gui/ImageList.h"
#include "platform/gdi/Text.h"

#include <algorithm>

namespace fw {

namespace {

constexpr TColor kDisabledKey = clFuchsia;

bool Horizontal(TButtonLayout layout) {
    return layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;
}

// Dark pixels make the raised shape of a disabled glyph; light ones vanish.
bool IsInk(win::COLORREF color) {
    const int r = color & 0xFF, g = (color >> 8) & 0xFF, b = (color >> 16) & 0xFF;
    return (r * 30 + g * 59 + b * 11) / 100 < 0xC0;
}

struct TPlacement {
    win::POINT glyph;
    win::POINT text;
};

// Positions inside a client area of the given size, per the layout's rules.
TPlacement Place(win::SIZE client, win::SIZE glyph, win::SIZE text, TGlyphLayout layout) {
    TPlacement at{{0, 0}, {0, 0}};
    const bool horizontal = Horizontal(layout.Layout);
    if (horizontal) {
        at.glyph.y = (client.cy - glyph.cy + 1) / 2;
        at.text.y = (client.cy - text.cy + 1) / 2;
    } else {
        at.glyph.x = (client.cx - glyph.cx + 1) / 2;
        at.text.x = (client.cx - text.cx + 1) / 2;
    }
    // Spacing means nothing without both a text and a glyph.
    if (text.cx == 0 || glyph.cx == 0)
        layout.Spacing = 0;
    const int room = horizontal ? client.cx : client.cy;
    const int glyphLength = horizontal ? glyph.cx : glyph.cy;
    const int textLength = horizontal ? text.cx : text.cy;
    // Along the layout's axis: glyph first from the leading edge, or last.
    const bool leading =
        layout.Layout == TButtonLayout::blGlyphLeft || layout.Layout == TButtonLayout::blGlyphTop;
    const bool aligned = layout.Alignment != TAlignment::taCenter;
    if (layout.Margin == -1) {
        if (layout.Spacing == -1) {
            layout.Margin = (room - glyphLength - textLength) / 3;
            layout.Spacing = layout.Margin;
        } else if (aligned && horizontal) {
            // Glyph and text together against the left or the right edge.
            const int length = glyphLength + layout.Spacing + textLength;
            const bool atLeft = layout.Alignment == TAlignment::taLeftJustify;
            layout.Margin = atLeft == leading ? 0 : room - length;
        } else
            layout.Margin = (room - glyphLength - layout.Spacing - textLength + 1) / 2;
    } else if (layout.Spacing == -1)
        layout.Spacing = (room - layout.Margin - glyphLength - textLength) / 2;
    if (aligned && !horizontal) {
        const bool atLeft = layout.Alignment == TAlignment::taLeftJustify;
        at.glyph.x = atLeft ? 0 : client.cx - glyph.cx;
        at.text.x = atLeft ? 0 : client.cx - text.cx;
    }
    const int glyphAt = leading ? layout.Margin : room - layout.Margin - glyphLength;
    const int textAt =
        leading ? glyphAt + glyphLength + layout.Spacing : glyphAt - layout.Spacing - textLength;
    (horizontal ? at.glyph.x : at.glyph.y) = glyphAt;
    (horizontal ? at.text.x : at.text.y) = textAt;
    return at;
}

} // namespace

TButtonGlyph::TButtonGlyph() : FGlyph(std::make_unique<TBitmap>()) {}

TButtonGlyph::~TButtonGlyph() = default;

void TButtonGlyph::SetGlyph(const TBitmap* glyph) {
    FDisabled.reset();
    if (glyph == FGlyph.get())
        return;
    if (glyph && !glyph->Empty())
        FGlyph->Assign(*glyph);
    else
        FGlyph = std::make_unique<TBitmap>();
}

void TButtonGlyph::SetMargin(int margin) {
    FLayout.Margin = std::max(margin, -1);
}

void TButtonGlyph::SetSpacing(int spacing) {
    FLayout.Spacing = std::max(spacing, -1);
}

void TButtonGlyph::SetNumGlyphs(int count) {
    FNumGlyphs = std::clamp(count, 1, 4);
    FDisabled.reset();
}

void TButtonGlyph::SetImages(const TImageList* images, int imageIndex, int disabledIndex) {
    FImages = images;
    FImageIndex = imageIndex;
    FDisabledIndex = disabledIndex;
}

bool TButtonGlyph::FromImages() const {
    return FGlyph->Empty() && FImages && FImageIndex >= 0 && FImageIndex < FImages->Count();
}

win::SIZE TButtonGlyph::ImageSize() const {
    if (FromImages())
        return {FImages->Width(), FImages->Height()};
    if (FGlyph->Empty())
        return {0, 0};
    return {FGlyph->Width() / FNumGlyphs, FGlyph->Height()};
}

// One frame's embossed grey copy, made once per glyph: the white lift one
// pixel down and right, the shadow over it.
const TBitmap& TButtonGlyph::DisabledImage() {
    if (FDisabled)
        return *FDisabled;
    const win::SIZE size = ImageSize();
    auto image = std::make_unique<TBitmap>();
    image->SetSize(size.cx, size.cy);
    TCanvas& target = *image->Canvas();
    target.Brush()->SetColor(kDisabledKey);
    target.FillRect({0, 0, size.cx, size.cy});
    TCanvas& source = *FGlyph->Canvas();
    const win::COLORREF key = ColorToRGB(FGlyph->TransparentColor());
    for (const TColor shade : {clBtnHighlight, clBtnShadow}) {
        const int shift = shade == clBtnHighlight ? 1 : 0;
        for (int y = 0; y < size.cy; ++y)
            for (int x = 0; x < size.cx; ++x) {
                const win::COLORREF pixel = source.Pixels(x, y);
                if (pixel != key && IsInk(pixel) && x + shift < size.cx && y + shift < size.cy)
                    target.SetPixels(x + shift, y + shift, shade);
            }
    }
    image->SetTransparent(true);
    image->SetTransparentColor(kDisabledKey);
    FDisabled = std::move(image);
    return *FDisabled;
}

void TButtonGlyph::DrawImage(TCanvas& canvas, win::POINT at, TButtonState state) {
    const win::SIZE size = ImageSize();
    if (size.cx == 0)
        return;
    if (FromImages()) {
        const bool disabled = state == TButtonState::bsDisabled;
        const bool ownDisabled = disabled && FDisabledIndex >= 0;
        FImages->Draw(canvas, at.x, at.y, ownDisabled ? FDisabledIndex : FImageIndex,
                      !disabled || ownDisabled);
        return;
    }
    const int index = static_cast<int>(state);
    if (state == TButtonState::bsDisabled && index >= FNumGlyphs) {
        DisabledImage().Draw(canvas, {at.x, at.y, at.x + size.cx, at.y + size.cy});
        return;
    }
    const int frame = index < FNumGlyphs ? index : 0;
    const TBitmap::TSelectedDC source(*FGlyph);
    win::TransparentBlt(canvas.Handle(), at.x, at.y, size.cx, size.cy, source.dc, frame * size.cx,
                        0, size.cx, size.cy, ColorToRGB(FGlyph->TransparentColor()));
}

win::UINT TButtonGlyph::CaptionFormat() const {
    return FWordWrap ? win::DT_CENTER | win::DT_WORDBREAK
                     : win::DT_CENTER | win::DT_VCENTER | win::DT_SINGLELINE;
}

void TButtonGlyph::DrawCaption(TCanvas& canvas, const std::string& caption, win::RECT rect,
                               TButtonState state) const {
    const win::UINT format = CaptionFormat();
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    if (state != TButtonState::bsDisabled) {
        canvas.DrawText(caption, rect, format);
        return;
    }
    const TColor color = canvas.Font()->Color();
    win::RECT lifted{rect.left + 1, rect.top + 1, rect.right + 1, rect.bottom + 1};
    canvas.Font()->SetColor(clBtnHighlight);
    canvas.DrawText(caption, lifted, format);
    canvas.Font()->SetColor(clBtnShadow);
    canvas.DrawText(caption, rect, format);
    canvas.Font()->SetColor(color);
}

win::RECT TButtonGlyph::Draw(TCanvas& canvas, const win::RECT& client, win::POINT offset,
                             const std::string& caption, TButtonState state) {
    const win::SIZE size{client.right - client.left, client.bottom - client.top};
    const win::SIZE image = ImageSize();
    // A wrapped caption breaks within the room the glyph leaves beside it.
    const int besideGlyph =
        Horizontal(FLayout.Layout) && image.cx > 0 ? image.cx + std::max(FLayout.Spacing, 0) : 0;
    win::RECT measured{0, 0, size.cx - besideGlyph, 0};
    win::SIZE text{0, 0};
    if (!caption.empty()) {
        canvas.DrawText(caption, measured,
                        win::DT_CALCRECT | (FWordWrap ? win::DT_WORDBREAK : win::DT_SINGLELINE));
        text = {measured.right - measured.left, measured.bottom - measured.top};
    }
    const TPlacement at = Place(size, image, text, FLayout);
    const int left = client.left + offset.x;
    const int top = client.top + offset.y;
    DrawImage(canvas, {left + at.glyph.x, top + at.glyph.y}, state);
    const win::RECT textRect{left + at.text.x, top + at.text.y, left + at.text.x + text.cx,
                             top + at.text.y + text.cy};
    if (!caption.empty())
        DrawCaption(canvas, caption, textRect, state);
    return textRect;
}

} // namespace fw

#include "skin/WinSkinDataSynthesis.h"

#include "framework/gui/GraphicsColor.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/SystemMetrics.h"
#include "skin/ImgUtilBitmaps.h"
#include "skin/ImgUtilColors.h"
#include "skin/ImgUtilGradient.h"
#include "skin/WinSkinData.h"
#include "skin/WinSkinFrameDraw.h"
#include "skin/WinSkinNineSlice.h"

namespace skin {

namespace {

constexpr int kComboCellWidth = 50;
constexpr int kComboCellHeight = 21;
constexpr int kArrowSize = 17;
constexpr int kToolbarWidth = 10;
constexpr int kToolbarHeight = 40;

void FillRect(fw::TBitmap& bitmap, const win::RECT& rect, fw::TColor color) {
    fw::TCanvas& canvas = *bitmap.Canvas();
    canvas.Brush()->SetColor(color);
    canvas.FillRect(rect);
}

// A 24-bit bitmap of that size, all key colour.
void MakeKeyed(fw::TBitmap& bitmap, int width, int height) {
    bitmap.SetPixelFormat(fw::TPixelFormat::pf24bit);
    bitmap.SetSize(width, height);
    FillRect(bitmap, {0, 0, width, height}, kSkinKeyColor);
}

void CopyPixels(fw::TBitmap& target, int x, int y, const fw::TBitmap& source,
                const win::RECT& from) {
    const fw::TBitmap::TSelectedDC image(source);
    win::BitBlt(target.Canvas()->Handle(), x, y, from.right - from.left, from.bottom - from.top,
                image.dc, from.left, from.top, win::SRCCOPY);
}

// Combo box f: the sunken edge over the whole cell, the button (and the
// extra glyph) in the button cell, and the key colour where the text goes.
void DrawComboCell(TSkinData& data, fw::TBitmap& cell, int f, int buttonWidth) {
    const TDataSkinObject& edge = *data.Comboxborder;
    const TDataSkinBorder& button = *data.combox;
    const win::HDC dc = cell.Canvas()->Handle();
    const win::RECT whole{0, 0, kComboCellWidth, kComboCellHeight};
    const win::RECT buttonCell{kComboCellWidth - buttonWidth, 0, kComboCellWidth, kComboCellHeight};
    DrawSkinImage(dc, whole, *edge.Map, TFrameLayout::Horizontal, edge.Tile, edge.trans != 0,
                  edge.frame, f, edge.r);
    DrawSkinImage(dc, buttonCell, *button.Map, TFrameLayout::Horizontal, button.Tile, true,
                  button.frame, f, button.r);
    if (data.ExtraImages)
        DrawSkinFrameCentered(dc, buttonCell, *data.ExtraImages->Map, data.ExtraImages->trans != 0,
                              data.ExtraImages->frame, f);
    FillRect(cell, {2, 2, 49 - buttonWidth, 18}, kSkinKeyColor);
}

} // namespace

void BuildSunkenCombo(TSkinData& data) {
    if (!data.Comboxborder || !data.combox)
        return;
    TDataSkinObject& edge = *data.Comboxborder;
    TDataSkinBorder& button = *data.combox;
    const int buttonWidth = win::GetSystemMetrics(win::SM_CXHSCROLL) + 2;
    const int frames = edge.frame;
    auto result = std::make_unique<fw::TBitmap>();
    MakeKeyed(*result, kComboCellWidth * frames, kComboCellHeight);
    fw::TBitmap cell;
    for (int f = 1; f <= frames; ++f) {
        MakeKeyed(cell, kComboCellWidth, kComboCellHeight);
        DrawComboCell(data, cell, f, buttonWidth);
        CopyPixels(*result, (f - 1) * kComboCellWidth, 0, cell,
                   {0, 0, kComboCellWidth, kComboCellHeight});
    }
    button.style = 2;
    button.r = {2, edge.r.top, buttonWidth + 2, edge.r.bottom};

    auto mirrored = std::make_unique<fw::TBitmap>();
    mirrored->Assign(*result);
    MirrorBitmap(*mirrored);
    button.Map = std::move(result);
    edge.Map = std::move(mirrored);
    edge.r.left = buttonWidth + 2;
    edge.r.right = 2;
}

void BuildComboArrow(TSkinData& data) {
    if (!data.comboxarrow)
        data.comboxarrow = std::make_unique<TDataSkinObject>("ComboxArrow");
    TDataSkinObject& arrow = *data.comboxarrow;
    if (data.Comboxborder && data.combox && data.combox->style == 2) {
        const int n = data.Comboxborder->frame;
        const int w = data.combox->Map->Width() / n;
        MakeKeyed(*arrow.Map, kArrowSize * n, kArrowSize);
        for (int j = 1; j <= n; ++j)
            CopyPixels(*arrow.Map, kArrowSize * (j - 1), 0, *data.combox->Map,
                       {j * w - 19, 2, j * w - 2, 19});
        arrow.frame = n;
    } else if (data.combox) {
        arrow.Map->Assign(*data.combox->Map);
        if (!arrow.Map->Empty())
            ReplaceKeyColor(*arrow.Map, data.Colors[3]);
        arrow.frame = data.combox->frame;
    } else {
        // An arrow left from an earlier skin would not match this one.
        arrow.Map->SetSize(0, 0);
    }
}

void BuildToolbarBackground(TSkinData& data) {
    const fw::TColor caption = data.GetCaptionColor();
    const fw::TColor top = BlendColors(data.Colors[3], fw::clWhite, 150);
    fw::TColor bottom = BlendColors(fw::clGray, caption, 150);
    const int saturation = ColorSaturation(caption);
    if (saturation > 110)
        bottom = BlendColors(caption, fw::clWhite, (5625 - 25 * saturation) / 140 + 50);

    if (!data.Toolbar)
        data.Toolbar = std::make_unique<TDataSkinObject>("Toolbar");
    fw::TBitmap& image = *data.Toolbar->Map;
    image.SetPixelFormat(fw::TPixelFormat::pf24bit);
    image.SetSize(kToolbarWidth, kToolbarHeight);
    GradientFill(image.Canvas()->Handle(), {0, 0, kToolbarWidth, kToolbarHeight}, top,
                 TGradientDirection::TopToBottom, bottom);
    data.Toolbar->frame = 1;
}

} // namespace skin

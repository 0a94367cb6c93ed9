#pragma once
// A push button with a glyph beside its caption, drawn by the framework as an
// owner-drawn button (the window reflects its WM_DRAWITEM back as CN_DRAWITEM).
// A Kind other than bkCustom gives the button the caption, glyph, modal
// result and Default or Cancel role of a standard dialog button. Without a
// glyph the picture can come from Images (ImageIndex, DisabledIndex).

#include "framework/gui/Button.h"
#include "framework/gui/ButtonGlyph.h"
#include "platform/user/controls/StandardControls.h"

namespace fw {

enum class TBitBtnKind {
    bkCustom,
    bkOK,
    bkCancel,
    bkHelp,
    bkYes,
    bkNo,
    bkClose,
    bkAbort,
    bkRetry,
    bkIgnore,
    bkAll
};
FW_ENUM_NAMES(TBitBtnKind, "bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo", "bkClose",
              "bkAbort", "bkRetry", "bkIgnore", "bkAll");

class TBitBtn : public TButton {
    FW_CLASS(TBitBtn, TButton)

    explicit TBitBtn(TComponent* owner);
    ~TBitBtn() override;

    TBitmap* Glyph() const { return FGlyph.Glyph(); }
    // A glyph of one's own makes the button a bkCustom one.
    void SetGlyph(TBitmap* glyph);
    int NumGlyphs() const { return FGlyph.NumGlyphs(); }
    void SetNumGlyphs(int count);
    TBitBtnKind Kind() const { return FKind; }
    void SetKind(TBitBtnKind kind);
    TButtonLayout Layout() const { return FGlyph.Layout(); }
    void SetLayout(TButtonLayout layout);
    int Margin() const { return FGlyph.Margin(); }
    void SetMargin(int margin);
    int Spacing() const { return FGlyph.Spacing(); }
    void SetSpacing(int spacing);
    // Where glyph and caption sit when Margin is -1.
    TAlignment Alignment() const { return FGlyph.Alignment(); }
    void SetAlignment(TAlignment alignment);
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* images);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int index);
    // The image shown while disabled; -1 shows ImageIndex embossed.
    int DisabledIndex() const { return FDisabledIndex; }
    void SetDisabledIndex(int index);

    // A bkClose button also closes its form.
    void Click() override;

protected:
    win::DWORD ButtonStyle(bool active) const override;
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void DrawItem(const win::DRAWITEMSTRUCT& item);
    void ImagesChanged();

    TButtonGlyph FGlyph;
    TBitBtnKind FKind = TBitBtnKind::bkCustom;
    TImageList* FImages = nullptr;
    int FImageIndex = -1;
    int FDisabledIndex = -1;
    std::unique_ptr<TCanvas> FCanvas;
};

} // namespace fw

#pragma once
// A push button with a glyph beside its caption, drawn by the framework as an
// owner-drawn button (the window reflects its WM_DRAWITEM back as CN_DRAWITEM).
// A Kind other than bkCustom gives the button the caption, glyph, modal
// result and Default or Cancel role of a standard dialog button.

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

    // A bkClose button also closes its form.
    void Click() override;

protected:
    win::DWORD ButtonStyle(bool active) const override;
    void WndProc(TMessage& message) override;

private:
    void DrawItem(const win::DRAWITEMSTRUCT& item);

    TButtonGlyph FGlyph;
    TBitBtnKind FKind = TBitBtnKind::bkCustom;
    std::unique_ptr<TCanvas> FCanvas;
};

} // namespace fw

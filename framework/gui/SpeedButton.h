#pragma once
// A tool button without a window of its own, painted by its parent. Buttons of
// one GroupIndex (non-zero) on the same parent act as radio buttons: a click
// leaves the clicked one Down and raises the others; with AllowAllUp the down
// one also comes up when clicked again. A Flat button shows its edge only
// while the mouse is over it or while it is down.

#include "framework/gui/ButtonGlyph.h"
#include "framework/gui/GraphicControl.h"

namespace fw {

class TSpeedButton : public TGraphicControl {
    FW_CLASS(TSpeedButton, TGraphicControl)

    explicit TSpeedButton(TComponent* owner);
    ~TSpeedButton() override;

    TBitmap* Glyph() const { return FGlyph.Glyph(); }
    void SetGlyph(TBitmap* glyph);
    int NumGlyphs() const { return FGlyph.NumGlyphs(); }
    void SetNumGlyphs(int count);
    bool Flat() const { return FFlat; }
    void SetFlat(bool flat);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int index);
    bool Down() const { return FDown; }
    // Only a grouped button stays down; the last down one of a group without
    // AllowAllUp cannot be raised.
    void SetDown(bool down);
    bool AllowAllUp() const { return FAllowAllUp; }
    // Applies to the whole group.
    void SetAllowAllUp(bool allow);
    TButtonLayout Layout() const { return FGlyph.Layout(); }
    void SetLayout(TButtonLayout layout);
    int Margin() const { return FGlyph.Margin(); }
    void SetMargin(int margin);
    int Spacing() const { return FGlyph.Spacing(); }
    void SetSpacing(int spacing);

    // Whether the mouse is over the button (the hot look of a flat one).
    bool MouseInControl() const { return FMouseInControl; }

    void Loaded() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

protected:
    void Paint() override;
    void WndProc(TMessage& message) override;

private:
    // What a click does: Down as the group rules say, then OnClick.
    void Press();
    // Tells the other buttons of the group (CM_BUTTONPRESSED).
    void UpdateExclusive();
    void ButtonPressed(const TSpeedButton& sender);
    bool Inside(int x, int y) const;
    TButtonState RestingState() const;
    void DrawFace(const win::RECT& client);

    TButtonGlyph FGlyph;
    TButtonState FState = TButtonState::bsUp;
    bool FFlat = false;
    int FGroupIndex = 0;
    bool FDown = false;
    bool FAllowAllUp = false;
    bool FDragging = false;
    bool FMouseInControl = false;
};

} // namespace fw

#include "framework/gui/SpeedButton.h"

#include "framework/ClassBuilder.h"
#include "framework/gui/DialogKeys.h"
#include "framework/gui/GraphicsColor.h"
#include "framework/gui/WinControl.h"
#include "platform/gdi/Controls3D.h"

namespace fw {

namespace {

// The face of a button that stays down: halfway between face and highlight.
TColor StayDownColor() {
    const win::COLORREF face = ColorToRGB(clBtnFace);
    const win::COLORREF light = ColorToRGB(clBtnHighlight);
    win::COLORREF mixed = 0;
    for (int shift = 0; shift < 24; shift += 8)
        mixed |= ((((face >> shift) & 0xFF) + ((light >> shift) & 0xFF)) / 2) << shift;
    return static_cast<TColor>(mixed);
}

} // namespace

const TClassInfo& TSpeedButton::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TSpeedButton, TGraphicControl>("TSpeedButton")
            .Property("Glyph", &TSpeedButton::Glyph, &TSpeedButton::SetGlyph)
            .Property("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs)
            .Property("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat)
            .Property("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex)
            .Property("Down", &TSpeedButton::Down, &TSpeedButton::SetDown)
            .Property("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp)
            .Property("Layout", &TSpeedButton::Layout, &TSpeedButton::SetLayout)
            .Property("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin)
            .Property("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing)
            .Build();
    return info;
}

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 23, 22);
    SetParentColor(true);
    // The click comes from MouseUp, after Down has followed the group's rules.
    SetMouseClicks(false);
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetGlyph(TBitmap* glyph) {
    FGlyph.SetGlyph(glyph);
    Invalidate();
}

void TSpeedButton::SetNumGlyphs(int count) {
    FGlyph.SetNumGlyphs(count);
    Invalidate();
}

void TSpeedButton::SetFlat(bool flat) {
    FFlat = flat;
    Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout layout) {
    FGlyph.SetLayout(layout);
    Invalidate();
}

void TSpeedButton::SetMargin(int margin) {
    FGlyph.SetMargin(margin);
    Invalidate();
}

void TSpeedButton::SetSpacing(int spacing) {
    FGlyph.SetSpacing(spacing);
    Invalidate();
}

void TSpeedButton::SetGroupIndex(int index) {
    if (index == FGroupIndex)
        return;
    FGroupIndex = index;
    if (index == 0 && FDown) {
        FDown = false;
        FState = RestingState();
        Invalidate();
    }
    UpdateExclusive();
}

void TSpeedButton::SetAllowAllUp(bool allow) {
    if (allow == FAllowAllUp)
        return;
    FAllowAllUp = allow;
    UpdateExclusive();
}

void TSpeedButton::SetDown(bool down) {
    // While the definition is read the group is not complete yet: Loaded settles it.
    if (ComponentState().Contains(TComponentStateItem::csLoading)) {
        FDown = down;
        return;
    }
    if (FGroupIndex == 0)
        down = false;
    if (down == FDown || (FDown && !FAllowAllUp))
        return;
    FDown = down;
    if (!FDragging)
        FState = RestingState();
    Invalidate();
    if (down)
        UpdateExclusive();
}

void TSpeedButton::Loaded() {
    TGraphicControl::Loaded();
    if (FGroupIndex == 0)
        FDown = false;
    FState = RestingState();
    if (FDown)
        UpdateExclusive();
}

void TSpeedButton::UpdateExclusive() {
    if (FGroupIndex == 0 || !Parent())
        return;
    TWinControl& parent = *Parent();
    for (int i = 0; i < parent.ControlCount(); ++i)
        parent.Controls(i)->Perform(CM_BUTTONPRESSED, static_cast<win::WPARAM>(FGroupIndex),
                                    reinterpret_cast<win::LPARAM>(this));
}

void TSpeedButton::ButtonPressed(const TSpeedButton& sender) {
    if (sender.FDown && FDown) {
        FDown = false;
        FState = RestingState();
        Invalidate();
    }
    FAllowAllUp = sender.FAllowAllUp;
}

TButtonState TSpeedButton::RestingState() const {
    if (!Enabled())
        return TButtonState::bsDisabled;
    return FDown ? TButtonState::bsExclusive : TButtonState::bsUp;
}

bool TSpeedButton::Inside(int x, int y) const {
    return x >= 0 && y >= 0 && x < Width() && y < Height();
}

void TSpeedButton::Press() {
    if (FGroupIndex != 0)
        SetDown(!FDown);
    FState = RestingState();
    Invalidate();
    Click();
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft || !Enabled())
        return;
    if (!FDown) {
        FState = TButtonState::bsDown;
        Invalidate();
    }
    FDragging = true;
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
    TGraphicControl::MouseMove(shift, x, y);
    if (!FDragging)
        return;
    TButtonState state = FDown ? TButtonState::bsExclusive : TButtonState::bsUp;
    if (Inside(x, y) && !FDown)
        state = TButtonState::bsDown;
    if (state != FState) {
        FState = state;
        Invalidate();
    }
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseUp(button, shift, x, y);
    if (button != TMouseButton::mbLeft || !FDragging)
        return;
    FDragging = false;
    if (Inside(x, y)) {
        Press();
        return;
    }
    FState = RestingState();
    Invalidate();
}

void TSpeedButton::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CM_BUTTONPRESSED: {
        const auto* sender = reinterpret_cast<const TSpeedButton*>(message.LParam);
        if (static_cast<int>(message.WParam) == FGroupIndex && sender != this)
            ButtonPressed(*sender);
        return;
    }
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        FMouseInControl = message.Msg == CM_MOUSEENTER;
        if (FFlat)
            Invalidate();
        break;
    case CM_ENABLEDCHANGED:
        FDragging = false;
        FState = RestingState();
        break;
    case CM_DIALOGCHAR:
        if (IsAccel(static_cast<unsigned>(message.WParam), Caption()) && Enabled() && Visible() &&
            Parent() && Parent()->Showing()) {
            Press();
            message.Result = 1;
            return;
        }
        break;
    default:
        break;
    }
    TGraphicControl::WndProc(message);
}

void TSpeedButton::DrawFace(const win::RECT& client) {
    TCanvas& canvas = *Canvas();
    const bool down = FState == TButtonState::bsDown || FState == TButtonState::bsExclusive;
    win::RECT edge = client;
    if (!FFlat)
        win::DrawFrameControl(canvas.Handle(), &edge, win::DFC_BUTTON,
                              win::DFCS_BUTTONPUSH | (down ? win::DFCS_PUSHED : 0));
    else if (down)
        win::DrawEdge(canvas.Handle(), &edge, win::BDR_SUNKENOUTER, win::BF_RECT);
    else if (FMouseInControl && Enabled())
        win::DrawEdge(canvas.Handle(), &edge, win::BDR_RAISEDINNER, win::BF_RECT);
    if (FState == TButtonState::bsExclusive && !(FFlat && FMouseInControl)) {
        canvas.Brush()->SetColor(StayDownColor());
        canvas.FillRect({client.left + 2, client.top + 2, client.right - 2, client.bottom - 2});
    }
}

void TSpeedButton::Paint() {
    if (!Enabled()) {
        FState = TButtonState::bsDisabled;
        FDragging = false;
    } else if (FState == TButtonState::bsDisabled)
        FState = RestingState();
    const win::RECT client = ClientRect();
    DrawFace(client);
    const bool down = FState == TButtonState::bsDown || FState == TButtonState::bsExclusive;
    FGlyph.Draw(*Canvas(), {client.left + 2, client.top + 2, client.right - 2, client.bottom - 2},
                down ? win::POINT{1, 1} : win::POINT{0, 0}, Caption(), FState);
}

} // namespace fw

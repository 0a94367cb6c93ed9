#include "framework/gui/BitBtn.h"

#include "framework/ClassBuilder.h"
#include "framework/gui/BitBtnKinds.h"
#include "framework/gui/DialogKeys.h"
#include "framework/gui/Form.h"
#include "framework/gui/ImageList.h"
#include "platform/gdi/Controls3D.h"

namespace fw {

const TClassInfo& TBitBtn::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TBitBtn, TButton>("TBitBtn")
            .Property("Glyph", &TBitBtn::Glyph, &TBitBtn::SetGlyph)
            .Property("NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs)
            .Property("Kind", &TBitBtn::Kind, &TBitBtn::SetKind)
            .Property("Layout", &TBitBtn::Layout, &TBitBtn::SetLayout)
            .Property("Margin", &TBitBtn::Margin, &TBitBtn::SetMargin)
            .Property("Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing)
            .Property("Alignment", &TBitBtn::Alignment, &TBitBtn::SetAlignment)
            .Property("Images", &TBitBtn::Images, &TBitBtn::SetImages)
            .Property("ImageIndex", &TBitBtn::ImageIndex, &TBitBtn::SetImageIndex)
            .Property("DisabledIndex", &TBitBtn::DisabledIndex, &TBitBtn::SetDisabledIndex)
            .Build();
    return info;
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner), FCanvas(std::make_unique<TCanvas>()) {}

TBitBtn::~TBitBtn() = default;

void TBitBtn::SetGlyph(TBitmap* glyph) {
    FGlyph.SetGlyph(glyph);
    FKind = TBitBtnKind::bkCustom;
    Invalidate();
}

void TBitBtn::SetNumGlyphs(int count) {
    FGlyph.SetNumGlyphs(count);
    Invalidate();
}

void TBitBtn::SetLayout(TButtonLayout layout) {
    FGlyph.SetLayout(layout);
    Invalidate();
}

void TBitBtn::SetMargin(int margin) {
    FGlyph.SetMargin(margin);
    Invalidate();
}

void TBitBtn::SetSpacing(int spacing) {
    FGlyph.SetSpacing(spacing);
    Invalidate();
}

void TBitBtn::SetAlignment(TAlignment alignment) {
    FGlyph.SetAlignment(alignment);
    Invalidate();
}

void TBitBtn::SetImages(TImageList* images) {
    SetComponentReference(*this, FImages, images);
    ImagesChanged();
}

void TBitBtn::SetImageIndex(int index) {
    FImageIndex = index;
    ImagesChanged();
}

void TBitBtn::SetDisabledIndex(int index) {
    FDisabledIndex = index;
    ImagesChanged();
}

void TBitBtn::ImagesChanged() {
    FGlyph.SetImages(FImages, FImageIndex, FDisabledIndex);
    Invalidate();
}

void TBitBtn::Notification(TComponent* component, TOperation operation) {
    TButton::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FImages) {
        FImages = nullptr;
        ImagesChanged();
    }
}

void TBitBtn::SetKind(TBitBtnKind kind) {
    FKind = kind;
    if (kind == TBitBtnKind::bkCustom)
        return;
    SetDefault(kind == TBitBtnKind::bkOK || kind == TBitBtnKind::bkYes);
    SetCancel(kind == TBitBtnKind::bkCancel || kind == TBitBtnKind::bkNo);
    SetModalResult(KindModalResult(kind));
    // A caption read from the definition before the kind stays.
    if (!ComponentState().Contains(TComponentStateItem::csLoading) || Caption().empty())
        SetCaption(KindCaption(kind));
    TBitmap glyph;
    DrawKindGlyph(kind, glyph);
    FGlyph.SetGlyph(&glyph);
    FGlyph.SetNumGlyphs(1);
    Invalidate();
}

void TBitBtn::Click() {
    TButton::Click();
    if (FKind == TBitBtnKind::bkClose)
        if (auto* form = dynamic_cast<TCustomForm*>(&ParentForm(*this)))
            form->Close();
}

win::DWORD TBitBtn::ButtonStyle(bool) const {
    return win::BS_OWNERDRAW;
}

void TBitBtn::WndProc(TMessage& message) {
    if (message.Msg == CN_DRAWITEM) {
        DrawItem(*reinterpret_cast<const win::DRAWITEMSTRUCT*>(message.LParam));
        message.Result = 1;
        return;
    }
    TButton::WndProc(message);
}

void TBitBtn::DrawItem(const win::DRAWITEMSTRUCT& item) {
    const bool pressed = item.itemState & win::ODS_SELECTED;
    const bool focused = item.itemState & win::ODS_FOCUS;
    const bool disabled = item.itemState & win::ODS_DISABLED;
    TCanvas& canvas = *FCanvas;
    const TCanvasDC lent(canvas, item.hDC);
    canvas.Font()->Assign(*Font());
    win::RECT face = item.rcItem;
    // The button Enter would click wears a dark outline, as plain buttons do.
    if (Active() || focused) {
        canvas.Brush()->SetColor(clWindowFrame);
        canvas.FrameRect(face);
        face = {face.left + 1, face.top + 1, face.right - 1, face.bottom - 1};
    }
    if (pressed) {
        canvas.Brush()->SetColor(clBtnShadow);
        canvas.FrameRect(face);
        canvas.Brush()->SetColor(clBtnFace);
        canvas.FillRect({face.left + 1, face.top + 1, face.right - 1, face.bottom - 1});
    } else {
        win::RECT edge = face;
        win::DrawFrameControl(canvas.Handle(), &edge, win::DFC_BUTTON, win::DFCS_BUTTONPUSH);
    }
    const win::RECT content{face.left + 2, face.top + 2, face.right - 2, face.bottom - 2};
    const TButtonState state = disabled  ? TButtonState::bsDisabled
                               : pressed ? TButtonState::bsDown
                                         : TButtonState::bsUp;
    FGlyph.SetWordWrap(MultiLine());
    FGlyph.Draw(canvas, content, pressed ? win::POINT{1, 1} : win::POINT{0, 0}, Caption(), state);
    if (focused) {
        const win::RECT focus{face.left + 2, face.top + 2, face.right - 2, face.bottom - 2};
        win::DrawFocusRect(canvas.Handle(), &focus);
    }
}

} // namespace fw

#include "framework/gui/Panel.h"

#include "framework/ClassBuilder.h"
#include "platform/gdi/Text.h"

namespace fw {

const TClassInfo& TCustomPanel::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TCustomPanel, TCustomControl>("TCustomPanel").Build();
    return info;
}

const TClassInfo& TPanel::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TPanel, TCustomPanel>("TPanel")
            .Property("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter)
            .Property("BevelInner", &TPanel::BevelInner, &TPanel::SetBevelInner)
            .Property("Transparent", &TPanel::Transparent, &TPanel::SetTransparent)
            .Build();
    return info;
}

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 185, 41);
    SetColor(clBtnFace);
}

void TCustomPanel::SetBevelOuter(TBevelCut bevel) {
    FBevelOuter = bevel;
    Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut bevel) {
    FBevelInner = bevel;
    Invalidate();
}

void TCustomPanel::SetTransparent(bool transparent) {
    if (transparent == FTransparent)
        return;
    FTransparent = transparent;
    Invalidate();
}

void TCustomPanel::WndProc(TMessage& message) {
    // A transparent panel's background is its parent's, drawn by Paint.
    if (message.Msg == win::WM_ERASEBKGND && FTransparent) {
        message.Result = 1;
        return;
    }
    TCustomControl::WndProc(message);
}

void TCustomPanel::DrawBevel(win::RECT& rect, TBevelCut bevel) {
    if (bevel == TBevelCut::bvNone)
        return;
    if (bevel != TBevelCut::bvSpace) {
        const bool raised = bevel == TBevelCut::bvRaised;
        TPen& pen = *Canvas()->Pen();
        pen.SetColor(raised ? clBtnHighlight : clBtnShadow);
        Canvas()->MoveTo(rect.left, rect.bottom - 1);
        Canvas()->LineTo(rect.left, rect.top);
        Canvas()->LineTo(rect.right - 1, rect.top);
        pen.SetColor(raised ? clBtnShadow : clBtnHighlight);
        Canvas()->LineTo(rect.right - 1, rect.bottom - 1);
        Canvas()->LineTo(rect.left, rect.bottom - 1);
    }
    rect = {rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
}

void TCustomPanel::Paint() {
    win::RECT rect = ClientRect();
    if (FTransparent) {
        PaintParentBackground(Canvas()->Handle());
    } else {
        Canvas()->Brush()->SetColor(Color());
        Canvas()->FillRect(rect);
    }
    DrawBevel(rect, FBevelOuter);
    DrawBevel(rect, FBevelInner);
    Canvas()->Brush()->SetStyle(TBrushStyle::bsClear);
    Canvas()->DrawText(Caption(), rect, win::DT_CENTER | win::DT_VCENTER | win::DT_SINGLELINE);
}

} // namespace fw

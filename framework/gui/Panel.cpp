#include "framework/gui/Panel.h"

#include "framework/ClassBuilder.h"
#include "platform/gdi/Text.h"

namespace fw {

const TClassInfo& TPanel::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TPanel, TCustomControl>("TPanel")
            .Property("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter)
            .Property("BevelInner", &TPanel::BevelInner, &TPanel::SetBevelInner)
            .Build();
    return info;
}

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 185, 41);
    SetColor(clBtnFace);
}

void TPanel::SetBevelOuter(TBevelCut bevel) {
    FBevelOuter = bevel;
    Invalidate();
}

void TPanel::SetBevelInner(TBevelCut bevel) {
    FBevelInner = bevel;
    Invalidate();
}

void TPanel::DrawBevel(win::RECT& rect, TBevelCut bevel) {
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

void TPanel::Paint() {
    win::RECT rect = ClientRect();
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(rect);
    DrawBevel(rect, FBevelOuter);
    DrawBevel(rect, FBevelInner);
    Canvas()->Brush()->SetStyle(TBrushStyle::bsClear);
    Canvas()->DrawText(Caption(), rect, win::DT_CENTER | win::DT_VCENTER | win::DT_SINGLELINE);
}

} // namespace fw

#include "framework/gui/Brush.h"

#include "framework/ClassBuilder.h"
#include "framework/gui/GraphicsColor.h"

namespace fw {

const TClassInfo& TBrush::StaticClass() {
    static const TClassInfo info = TClassBuilder<TBrush, TPersistent>("TBrush")
                                       .Property("Color", &TBrush::Color, &TBrush::SetColor)
                                       .Property("Style", &TBrush::Style, &TBrush::SetStyle)
                                       .Build();
    return info;
}

TBrush::~TBrush() {
    FreeHandle();
}

void TBrush::FreeHandle() const {
    if (FOwnsHandle)
        win::DeleteObject(FHandle);
    FHandle = nullptr;
    FOwnsHandle = false;
}

void TBrush::Assign(const TPersistent& source) {
    const auto* brush = dynamic_cast<const TBrush*>(&source);
    if (!brush) {
        TPersistent::Assign(source);
        return;
    }
    FColor = brush->FColor;
    FStyle = brush->FStyle;
    Changed();
}

void TBrush::SetColor(TColor color) {
    if (color == FColor && FStyle == TBrushStyle::bsSolid)
        return;
    FColor = color;
    FStyle = TBrushStyle::bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
    if (style == FStyle)
        return;
    FStyle = style;
    Changed();
}

win::HBRUSH TBrush::Handle() const {
    if (FHandle)
        return FHandle;
    FOwnsHandle = FStyle == TBrushStyle::bsSolid;
    FHandle = FOwnsHandle ? win::CreateSolidBrush(ColorToRGB(FColor))
                          : static_cast<win::HBRUSH>(win::GetStockObject(win::NULL_BRUSH));
    return FHandle;
}

void TBrush::Changed() {
    FreeHandle();
    if (OnChange)
        OnChange(this);
}

} // namespace fw

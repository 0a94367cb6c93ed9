#include "framework/gui/Pen.h"

#include "framework/ClassBuilder.h"
#include "framework/gui/GraphicsColor.h"

namespace fw {

const TClassInfo& TPen::StaticClass() {
    static const TClassInfo info = TClassBuilder<TPen, TPersistent>("TPen")
                                       .Property("Color", &TPen::Color, &TPen::SetColor)
                                       .Property("Width", &TPen::Width, &TPen::SetWidth)
                                       .Property("Style", &TPen::Style, &TPen::SetStyle)
                                       .Build();
    return info;
}

TPen::~TPen() {
    if (FHandle)
        win::DeleteObject(FHandle);
}

void TPen::Assign(const TPersistent& source) {
    const auto* pen = dynamic_cast<const TPen*>(&source);
    if (!pen) {
        TPersistent::Assign(source);
        return;
    }
    FColor = pen->FColor;
    FWidth = pen->FWidth;
    FStyle = pen->FStyle;
    Changed();
}

void TPen::SetColor(TColor color) {
    if (color == FColor)
        return;
    FColor = color;
    Changed();
}

void TPen::SetWidth(int width) {
    if (width == FWidth || width < 0)
        return;
    FWidth = width;
    Changed();
}

void TPen::SetStyle(TPenStyle style) {
    if (style == FStyle)
        return;
    FStyle = style;
    Changed();
}

win::HPEN TPen::Handle() const {
    // The pen styles' order is the device's PS_ numbering.
    if (!FHandle)
        FHandle =
            win::CreatePen(FStyle == TPenStyle::psClear ? win::PS_NULL : static_cast<int>(FStyle),
                           FWidth, ColorToRGB(FColor));
    return FHandle;
}

void TPen::Changed() {
    if (FHandle)
        win::DeleteObject(FHandle);
    FHandle = nullptr;
    if (OnChange)
        OnChange(this);
}

} // namespace fw

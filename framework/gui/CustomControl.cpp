#include "framework/gui/CustomControl.h"

#include "framework/ClassBuilder.h"

namespace fw {

const TClassInfo& TCustomControl::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TCustomControl, TWinControl>("TCustomControl").Build();
    return info;
}

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner), FCanvas(std::make_unique<TCanvas>()) {}

void TCustomControl::PaintWindow(win::HDC dc) {
    const TCanvasDC lent(*FCanvas, dc);
    FCanvas->Font()->Assign(*Font());
    FCanvas->Brush()->SetColor(Color());
    Paint();
}

} // namespace fw

#include "framework/gui/GraphicControl.h"

#include "framework/ClassBuilder.h"

namespace fw {

const TClassInfo& TGraphicControl::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TGraphicControl, TControl>("TGraphicControl").Build();
    return info;
}

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner), FCanvas(std::make_unique<TCanvas>()) {}

void TGraphicControl::WndProc(TMessage& message) {
    if (message.Msg == win::WM_PAINT && message.WParam) {
        FCanvas->SetHandle(reinterpret_cast<win::HDC>(message.WParam));
        FCanvas->Font()->Assign(*Font());
        try {
            Paint();
        } catch (...) {
            FCanvas->SetHandle(nullptr);
            throw;
        }
        FCanvas->SetHandle(nullptr);
        return;
    }
    TControl::WndProc(message);
}

} // namespace fw

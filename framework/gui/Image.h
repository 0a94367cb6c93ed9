#pragma once
// A picture painted on the parent, at its size, centred, or stretched.

#include "framework/gui/GraphicControl.h"
#include "framework/gui/Picture.h"

namespace fw {

class TImage : public TGraphicControl {
    FW_CLASS(TImage, TGraphicControl)

    explicit TImage(TComponent* owner);
    ~TImage() override;

    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(TPicture* picture);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool stretch);
    bool Center() const { return FCenter; }
    void SetCenter(bool center);

protected:
    void Paint() override;

private:
    win::RECT DestRect() const;

    std::unique_ptr<TPicture> FPicture;
    bool FStretch = false;
    bool FCenter = false;
};

} // namespace fw

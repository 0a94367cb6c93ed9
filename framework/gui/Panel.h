#pragma once
// A container with a raised or lowered bevel and a centred caption.

#include "framework/gui/CustomControl.h"

namespace fw {

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
FW_ENUM_NAMES(TBevelCut, "bvNone", "bvLowered", "bvRaised", "bvSpace");

class TPanel : public TCustomControl {
    FW_CLASS(TPanel, TCustomControl)

    explicit TPanel(TComponent* owner);

    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut bevel);
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut bevel);

protected:
    void Paint() override;

private:
    void DrawBevel(win::RECT& rect, TBevelCut bevel);

    TBevelCut FBevelOuter = TBevelCut::bvRaised;
    TBevelCut FBevelInner = TBevelCut::bvNone;
};

} // namespace fw

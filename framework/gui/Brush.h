#pragma once
// A fill description that makes its device brush on demand.

#include "framework/Color.h"
#include "framework/EnumInfo.h"
#include "framework/NotifyEvent.h"
#include "framework/Persistent.h"
#include "platform/gdi/Gdi.h"

namespace fw {

enum class TBrushStyle { bsSolid, bsClear };
FW_ENUM_NAMES(TBrushStyle, "bsSolid", "bsClear");

class TBrush : public TPersistent {
    FW_CLASS(TBrush, TPersistent)

    TBrush() = default;
    ~TBrush() override;

    void Assign(const TPersistent& source) override;

    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle style);
    // A null brush for bsClear.
    win::HBRUSH Handle() const;

    TNotifyEvent OnChange;

private:
    void Changed();
    void FreeHandle() const;

    TColor FColor = clWhite;
    TBrushStyle FStyle = TBrushStyle::bsSolid;
    mutable win::HBRUSH FHandle = nullptr;
    mutable bool FOwnsHandle = false;
};

} // namespace fw

#pragma once
// A line description that makes its device pen on demand.

#include "framework/Color.h"
#include "framework/EnumInfo.h"
#include "framework/NotifyEvent.h"
#include "framework/Persistent.h"
#include "platform/gdi/Gdi.h"

namespace fw {

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };
FW_ENUM_NAMES(TPenStyle, "psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear");

class TPen : public TPersistent {
    FW_CLASS(TPen, TPersistent)

    TPen() = default;
    ~TPen() override;

    void Assign(const TPersistent& source) override;

    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    int Width() const { return FWidth; }
    void SetWidth(int width);
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle style);
    win::HPEN Handle() const;

    TNotifyEvent OnChange;

private:
    void Changed();

    TColor FColor = clBlack;
    int FWidth = 1;
    TPenStyle FStyle = TPenStyle::psSolid;
    mutable win::HPEN FHandle = nullptr;
};

} // namespace fw

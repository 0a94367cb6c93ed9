#pragma once
// The object behind an HRGN.

#include "platform/gdi/GdiObject.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/Region.h"

namespace win {

class RegionObject : public GdiObject {
public:
    explicit RegionObject(Region r) : GdiObject(OBJ_REGION), region(std::move(r)) {}
    static bool Accepts(DWORD type) { return type == OBJ_REGION; }
    Region region;
};

inline RegionObject* LookupRegion(HRGN handle) {
    return GdiHandleTable::Instance().FindAs<RegionObject>(handle);
}

HRGN AddRegion(Region region);

} // namespace win

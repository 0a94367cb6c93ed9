#pragma once
// The object behind an HRGN.

#include "platform/gdi/GdiObject.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/Region.h"

#include <memory>

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
// Takes a deleted region for reuse by the next region created.
void RecycleRegion(std::unique_ptr<RegionObject> region);

} // namespace win

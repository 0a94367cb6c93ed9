#pragma once
// A device context: a drawing target (a caller's surface or the bitmap selected
// into a memory DC), the selected objects and drawing attributes, coordinate
// origins and clipping. All drawing works in target coordinates: logical
// coordinates minus the window origin plus the viewport origin give device
// coordinates, plus the device origin give target coordinates.

#include "platform/gdi/Brush.h"
#include "platform/gdi/GdiObject.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/PixelView.h"
#include "platform/gdi/Region.h"

#include <optional>
#include <vector>

namespace win {

class DeviceContext : public GdiObject {
public:
    struct State {
        HBITMAP bitmap = nullptr;
        HBRUSH brush = nullptr;
        HPEN pen = nullptr;
        HFONT font = nullptr;
        COLORREF textColor = 0x000000;
        COLORREF bkColor = 0xFFFFFF;
        COLORREF dcBrushColor = 0xFFFFFF;
        COLORREF dcPenColor = 0x000000;
        int bkMode = OPAQUE;
        int rop2 = R2_COPYPEN;
        int stretchMode = BLACKONWHITE;
        int polyFillMode = ALTERNATE;
        UINT textAlign = 0;
        int textCharacterExtra = 0;
        POINT windowOrg;
        POINT viewportOrg;
        POINT brushOrg;
        POINT currentPosition;
        std::optional<Region> clip; // device coordinates; none = no clip region
    };

    // A memory DC (its target is the selected bitmap).
    DeviceContext();
    // A DC over a caller's surface, clipped to `visible` when not null.
    DeviceContext(Surface& surface, POINT deviceOrigin, const Region* visible);
    ~DeviceContext() override;
    static bool Accepts(DWORD type) { return type == OBJ_DC || type == OBJ_MEMDC; }

    void* handle = nullptr;
    State state;

    bool IsMemory() const { return surface_ == nullptr; }
    // The target: the surface, or the selected bitmap (1 x 1 mono by default).
    PixelView Target() const;
    bool TargetIsMono() const;
    POINT DeviceOrigin() const { return deviceOrigin_; }

    POINT ToTarget(POINT logical) const;
    RECT ToTarget(const RECT& logical) const;
    POINT ToLogical(POINT target) const;
    POINT LogicalToDevice(POINT logical) const;
    // Every drawn pixel lies in this region (target coordinates).
    const Region& Clip() const;
    void ClipChanged() { clipValid_ = false; }
    // The clip region to change in place (the whole device when none was set),
    // made from the storage of an earlier clip where there is one.
    Region& EditableClip();

    int Save();
    bool Restore(int level);

    // Selects an object by handle, keeping the selection counts right; returns the
    // previous one, or nullptr when the object cannot be selected.
    void* Select(void* object);

    // A surface DC is pooled when deleted: Close lets go of what it selected,
    // Reopen makes it what a new DC over `surface` would be, keeping its storage.
    void Close();
    void Reopen(Surface& surface, POINT deviceOrigin, const Region* visible);

private:
    void HoldObjects(const State& s);
    void ReleaseObjects(const State& s);
    void SelectSurfaceDefaults();
    // Clip regions that went out of use keep their storage for the next clip
    // or saved state, so that warm painting with SaveDC allocates nothing.
    void KeepClipStorage(std::optional<Region>& clip);
    Region TakeClipStorage();
    void ClearState();

    Surface* surface_ = nullptr;
    POINT deviceOrigin_;
    Region visible_;
    bool hasVisible_ = false;
    std::vector<State> saved_;
    mutable Region clip_;
    std::vector<Region> spareClips_;
    mutable Region selectedClip_; // scratch: the selected clip in target coordinates
    mutable bool clipValid_ = false;
    mutable int clipTargetWidth_ = -1, clipTargetHeight_ = -1;
};

DeviceContext* LookupDC(HDC hdc);
LONG ClampCoordinate(long long v);

} // namespace win

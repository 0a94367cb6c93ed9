#include "platform/gdi/DeviceContext.h"

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/StockObjects.h"

#include <algorithm>

namespace win {

namespace {

Bitmap* BitmapOf(HBITMAP handle) {
    return GdiHandleTable::Instance().FindAs<Bitmap>(handle);
}

void Hold(void* handle) {
    if (GdiObject* object = GdiHandleTable::Instance().Find(handle))
        ++object->selections;
}

} // namespace

DeviceContext::DeviceContext() : GdiObject(OBJ_MEMDC) {
    state.bitmap = StockBitmap();
    state.brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    state.pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
    state.font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

DeviceContext::DeviceContext(Surface& surface, POINT deviceOrigin, const Region* visible)
    : GdiObject(OBJ_DC) {
    Reopen(surface, deviceOrigin, visible);
}

void DeviceContext::SelectSurfaceDefaults() {
    state.brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    state.pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
    state.font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

void DeviceContext::Close() {
    for (const State& s : saved_)
        ReleaseObjects(s);
    ReleaseObjects(state);
    saved_.clear();
    ClearState();
}

void DeviceContext::KeepClipStorage(std::optional<Region>& clip) {
    if (clip)
        spareClips_.push_back(std::move(*clip));
    clip.reset();
}

Region DeviceContext::TakeClipStorage() {
    if (spareClips_.empty())
        return Region();
    Region spare = std::move(spareClips_.back());
    spareClips_.pop_back();
    return spare;
}

void DeviceContext::ClearState() {
    KeepClipStorage(state.clip);
    state = State{};
}

Region& DeviceContext::EditableClip() {
    if (!state.clip) {
        const PixelView target = Target();
        state.clip.emplace(TakeClipStorage());
        state.clip->Assign(RECT{-deviceOrigin_.x, -deviceOrigin_.y, target.width - deviceOrigin_.x,
                                target.height - deviceOrigin_.y});
    }
    return *state.clip;
}

void DeviceContext::Reopen(Surface& surface, POINT deviceOrigin, const Region* visible) {
    surface_ = &surface;
    deviceOrigin_ = deviceOrigin;
    hasVisible_ = visible != nullptr;
    if (visible)
        visible_ = *visible;
    ClearState();
    SelectSurfaceDefaults();
    clipValid_ = false;
}

DeviceContext::~DeviceContext() {
    for (const State& s : saved_)
        ReleaseObjects(s);
    ReleaseObjects(state);
}

void DeviceContext::HoldObjects(const State& s) {
    for (void* h : {static_cast<void*>(s.bitmap), static_cast<void*>(s.brush),
                    static_cast<void*>(s.pen), static_cast<void*>(s.font)})
        Hold(h);
}

void DeviceContext::ReleaseObjects(const State& s) {
    if (Bitmap* bitmap = BitmapOf(s.bitmap); bitmap && bitmap->selections <= 1)
        bitmap->selectedInto = nullptr;
    for (void* h : {static_cast<void*>(s.bitmap), static_cast<void*>(s.brush),
                    static_cast<void*>(s.pen), static_cast<void*>(s.font)})
        ReleaseSelection(h);
}

PixelView DeviceContext::Target() const {
    if (surface_)
        return PixelView::Of(*surface_);
    if (Bitmap* bitmap = BitmapOf(state.bitmap))
        return bitmap->View();
    return {};
}

bool DeviceContext::TargetIsMono() const {
    if (surface_)
        return false;
    Bitmap* bitmap = BitmapOf(state.bitmap);
    return bitmap && bitmap->IsMono();
}

// Device coordinates are limited to 27 bits, as on Windows, so no sum of a
// caller's coordinates and the origins can overflow.
LONG ClampCoordinate(long long v) {
    constexpr long long kLimit = 1LL << 27;
    return LONG(std::clamp(v, -kLimit, kLimit));
}

POINT DeviceContext::LogicalToDevice(POINT p) const {
    return {ClampCoordinate((long long)p.x - state.windowOrg.x + state.viewportOrg.x),
            ClampCoordinate((long long)p.y - state.windowOrg.y + state.viewportOrg.y)};
}

POINT DeviceContext::ToTarget(POINT p) const {
    const POINT d = LogicalToDevice(p);
    return {ClampCoordinate((long long)d.x + deviceOrigin_.x),
            ClampCoordinate((long long)d.y + deviceOrigin_.y)};
}

RECT DeviceContext::ToTarget(const RECT& r) const {
    const POINT tl = ToTarget(POINT{r.left, r.top});
    const POINT br = ToTarget(POINT{r.right, r.bottom});
    return {tl.x, tl.y, br.x, br.y};
}

POINT DeviceContext::ToLogical(POINT t) const {
    return {
        ClampCoordinate((long long)t.x - deviceOrigin_.x - state.viewportOrg.x + state.windowOrg.x),
        ClampCoordinate((long long)t.y - deviceOrigin_.y - state.viewportOrg.y +
                        state.windowOrg.y)};
}

const Region& DeviceContext::Clip() const {
    const PixelView target = Target();
    if (clipValid_ && clipTargetWidth_ == target.width && clipTargetHeight_ == target.height)
        return clip_;
    clip_.Assign(RECT{0, 0, target.width, target.height});
    if (hasVisible_)
        Region::CombineInto(clip_, visible_, Region::Op::And, clip_);
    if (state.clip) {
        selectedClip_ = *state.clip;
        selectedClip_.Offset(deviceOrigin_.x, deviceOrigin_.y);
        Region::CombineInto(clip_, selectedClip_, Region::Op::And, clip_);
    }
    clipValid_ = true;
    clipTargetWidth_ = target.width;
    clipTargetHeight_ = target.height;
    return clip_;
}

int DeviceContext::Save() {
    HoldObjects(state);
    std::optional<Region> clip = std::move(state.clip);
    state.clip.reset();
    saved_.push_back(state);
    if (clip)
        saved_.back().clip.emplace(TakeClipStorage()) = *clip;
    state.clip = std::move(clip);
    return int(saved_.size());
}

bool DeviceContext::Restore(int level) {
    // A negative level counts back from the current one, as on Windows.
    const int depth = int(saved_.size());
    const int target = level < 0 ? depth + level + 1 : level;
    if (target < 1 || target > depth)
        return false;
    while (int(saved_.size()) > target) {
        ReleaseObjects(saved_.back());
        KeepClipStorage(saved_.back().clip);
        saved_.pop_back();
    }
    ReleaseObjects(state);
    KeepClipStorage(state.clip);
    state = std::move(saved_.back());
    saved_.pop_back();
    if (Bitmap* bitmap = BitmapOf(state.bitmap))
        bitmap->selectedInto = handle;
    ClipChanged();
    return true;
}

void* DeviceContext::Select(void* object) {
    GdiObject* found = GdiHandleTable::Instance().Find(object);
    if (!found || found->deletePending)
        return nullptr;
    void** slot = nullptr;
    switch (found->Type()) {
    case OBJ_BITMAP: {
        auto* bitmap = static_cast<Bitmap*>(found);
        // The stock 1 x 1 bitmap sits in every fresh memory DC at once.
        if (!IsMemory() ||
            (!bitmap->IsStock() && bitmap->selectedInto && bitmap->selectedInto != handle))
            return nullptr;
        slot = reinterpret_cast<void**>(&state.bitmap);
        if (*slot != object) {
            if (Bitmap* old = BitmapOf(state.bitmap); old && old->selections <= 1)
                old->selectedInto = nullptr;
            if (!bitmap->IsStock())
                bitmap->selectedInto = handle;
        }
        ClipChanged();
        break;
    }
    case OBJ_BRUSH:
        slot = reinterpret_cast<void**>(&state.brush);
        break;
    case OBJ_PEN:
        slot = reinterpret_cast<void**>(&state.pen);
        break;
    case OBJ_FONT:
        slot = reinterpret_cast<void**>(&state.font);
        break;
    default:
        return nullptr;
    }
    void* previous = *slot;
    if (previous == object)
        return previous;
    ++found->selections;
    *slot = object;
    ReleaseSelection(previous);
    return previous;
}

DeviceContext* LookupDC(HDC hdc) {
    return GdiHandleTable::Instance().FindAs<DeviceContext>(hdc);
}

} // namespace win

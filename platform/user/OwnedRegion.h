#pragma once
// Sole ownership of a region handle: deleted when the owner goes.

#include "platform/gdi/Gdi.h"

#include <utility>

namespace win {

class OwnedRegion {
public:
    OwnedRegion() = default;
    explicit OwnedRegion(HRGN region) : region_(region) {}
    static OwnedRegion Rect(const RECT& r) { return OwnedRegion(CreateRectRgnIndirect(&r)); }
    static OwnedRegion Empty() { return OwnedRegion(CreateRectRgn(0, 0, 0, 0)); }
    // A copy of `source` (an empty region for null).
    static OwnedRegion CopyOf(HRGN source) {
        OwnedRegion copy = Empty();
        if (source != nullptr)
            CombineRgn(copy.Get(), source, nullptr, RGN_COPY);
        return copy;
    }
    OwnedRegion(OwnedRegion&& other) noexcept : region_(std::exchange(other.region_, nullptr)) {}
    OwnedRegion& operator=(OwnedRegion&& other) noexcept {
        if (this != &other)
            Reset(std::exchange(other.region_, nullptr));
        return *this;
    }
    OwnedRegion(const OwnedRegion&) = delete;
    OwnedRegion& operator=(const OwnedRegion&) = delete;
    ~OwnedRegion() { Reset(); }

    HRGN Get() const { return region_; }
    HRGN Release() { return std::exchange(region_, nullptr); }
    void Reset(HRGN region = nullptr) {
        if (region_ != nullptr)
            DeleteObject(region_);
        region_ = region;
    }
    explicit operator bool() const { return region_ != nullptr; }
    bool IsEmpty() const {
        RECT box;
        return region_ == nullptr || GetRgnBox(region_, &box) == NULLREGION;
    }
    RECT Box() const {
        RECT box{};
        if (region_ != nullptr)
            GetRgnBox(region_, &box);
        return box;
    }
    // this = this op other
    void Combine(HRGN other, int mode) { CombineRgn(region_, region_, other, mode); }
    void Combine(const RECT& r, int mode) {
        OwnedRegion rect = Rect(r);
        Combine(rect.Get(), mode);
    }

private:
    HRGN region_ = nullptr;
};

} // namespace win

#include "platform/gdi/GdiObject.h"

namespace win {

namespace {
constexpr std::uintptr_t kIndexBits = 24;
constexpr std::uintptr_t kIndexMask = (std::uintptr_t(1) << kIndexBits) - 1;

void* MakeHandle(std::uint32_t index, std::uint32_t generation) {
    return reinterpret_cast<void*>((std::uintptr_t(generation) << kIndexBits) | (index + 1));
}
} // namespace

GdiHandleTable& GdiHandleTable::Instance() {
    static GdiHandleTable table;
    return table;
}

GdiHandleTable::~GdiHandleTable() {
    // Objects still alive at exit may delete others as they go (an icon its
    // bitmaps): free them one by one while the table still stands.
    for (Slot& slot : slots_) {
        std::unique_ptr<GdiObject> object = std::move(slot.object);
        object.reset();
    }
}

void* GdiHandleTable::Add(std::unique_ptr<GdiObject> object) {
    std::uint32_t index;
    if (!freeSlots_.empty()) {
        index = freeSlots_.back();
        freeSlots_.pop_back();
    } else {
        index = static_cast<std::uint32_t>(slots_.size());
        slots_.emplace_back();
    }
    Slot& slot = slots_[index];
    slot.object = std::move(object);
    return MakeHandle(index, slot.generation);
}

const GdiHandleTable::Slot* GdiHandleTable::SlotOf(const void* handle) const {
    const auto value = reinterpret_cast<std::uintptr_t>(handle);
    const std::uintptr_t index = (value & kIndexMask);
    if (index == 0 || index > slots_.size())
        return nullptr;
    const Slot& slot = slots_[index - 1];
    if (!slot.object || (value >> kIndexBits) != slot.generation)
        return nullptr;
    return &slot;
}

GdiObject* GdiHandleTable::Find(const void* handle) const {
    const Slot* slot = SlotOf(handle);
    return slot ? slot->object.get() : nullptr;
}

bool GdiHandleTable::Remove(const void* handle) {
    return Take(handle) != nullptr;
}

std::unique_ptr<GdiObject> GdiHandleTable::Take(const void* handle) {
    const Slot* found = SlotOf(handle);
    if (!found || found->object->IsStock())
        return nullptr;
    Slot& slot = slots_[std::size_t(found - slots_.data())];
    std::unique_ptr<GdiObject> object = std::move(slot.object);
    slot.generation = (slot.generation + 1) & 0xFFFFFF;
    if (slot.generation == 0)
        slot.generation = 1;
    freeSlots_.push_back(static_cast<std::uint32_t>(&slot - slots_.data()));
    return object;
}

UINT GdiHandleTable::Count(DWORD type) const {
    UINT count = 0;
    for (const Slot& slot : slots_)
        if (slot.object && !slot.object->IsStock() && slot.object->Type() == type)
            ++count;
    return count;
}

void ReleaseSelection(void* handle) {
    GdiHandleTable& table = GdiHandleTable::Instance();
    GdiObject* object = table.Find(handle);
    if (!object)
        return;
    if (object->selections > 0)
        --object->selections;
    if (object->selections == 0 && object->deletePending)
        table.Remove(handle);
}

} // namespace win

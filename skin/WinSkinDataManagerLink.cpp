#include "skin/WinSkinDataManagerLink.h"

namespace skin {

namespace {

struct TManagerSlot {
    TSkinManagerFactory factory;
    std::unique_ptr<ISkinManager> manager;
};

TManagerSlot& Slot() {
    static TManagerSlot slot;
    return slot;
}

} // namespace

void SetSkinManagerFactory(TSkinManagerFactory factory) {
    Slot().factory = std::move(factory);
}

ISkinManager* SkinManager() {
    return Slot().manager.get();
}

ISkinManager* EnsureSkinManager() {
    TManagerSlot& slot = Slot();
    if (!slot.manager && slot.factory)
        slot.manager = slot.factory();
    return slot.manager.get();
}

void DestroySkinManager() {
    Slot().manager.reset();
}

} // namespace skin

#include "skin/WinSkinClasses.h"

#include "framework/ClassRegistry.h"
#include "skin/WinSkinData.h"
#include "skin/WinSkinStore.h"

namespace skin {

void RegisterSkinClasses() {
    static const bool registered = [] {
        fw::RegisterClass(TSkinData::StaticClass());
        fw::RegisterClass(TSkinStore::StaticClass());
        return true;
    }();
    (void)registered;
}

} // namespace skin

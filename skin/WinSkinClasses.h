#pragma once
// Makes the skin engine's components known to the class registry, so that a
// form definition can create them by name: TSkinData and TSkinStore.

namespace skin {

// Idempotent.
void RegisterSkinClasses();

} // namespace skin

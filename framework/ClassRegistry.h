#pragma once
// The process-wide table of classes a form definition may name. A class is found
// by name (without regard to case) once registered.

#include "framework/ClassInfo.h"

#include <string_view>

namespace fw {

// Registering a second class under a name already taken by another raises
// EFilerError "A class named %s already exists"; registering the same class twice
// does nothing.
void RegisterClass(const TClassInfo& info);
void UnRegisterClass(const TClassInfo& info);
// Null for an unknown name.
const TClassInfo* GetClass(std::string_view name);
// Raises EClassNotFound "Class %s not found" for an unknown name.
const TClassInfo& FindClass(std::string_view name);

} // namespace fw

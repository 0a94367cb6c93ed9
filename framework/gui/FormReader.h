#pragma once
// Reads a form definition (see FormLexer.h for the format) into a form or any
// root component: creates the nested components by class name with the root as
// owner and the enclosing component as parent (SetParentComponent: a control's
// parent, a menu item's menu), stores them in the root's published fields,
// assigns every property through the class registry, binds events to the root's
// published handler methods, resolves component references once every
// component exists, and calls Loaded on every component once the whole
// definition is read. Errors are EReadError (or EClassNotFound)
// naming the line and the class, property or handler at fault.

#include "framework/Component.h"

#include <string>
#include <string_view>

namespace fw {

class TCustomForm;

// Resource type of form definitions, named after the form's class.
inline constexpr std::string_view FormResourceType = "FORM";

void ReadComponentDefinition(TComponent& root, std::string_view text);
// Reads the definition resource named after the form's class; false when there is none.
bool ReadFormResource(TCustomForm& form);

} // namespace fw

#pragma once
// The built-in `Skin3rd` list of the skin data component: lines "class=kind"
// that map component classes of other origins to the skinner kind that paints
// them (button, combobox, scrollbar, ...).

#include <string>
#include <vector>

namespace skin {

// The 118 lines, in their fixed order.
const std::vector<std::string>& DefaultSkin3rd();

} // namespace skin

#pragma once
// The category folder a converted channel goes to, from its names.

#include <string>
#include <string_view>
#include <vector>

namespace xmltv {

// names: the channel's display names and its id. The first row of one table
// that a name contains (ASCII letters compared without case) decides; a
// channel that no row names is a provincial or city channel, "地方频道".
std::string_view ChannelCategory(const std::vector<std::string>& names);

} // namespace xmltv

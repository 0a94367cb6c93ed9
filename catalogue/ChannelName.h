#pragma once
// Which files of a listing folder are channel files, and the name each channel is
// listed under.

#include <string>
#include <string_view>

namespace catalogue {

// A channel file's name ends in "txt" in any letter case; the dot is not required.
bool IsChannelFileName(std::string_view fileName);

// The display name of a channel file: the name lower-cased (ASCII letters only),
// then rewritten by the ordered replacement rules. A name that is not valid UTF-8
// is read as GBK first, so it lists as readable text. The result may be empty.
std::string ChannelDisplayName(std::string_view fileName);

} // namespace catalogue

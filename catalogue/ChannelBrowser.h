#pragma once
// The work behind the channel browser's handlers, over the main window's lists:
// which folder a category scans, and showing a channel's schedule.

#include "framework/StringList.h"

#include <string>
#include <string_view>

namespace catalogue {

// The working folder's name inside the application folder.
inline constexpr std::string_view kWorkingFolderName = "ORVOListTemp";
// The category that scans the whole working folder.
inline constexpr std::string_view kAllChannels = "所有频道";

// The folder the catalogue load scans for the drop-down's current text: the
// working folder for kAllChannels (with its trailing slash), else the category's
// own folder inside it (without one). applicationFolder ends in a slash.
std::string CategoryFolder(std::string_view applicationFolder, std::string_view category);

// "【" + display name + "】".
std::string ScheduleHeader(std::string_view displayName);

// The schedule view's text for channel index: the header for its TVList name,
// then the lines of the file TVFilepathList holds for it, CR LF between lines
// and none after the last, as a multi-line text box keeps them. Handing the view
// its whole text at once keeps a long schedule from costing a pass over the
// text per line. An index without an entry, or a file that cannot be read,
// raises, so the caller's view stays as it was.
std::string ChannelScheduleText(const fw::TStrings& TVList, const fw::TStrings& TVFilepathList,
                                int index);

} // namespace catalogue

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

// Shows the schedule of channel index: reads the file that TVFilepathList holds
// for it, and only then replaces view's lines with the header for its TVList name
// and the file's lines. An index without an entry, or a file that cannot be read,
// raises before the view is touched.
void ShowChannelSchedule(fw::TStrings& view, const fw::TStrings& TVList,
                         const fw::TStrings& TVFilepathList, int index);

} // namespace catalogue

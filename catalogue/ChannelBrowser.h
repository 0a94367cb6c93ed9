#pragma once
// The work behind the channel browser's handlers, over the main window's lists:
// which folder a category scans, and showing a channel's schedule.

#include "framework/StringList.h"

#include <cstdint>
#include <optional>
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

// A line of the schedule view's text: its index among the view's lines and its
// bytes.
struct ViewLine {
    std::size_t line;
    std::size_t start;
    std::size_t length;
    friend bool operator==(const ViewLine&, const ViewLine&) = default;
};

struct ScheduleView {
    // The header for the channel's TVList name, then the lines of the file
    // TVFilepathList holds for it, CR LF between lines and none after the last,
    // as a multi-line text box keeps them. Handing the view its whole text at
    // once keeps a long schedule from costing a pass over the text per line.
    std::string text;
    // The programme on air (OnAirLine), when the schedule has a day that is today.
    std::optional<ViewLine> onAir;
};

// The schedule view for channel index at utcSeconds. An index without an entry,
// or a file that cannot be read, raises, so the caller's view stays as it was.
ScheduleView ChannelScheduleView(const fw::TStrings& TVList, const fw::TStrings& TVFilepathList,
                                 int index, std::int64_t utcSeconds);

} // namespace catalogue

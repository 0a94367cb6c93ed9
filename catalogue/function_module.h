#pragma once
// The listing catalogue's folder work: the breadth-first scan that fills the
// main window's channel lists, and the deletion of a whole folder.

#include "framework/StringList.h"

#include <string>
#include <string_view>

namespace catalogue {

// The invitation that closes the channel-count text; the main window's initial
// status line carries the same words.
inline constexpr std::string_view kWelcomeNotice = "欢迎加入Telvora用户交流群";

// The three lists a scan appends to, in the main window's names. TVList and
// TVFilepathList are parallel: entry i of one belongs to entry i of the other.
struct TListingLists {
    fw::TStrings& TVList;         // display names
    fw::TStrings& TVFilepathList; // channel file paths
    fw::TStrings& filepathList;   // every folder met, with a trailing slash
};

// Walks root breadth-first and appends every channel file to the lists (it does
// not clear them). Each folder's entries are taken in byte order of their names;
// links to folders are followed, but each real folder is walked once; a folder
// that cannot be listed contributes nothing, and an empty root names no folder.
// Only regular files (or links to them) can be channel files. Returns the status
// text, which counts the entries of TVList; the caller shows it.
std::string ScanListingFolder(std::string_view root, const TListingLists& lists);

// Whether a scan of root would list at least one channel.
bool HoldsAnyChannel(std::string_view root);

// "共N个频道 " followed by the welcome notice and a blank.
std::string ChannelCountText(int count);

// Deletes the folder with everything in it; true when the platform reports
// success (false also for a folder that does not exist).
bool DeleteFolder(const std::string& path);

} // namespace catalogue

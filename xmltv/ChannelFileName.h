#pragma once
// The file name a converted channel is written under, chosen so that the
// catalogue's display-name rules list it under a name that identifies it.

#include <set>
#include <string>
#include <vector>

namespace xmltv {

// The file names already taken in one category folder.
class FolderNames {
public:
    // Taken names are compared as the display-name rules see them: ASCII
    // letters without case.
    bool IsTaken(const std::string& fileName) const;
    void Take(const std::string& fileName);

private:
    std::set<std::string> FTaken;
};

// names: the channel's display names in order of preference, then its id. A
// CCTV or CGTN channel whose names give one of the rules' own CCTV names
// ("ORVO-1台" from "01.txt") takes that file; otherwise the first name whose
// display name still holds all its letters, digits and other characters in
// order ("电视台" may go) and does not pose as a numbered CCTV channel, else the
// first name. A name taken already passes to the next; when all are taken,
// " (2)", " (3)" ... set the first apart. The result
// ends in ".txt", is at most 255 bytes and holds no "/", NUL, control
// character or leading ".", and is taken in folder.
std::string ChooseChannelFileName(const std::vector<std::string>& names, FolderNames& folder);

} // namespace xmltv

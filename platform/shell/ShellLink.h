#pragma once
// The shell-link object: what IShellLink sets and IPersistFile saves. A link is
// saved as a desktop entry: a path ending in ".lnk" is written as ".desktop"
// (any other path as given), named after the file, launching the target in the
// working folder, with Categories=AudioVideo;TV;. The file is replaced
// atomically (a temporary file renamed over it), made executable, and, where a
// session bus and gio exist, marked trusted (metadata::trusted) so desktops
// launch it without asking. Results are HRESULTs, as the link object's.
//
// The icon is the one set with SetIconLocation, else a picture beside the target
// named like it (.png, .svg or .xpm), else the target's name as a theme icon.

#include "platform/kernel/WinError.h"

#include <string>
#include <string_view>

namespace win {

class ShellLink {
public:
    HRESULT SetPath(std::string_view target);
    HRESULT GetPath(std::string* target) const;
    HRESULT SetWorkingDirectory(std::string_view folder);
    HRESULT SetDescription(std::string_view description);
    HRESULT SetIconLocation(std::string_view iconPath, int index);

    // IPersistFile::Save; remember has no meaning here (the object keeps no
    // current file). E_INVALIDARG when no target is set.
    HRESULT Save(std::string_view fileName, BOOL remember);

    // The file name Save writes for a link path.
    static std::string DesktopFileNameFor(std::string_view linkPath);

private:
    std::string IconFor() const;

    std::string target_;
    std::string workingFolder_;
    std::string description_;
    std::string icon_;
};

} // namespace win

#pragma once
// The desktop shortcut written at every normal start.

#include <cstdint>
#include <string>

// Writes a link to target named linkName (empty: the target's file name without
// its extension) whose working folder is the target's folder. With folderCode
// negative the link goes into folder (folderCode -1 with no folder means the
// desktop); with 0 or more into the special folder of that code, folder being
// ignored. On this platform a link "NAME.lnk" is saved as the desktop entry
// "NAME.desktop". True when the link file was saved; false for a missing target
// or folder, an unresolvable special folder or a failed save.
bool CreateShortcut(const std::string& target, const std::string& linkName,
                    const std::string& folder, std::int32_t folderCode);

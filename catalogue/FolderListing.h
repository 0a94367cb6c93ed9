#pragma once
// One folder's entries as the listing walk needs them: sorted by name, links
// resolved, each subfolder with the identity that tells a loop from a new folder.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace catalogue {

// The real folder behind a path, whatever links led to it.
struct FolderIdentity {
    std::uint64_t device;
    std::uint64_t inode;
    bool operator==(const FolderIdentity&) const = default;
};

enum class EntryKind { File, Folder };

struct FolderEntry {
    std::string name;
    EntryKind kind;
    // Empty for files, and for a folder the walk may see but not examine (its
    // parent can be listed but not searched); such a folder cannot be opened.
    std::optional<FolderIdentity> identity;
};

struct FolderListing {
    FolderIdentity identity;
    std::vector<FolderEntry> entries;
};

// The entries of the folder at path, in byte order of their names, without "."
// and "..". Links count as what they point to; dangling links, and entries that
// are neither regular files nor folders (pipes, sockets, devices), are left out,
// as reading them could block or never end. Empty when the path cannot be listed.
std::optional<FolderListing> ListFolder(const std::string& path);

} // namespace catalogue

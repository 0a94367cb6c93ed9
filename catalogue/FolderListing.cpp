#include "catalogue/FolderListing.h"

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace catalogue {

namespace {

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

FolderIdentity IdentityOf(const struct stat& info) {
    return {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
}

bool IsDotOrDotDot(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// What an entry is, following links. Regular files need no stat call: the
// listing's type field says enough, and large folders are mostly files.
std::optional<FolderEntry> Examine(int folder, const dirent& raw) {
    if (raw.d_type == DT_REG) {
        return FolderEntry{raw.d_name, EntryKind::File, std::nullopt};
    }
    if (raw.d_type != DT_DIR && raw.d_type != DT_LNK && raw.d_type != DT_UNKNOWN) {
        return std::nullopt;
    }
    struct stat info {};
    if (fstatat(folder, raw.d_name, &info, 0) != 0) {
        if (raw.d_type == DT_DIR) {
            return FolderEntry{raw.d_name, EntryKind::Folder, std::nullopt};
        }
        return std::nullopt;
    }
    if (S_ISDIR(info.st_mode)) {
        return FolderEntry{raw.d_name, EntryKind::Folder, IdentityOf(info)};
    }
    if (S_ISREG(info.st_mode)) {
        return FolderEntry{raw.d_name, EntryKind::File, std::nullopt};
    }
    return std::nullopt;
}

} // namespace

std::optional<FolderListing> ListFolder(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    DirHandle dir(fdopendir(fd));
    if (!dir) {
        close(fd);
        return std::nullopt;
    }
    struct stat self {};
    if (fstat(fd, &self) != 0) {
        return std::nullopt;
    }
    FolderListing listing{IdentityOf(self), {}};
    while (const dirent* raw = readdir(dir.get())) {
        if (IsDotOrDotDot(raw->d_name)) {
            continue;
        }
        if (auto entry = Examine(fd, *raw)) {
            listing.entries.push_back(std::move(*entry));
        }
    }
    std::sort(listing.entries.begin(), listing.entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    return listing;
}

} // namespace catalogue

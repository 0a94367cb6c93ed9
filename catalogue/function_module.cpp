#include "catalogue/function_module.h"

#include "catalogue/ChannelName.h"
#include "catalogue/FolderListing.h"
#include "framework/UpdateScope.h"
#include "platform/shell/FileOperation.h"

#include <deque>
#include <unordered_set>

namespace catalogue {

namespace {

struct IdentityHash {
    std::size_t operator()(const FolderIdentity& id) const noexcept {
        return std::hash<std::uint64_t>()(id.inode) ^ (std::hash<std::uint64_t>()(id.device) << 1);
    }
};

class TListingWalk {
public:
    TListingWalk(std::string root, const TListingLists& lists) : FLists(lists) {
        FQueue.push_back(std::move(root));
    }

    void Run() {
        while (!FQueue.empty()) {
            if (auto listing = ListFolder(FQueue.front())) {
                FVisited.insert(listing->identity);
                AddEntries(FQueue.front(), listing->entries);
            }
            FQueue.pop_front();
        }
    }

private:
    void AddEntries(const std::string& folder, const std::vector<FolderEntry>& entries) {
        for (const FolderEntry& entry : entries) {
            if (entry.kind == EntryKind::Folder) {
                MeetFolder(folder + entry.name + '/', entry.identity);
            } else if (IsChannelFileName(entry.name)) {
                AddChannel(folder + entry.name, ChannelDisplayName(entry.name));
            }
        }
    }

    // A folder reached again (through a link, or a link loop) was walked or
    // queued already; only the first meeting counts.
    void MeetFolder(std::string path, const std::optional<FolderIdentity>& identity) {
        if (identity && !FVisited.insert(*identity).second) {
            return;
        }
        FLists.filepathList.Add(path);
        FQueue.push_back(std::move(path));
    }

    // The name is computed before either list grows, and a failure between the
    // two additions takes the first back, so the lists never drift apart.
    void AddChannel(std::string path, std::string displayName) {
        const int index = FLists.TVFilepathList.Add(std::move(path));
        try {
            FLists.TVList.Add(std::move(displayName));
        } catch (...) {
            FLists.TVFilepathList.Delete(index);
            throw;
        }
    }

    const TListingLists& FLists;
    std::deque<std::string> FQueue;
    std::unordered_set<FolderIdentity, IdentityHash> FVisited;
};

} // namespace

std::string ScanListingFolder(std::string_view root, const TListingLists& lists) {
    // An empty path names no folder here; it must not become the file-system root.
    if (!root.empty()) {
        std::string folder(root);
        if (folder.back() != '/') {
            folder += '/';
        }
        // Held updates let a list box take thousands of additions without
        // redrawing after each one.
        TListingWalk walk(std::move(folder), lists);
        fw::WithUpdate(lists.TVList, [&] {
            fw::WithUpdate(lists.TVFilepathList,
                           [&] { fw::WithUpdate(lists.filepathList, [&] { walk.Run(); }); });
        });
    }
    return ChannelCountText(lists.TVList.Count());
}

std::string ChannelCountText(int count) {
    return "共" + std::to_string(count) + "个频道 " + std::string(kWelcomeNotice) + " ";
}

// The shell's delete takes a list of paths ended by an extra NUL; with no
// confirmation and no progress window, and not into a recycle bin.
bool HoldsAnyChannel(std::string_view root) {
    fw::TStringList names, paths, folders;
    ScanListingFolder(root, {names, paths, folders});
    return names.Count() > 0;
}

bool DeleteFolder(const std::string& path) {
    std::string from = path;
    from += '\0';
    win::SHFILEOPSTRUCT operation;
    operation.wFunc = win::FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = win::FOF_SILENT | win::FOF_NOCONFIRMATION;
    return win::SHFileOperation(&operation) == 0;
}

} // namespace catalogue

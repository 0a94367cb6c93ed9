#include "archive/ExtractTarget.h"

#include <cerrno>
#include <filesystem>
#include <sys/stat.h>

namespace archive {

namespace {

bool IsSeparator(char ch) {
    return ch == '/' || ch == '\\';
}

enum class TEntryKind { Missing, Folder, SymbolicLink, Other };

TEntryKind EntryKind(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
        return errno == ENOENT ? TEntryKind::Missing : TEntryKind::Other;
    if (S_ISLNK(st.st_mode))
        return TEntryKind::SymbolicLink;
    return S_ISDIR(st.st_mode) ? TEntryKind::Folder : TEntryKind::Other;
}

} // namespace

std::optional<std::vector<std::string_view>>
TExtractTarget::SafeSegments(std::string_view itemPath) {
    if (itemPath.empty() || IsSeparator(itemPath.front()) ||
        itemPath.find('\0') != std::string_view::npos)
        return std::nullopt;
    std::vector<std::string_view> segments;
    std::size_t start = 0;
    while (start <= itemPath.size()) {
        std::size_t end = start;
        while (end < itemPath.size() && !IsSeparator(itemPath[end]))
            ++end;
        const std::string_view segment = itemPath.substr(start, end - start);
        if (segment == "..")
            return std::nullopt;
        if (!segment.empty() && segment != ".")
            segments.push_back(segment);
        start = end + 1;
    }
    if (segments.empty())
        return std::nullopt;
    return segments;
}

std::optional<std::string> TExtractTarget::PrepareFile(std::string_view itemPath) {
    const auto segments = SafeSegments(itemPath);
    if (!segments)
        return std::nullopt;
    if (!FFolderCreated) {
        std::error_code ignored;
        std::filesystem::create_directories(FFolder, ignored);
        FFolderCreated = true;
    }
    std::string path = FFolder;
    bool creating = true;
    for (std::size_t i = 0; i + 1 < segments->size(); ++i) {
        path.append((*segments)[i]);
        switch (creating ? EntryKind(path) : TEntryKind::Missing) {
        case TEntryKind::SymbolicLink:
            return std::nullopt;
        case TEntryKind::Missing:
            creating = creating && ::mkdir(path.c_str(), 0777) == 0;
            break;
        case TEntryKind::Folder:
            break;
        case TEntryKind::Other:
            creating = false;
            break;
        }
        path += '/';
    }
    path.append(segments->back());
    if (creating && EntryKind(path) == TEntryKind::SymbolicLink)
        return std::nullopt;
    return path;
}

} // namespace archive

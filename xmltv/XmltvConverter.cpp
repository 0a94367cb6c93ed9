#include "xmltv/XmltvConverter.h"

#include "catalogue/ScheduleDays.h"
#include "framework/FileStream.h"
#include "xmltv/ChannelCategory.h"
#include "xmltv/ChannelFileName.h"
#include "xmltv/XmltvError.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace xmltv {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kUtf8Marker = "\xEF\xBB\xBF";
constexpr std::string_view kLineBreak = "\r\n";

std::int64_t FloorDiv(std::int64_t value, std::int64_t divisor) {
    const std::int64_t quotient = value / divisor;
    return quotient * divisor > value ? quotient - 1 : quotient;
}

// Sorted by start; of programmes with the same start and title only the first
// in the document stays.
void SortAndDropDuplicates(Channel& channel) {
    std::vector<Programme>& programmes = channel.programmes;
    std::stable_sort(programmes.begin(), programmes.end(),
                     [](const Programme& a, const Programme& b) { return a.start < b.start; });
    std::size_t kept = 0;
    std::size_t sameStartFrom = 0;
    for (std::size_t i = 0; i < programmes.size(); ++i) {
        if (kept > 0 && programmes[kept - 1].start != programmes[i].start) {
            sameStartFrom = kept;
        }
        const auto duplicate = std::any_of(
            programmes.begin() + static_cast<std::ptrdiff_t>(sameStartFrom),
            programmes.begin() + static_cast<std::ptrdiff_t>(kept),
            [&](const Programme& p) { return channel.Title(p) == channel.Title(programmes[i]); });
        if (!duplicate) {
            if (kept != i) {
                programmes[kept] = std::move(programmes[i]);
            }
            ++kept;
        }
    }
    programmes.resize(kept);
}

std::string ErrorText(int error) {
    return std::strerror(error);
}

void RequireEmptyOrMissing(const std::string& folder) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) {
        if (errno == ENOENT) {
            return;
        }
        throw EXmltvError("cannot use \"" + folder + "\": " + ErrorText(errno));
    }
    std::error_code error;
    if (!S_ISDIR(info.st_mode) || !fs::is_empty(folder, error) || error) {
        throw EXmltvError("\"" + folder + "\" is not an empty folder");
    }
}

// A new hidden folder beside folder, on the same file system, so one rename
// moves the finished catalogue into place.
std::string MakeStagingFolder(const std::string& folder) {
    const fs::path target = fs::path(folder).lexically_normal();
    const fs::path name =
        target.has_filename() ? target.filename() : target.parent_path().filename();
    const fs::path parent =
        target.has_filename() ? target.parent_path() : target.parent_path().parent_path();
    std::string pattern = (parent / ("." + name.string() + ".XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw EXmltvError("cannot create a folder beside \"" + folder + "\": " + ErrorText(errno));
    }
    return pattern;
}

void WriteFile(const std::string& path, std::string_view bytes) {
    fw::TFileStream file(path, fw::fmCreate);
    file.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

ConversionCounts WriteChannels(XmltvGuide& guide, const std::string& root) {
    ConversionCounts counts{0, 0};
    std::map<std::string, FolderNames, std::less<>> folders;
    for (Channel& channel : guide.channels) {
        std::vector<std::string> names = channel.displayNames;
        names.push_back(channel.id);
        const std::string_view category = ChannelCategory(names);
        auto [folder, created] = folders.try_emplace(std::string(category));
        const std::string categoryPath = root + "/" + folder->first;
        if (created && ::mkdir(categoryPath.c_str(), 0755) != 0) {
            throw EXmltvError("cannot create \"" + categoryPath + "\": " + ErrorText(errno));
        }
        const std::string fileName = ChooseChannelFileName(names, folder->second);
        const ScheduleFile schedule = ScheduleFileText(channel);
        WriteFile(categoryPath + "/" + fileName, schedule.text);
        ++counts.channels;
        counts.programmes += schedule.programmes;
    }
    return counts;
}

XmltvGuide ReadGuideWithChannels(fw::TStream& document, const SkipReport& skipped) {
    XmltvGuide guide = ReadXmltv(document, skipped);
    if (guide.channels.empty()) {
        throw EXmltvError("the document has no channel");
    }
    return guide;
}

} // namespace

ScheduleFile ScheduleFileText(Channel& channel) {
    SortAndDropDuplicates(channel);
    ScheduleFile file{std::string(kUtf8Marker), channel.programmes.size()};
    std::optional<catalogue::ScheduleDay> day;
    for (const Programme& programme : channel.programmes) {
        const std::int64_t local = programme.start + std::int64_t{programme.offsetMinutes} * 60;
        const catalogue::ScheduleDay programmeDay{FloorDiv(local, 86400), programme.offsetMinutes};
        if (day != programmeDay) {
            day = programmeDay;
            file.text += catalogue::FormatDayHeader(programmeDay);
            file.text += kLineBreak;
        }
        const int minute = static_cast<int>((local - programmeDay.day * 86400) / 60);
        file.text += catalogue::FormatProgrammeLine(minute, channel.Title(programme));
        file.text += kLineBreak;
    }
    return file;
}

ConversionCounts WriteCatalogue(XmltvGuide guide, const std::string& folder) {
    RequireEmptyOrMissing(folder);
    const std::string staging = MakeStagingFolder(folder);
    try {
        const ConversionCounts counts = WriteChannels(guide, staging);
        // Replaces an empty folder, or makes it.
        if (::rename(staging.c_str(), folder.c_str()) != 0) {
            throw EXmltvError("cannot move the catalogue to \"" + folder +
                              "\": " + ErrorText(errno));
        }
        return counts;
    } catch (...) {
        std::error_code ignored;
        fs::remove_all(staging, ignored);
        throw;
    }
}

ConversionCounts ConvertXmltv(fw::TStream& document, const std::string& folder,
                              const SkipReport& skipped) {
    RequireEmptyOrMissing(folder);
    return WriteCatalogue(ReadGuideWithChannels(document, skipped), folder);
}

ConversionCounts FillCatalogueFolder(fw::TStream& document, const std::string& stagingFolder,
                                     const SkipReport& skipped) {
    XmltvGuide guide = ReadGuideWithChannels(document, skipped);
    return WriteChannels(guide, stagingFolder);
}

} // namespace xmltv

#include "catalogue/ChannelBrowser.h"

#include "catalogue/ScheduleText.h"

namespace catalogue {

std::string CategoryFolder(std::string_view applicationFolder, std::string_view category) {
    std::string folder(applicationFolder);
    folder += kWorkingFolderName;
    folder += '/';
    if (category != kAllChannels) {
        folder += category;
    }
    return folder;
}

std::string ScheduleHeader(std::string_view displayName) {
    return "【" + std::string(displayName) + "】";
}

std::string ChannelScheduleText(const fw::TStrings& TVList, const fw::TStrings& TVFilepathList,
                                int index) {
    const std::string path = TVFilepathList.Strings(index);
    std::string text = ScheduleHeader(TVList.Strings(index));
    const std::vector<std::string> lines = ReadScheduleFile(path);
    std::size_t size = text.size();
    for (const std::string& line : lines) {
        size += 2 + line.size();
    }
    text.reserve(size);
    for (const std::string& line : lines) {
        text += "\r\n";
        text += line;
    }
    return text;
}

} // namespace catalogue

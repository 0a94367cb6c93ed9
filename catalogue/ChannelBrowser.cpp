#include "catalogue/ChannelBrowser.h"

#include "catalogue/ScheduleText.h"
#include "framework/UpdateScope.h"

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

void ShowChannelSchedule(fw::TStrings& view, const fw::TStrings& TVList,
                         const fw::TStrings& TVFilepathList, int index) {
    const std::string path = TVFilepathList.Strings(index);
    const std::string header = ScheduleHeader(TVList.Strings(index));
    std::vector<std::string> lines = ReadScheduleFile(path);
    fw::WithUpdate(view, [&] {
        view.Clear();
        view.Add(header);
        for (std::string& line : lines) {
            view.Add(std::move(line));
        }
    });
}

} // namespace catalogue

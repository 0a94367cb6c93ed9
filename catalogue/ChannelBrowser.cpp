#include "catalogue/ChannelBrowser.h"

#include "catalogue/ScheduleDays.h"
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

ScheduleView ChannelScheduleView(const fw::TStrings& TVList, const fw::TStrings& TVFilepathList,
                                 int index, std::int64_t utcSeconds) {
    const std::string path = TVFilepathList.Strings(index);
    ScheduleView view{ScheduleHeader(TVList.Strings(index)), std::nullopt};
    const std::vector<std::string> lines = ReadScheduleFile(path);
    const std::optional<std::size_t> onAir = OnAirLine(lines, utcSeconds);
    std::size_t size = view.text.size();
    for (const std::string& line : lines) {
        size += 2 + line.size();
    }
    view.text.reserve(size);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        view.text += "\r\n";
        if (onAir == i) {
            // The view's first line is the header.
            view.onAir = ViewLine{i + 1, view.text.size(), lines[i].size()};
        }
        view.text += lines[i];
    }
    return view;
}

} // namespace catalogue

#include "skin/WinSkinWindows.h"

#include "platform/user/WinUser.h"

#include <vector>

namespace skin {

std::string GetWindowCaption(win::HWND hwnd) {
    const int length = win::GetWindowTextLength(hwnd);
    if (length <= 0)
        return {};
    std::vector<char> buffer(std::size_t(length) + 1);
    const int copied = win::GetWindowText(hwnd, buffer.data(), int(buffer.size()));
    return std::string(buffer.data(), std::size_t(std::max(copied, 0)));
}

std::string GetWindowClassName(win::HWND hwnd) {
    char buffer[100] = {};
    const int copied = win::GetClassName(hwnd, buffer, int(sizeof buffer));
    return std::string(buffer, std::size_t(std::max(copied, 0)));
}

void TrackMouseLeave(win::HWND hwnd) {
    win::TRACKMOUSEEVENT track;
    track.dwFlags = win::TME_LEAVE;
    track.hwndTrack = hwnd;
    win::TrackMouseEvent(&track);
}

} // namespace skin

#include "app/PublisherLinks.h"

#include "platform/shell/ShellExecute.h"

namespace {

constexpr std::string_view kPublisherHost = TELVORA_PUBLISHER_HOST;

std::string LinkOnPublisherHost(std::string_view pathAndQuery, std::string_view versionText) {
    std::string link = "http://";
    link += kPublisherHost;
    link += pathAndQuery;
    link += versionText;
    return link;
}

} // namespace

std::string OfficialSiteLink(std::string_view versionText) {
    return LinkOnPublisherHost("/?qq=orvo", versionText);
}

std::string OnlineVersionLink(std::string_view versionText) {
    return LinkOnPublisherHost("/Data/Telvora/?qq=orvo", versionText);
}

void OpenLink(win::HWND owner, const std::string& link) {
    win::ShellExecute(owner, "open", link, "", "", win::SW_SHOWNORMAL);
}

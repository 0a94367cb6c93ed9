#pragma once
// The publisher's web links, each a fixed prefix followed directly by the
// version text. The host is set when the program is built
// (TELVORA_PUBLISHER_HOST).

#include "platform/shell/ShellTypes.h"

#include <string>
#include <string_view>

std::string OfficialSiteLink(std::string_view versionText);
std::string OnlineVersionLink(std::string_view versionText);

// Asks the desktop to open the link in the user's browser, owned by owner. Not
// waited for, and a failure is not the caller's concern.
void OpenLink(win::HWND owner, const std::string& link);

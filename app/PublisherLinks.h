#pragma once
// The publisher's addresses: the two web links, each a fixed prefix followed
// directly by the version text, and the data package's address. The hosts are
// set when the program is built (TELVORA_PUBLISHER_HOST, TELVORA_PACKAGE_URL).

#include <string>
#include <string_view>

std::string OfficialSiteLink(std::string_view versionText);
std::string OnlineVersionLink(std::string_view versionText);
std::string_view PackageUrl();

#pragma once
// Helpers for tests of the XMLTV converter: small documents, gzip, and the
// files a converted folder holds.

#include <map>
#include <string>
#include <string_view>

namespace xmltv::testing {

// "<tv>" + body + "</tv>" with an XML declaration.
std::string Document(std::string_view body);

// The bytes as one gzip member.
std::string Gzipped(std::string_view bytes);

// Every file under folder, by its path relative to folder.
std::map<std::string, std::string> FilesUnder(const std::string& folder);

// The UTF-8 byte-order mark every schedule file starts with.
inline constexpr std::string_view kMarker = "\xEF\xBB\xBF";

} // namespace xmltv::testing

#pragma once
// The download step's own rules: the request address with its time stamp, the
// check that a package arrived whole, and saving it so that a failed write
// leaves nothing half-written.

#include "framework/MemoryStream.h"

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

// The error text for a body that is empty or shorter or longer than its reply
// announced.
inline constexpr std::string_view kIncompletePackage = "数据包不完整.";

// Fourteen digits, year first: local date and time as yyyymmddhhnnss.
std::string PackageRequestStamp(const std::tm& localTime);

// The package address, "?" and the stamp; every request differs from the one a
// second before, so no cache between us and the server answers it.
std::string PackageRequestAddress(std::string_view packageUrl, const std::tm& localTime);

// Raises fw::Exception kIncompletePackage for an empty body, or for one whose
// length differs from contentLength when the reply gave one (>= 0).
void CheckWholePackage(fw::TMemoryStream& body, std::int64_t contentLength);

// Writes body into a temporary file beside path and renames it into place, so
// path holds either nothing new or the whole package. Raises the framework's
// file errors (the temporary file is removed).
void SavePackage(fw::TMemoryStream& body, const std::string& path);

#pragma once
// The program's binding to the 7-Zip library and its archive reader: everything
// the rest of the program needs, in one include.

#include "archive/ComPtr.h"
#include "archive/I7zInArchive.h"
#include "archive/ResultCode.h"
#include "archive/SevenZipInterfaces.h"
#include "archive/T7zArchive.h"
#include "archive/T7zInArchive.h"
#include "archive/T7zPlugin.h"
#include "archive/T7zStream.h"

#include <string>

namespace archive {

// The name the program writes the library under, in the current directory.
inline constexpr const char* SevenZipLibraryName = "7z.dll";
// The library as the system installs it; the build embeds this same file.
inline constexpr const char* SystemSevenZipLibrary = "/usr/lib/p7zip/7z.so";

// The full path of SevenZipLibraryName in the current directory: the reader loads
// the very file the program wrote, not whatever a library search would find.
std::string SevenZipLibraryPath();

// A reader over the library file lib for the format handler classid. Errors of
// loading the library propagate unchanged.
TComPtr<I7zInArchive> CreateInArchive(const TGUID& classid,
                                      const std::string& lib = SevenZipLibraryPath());

} // namespace archive

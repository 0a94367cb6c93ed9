#include "archive/Unit_sevenzip.h"

#include "framework/FileNames.h"

namespace archive {

std::string SevenZipLibraryPath() {
    return fw::ExpandFileName(SevenZipLibraryName);
}

TComPtr<I7zInArchive> CreateInArchive(const TGUID& classid, const std::string& lib) {
    TComPtr<I7zInArchive> result(new T7zInArchive(lib));
    result->SetClassId(classid);
    return result;
}

} // namespace archive

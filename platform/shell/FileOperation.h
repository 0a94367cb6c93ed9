#pragma once
// SHFileOperation for deleting (FO_DELETE): each path of the double-NUL-ended
// list pFrom is deleted, a folder with everything in it. Symbolic links are
// removed, never followed. A failure part-way does not stop the rest: whatever
// can be deleted is, and the result is the Win32 code of the first failure
// (ERROR_FILE_NOT_FOUND for a path that does not exist), 0 when everything went.
// Wildcards are not expanded, there is no recycle bin (FOF_ALLOWUNDO deletes
// outright) and no error window; only deleting is supported.

#include "platform/shell/ShellTypes.h"

namespace win {

constexpr UINT FO_MOVE = 0x0001;
constexpr UINT FO_COPY = 0x0002;
constexpr UINT FO_DELETE = 0x0003;
constexpr UINT FO_RENAME = 0x0004;

using FILEOP_FLAGS = WORD;
constexpr FILEOP_FLAGS FOF_SILENT = 0x0004;
constexpr FILEOP_FLAGS FOF_NOCONFIRMATION = 0x0010;
constexpr FILEOP_FLAGS FOF_ALLOWUNDO = 0x0040;
constexpr FILEOP_FLAGS FOF_NOERRORUI = 0x0400;

struct SHFILEOPSTRUCT {
    HWND hwnd = nullptr;
    UINT wFunc = 0;
    const char* pFrom = nullptr; // paths, each ended by NUL, the list by a second NUL
    const char* pTo = nullptr;
    FILEOP_FLAGS fFlags = 0;
    BOOL fAnyOperationsAborted = FALSE;
    void* hNameMappings = nullptr;
    const char* lpszProgressTitle = nullptr;
};

int SHFileOperation(SHFILEOPSTRUCT* operation);

} // namespace win

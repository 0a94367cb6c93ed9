#pragma once
// The platform's last-error value and the system message texts for result codes.
//
// GetLastError() holds Win32 error codes, per thread, as on Windows. Platform
// functions that fail on a POSIX call translate errno with Win32ErrorFromErrno:
// the errno values with a Windows counterpart become that Windows code (ENOENT is
// ERROR_FILE_NOT_FOUND, EACCES is ERROR_ACCESS_DENIED, ECONNREFUSED is
// WSAECONNREFUSED, ...), so callers compare against the Windows names; any other
// errno becomes ERROR_ERRNO_BASE + errno, whose text is the C library's own
// (strerror in the "C" locale).
//
// SystemMessageText gives the English Windows system message for a Win32 code or
// an HRESULT (HRESULT_FROM_WIN32 codes read as their Win32 code), with trailing
// characters 0..32 and trailing full stops removed, as the program shows them;
// an unknown code gives an empty text.

#include "platform/kernel/WinError.h"
#include "platform/kernel/WinTypes.h"

#include <cerrno>
#include <string>

namespace win {

DWORD GetLastError();
void SetLastError(DWORD code);

DWORD Win32ErrorFromErrno(int error);
// Sets the last error from errno (or the given errno value) and returns the code.
DWORD SetLastErrorFromErrno(int error = errno);

std::string SystemMessageText(DWORD code);

} // namespace win

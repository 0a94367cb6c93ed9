#pragma once
// Turning a failed POSIX call into the platform's last error and its message text.

#include "framework/Exception.h"

#include <string>

namespace fw {

// Records errno as the platform's last error and returns that code's system text.
std::string LastOSErrorText();

// EOSError "System Error.  Code: %d.\r\n%s" for the platform's last error, as the
// framework's RaiseLastOSError words it.
[[noreturn]] void RaiseLastOSError();

} // namespace fw

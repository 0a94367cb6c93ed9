#include "framework/OSError.h"

#include "platform/kernel/SystemMessage.h"

namespace fw {

std::string LastOSErrorText() {
    return win::SystemMessageText(win::SetLastErrorFromErrno());
}

void RaiseLastOSError() {
    const win::DWORD code = win::GetLastError();
    if (code == win::ERROR_SUCCESS)
        throw EOSError("A call to an OS function failed", code);
    throw EOSError(Format("System Error.  Code: %d.\r\n%s", code, win::SystemMessageText(code)),
                   code);
}

} // namespace fw

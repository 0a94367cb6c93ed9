#include "app/InstanceGuard.h"

#include "platform/kernel/Handle.h"
#include "platform/kernel/Mutex.h"
#include "platform/kernel/SystemMessage.h"
#include "platform/kernel/WinError.h"

win::HANDLE TakeInstanceMutex(std::string_view name, win::DWORD waitMilliseconds) {
    win::HANDLE mutex = win::CreateMutex(nullptr, win::TRUE, name);
    if (mutex == nullptr)
        return nullptr;
    if (win::GetLastError() != win::ERROR_ALREADY_EXISTS)
        return mutex;
    if (waitMilliseconds > 0 &&
        win::WaitForSingleObject(mutex, waitMilliseconds) == win::WAIT_OBJECT_0)
        return mutex;
    win::CloseHandle(mutex);
    return nullptr;
}

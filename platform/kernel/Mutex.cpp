#include "platform/kernel/Mutex.h"

#include "platform/kernel/NamedMutex.h"
#include "platform/kernel/SystemMessage.h"

namespace win {

namespace {

std::shared_ptr<NamedMutex> MutexOfHandle(HANDLE handle) {
    auto mutex = std::dynamic_pointer_cast<NamedMutex>(ObjectOfHandle(handle));
    if (mutex == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
    }
    return mutex;
}

} // namespace

HANDLE CreateMutex(SECURITY_ATTRIBUTES*, BOOL initialOwner, std::string_view name) {
    if (name.empty()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto mutex = std::make_shared<NamedMutex>(NamedMutex::LockPathFor(name));
    if (!mutex->IsOpen()) {
        SetLastErrorFromErrno();
        return nullptr;
    }
    bool exists = initialOwner ? !mutex->TryAcquire() : mutex->IsHeldElsewhere();
    HANDLE handle = AddHandle(mutex);
    SetLastError(exists ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
    return handle;
}

BOOL ReleaseMutex(HANDLE handle) {
    std::shared_ptr<NamedMutex> mutex = MutexOfHandle(handle);
    if (mutex == nullptr) {
        return FALSE;
    }
    if (!mutex->Release()) {
        SetLastError(ERROR_NOT_OWNER);
        return FALSE;
    }
    return TRUE;
}

DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds) {
    std::shared_ptr<NamedMutex> mutex = MutexOfHandle(handle);
    if (mutex == nullptr) {
        return WAIT_FAILED;
    }
    return mutex->Acquire(milliseconds) ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
}

} // namespace win

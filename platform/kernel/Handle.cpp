#include "platform/kernel/Handle.h"

#include "platform/kernel/SystemMessage.h"

#include <cstdint>
#include <mutex>
#include <unordered_map>

namespace win {

namespace {

class HandleTable {
public:
    HANDLE Add(std::shared_ptr<KernelObject> object) {
        std::lock_guard lock(mutex_);
        // Multiples of four, as Windows hands them out; never 0 or -1.
        nextValue_ += 4;
        objects_.emplace(nextValue_, std::move(object));
        return reinterpret_cast<HANDLE>(nextValue_);
    }

    std::shared_ptr<KernelObject> Find(HANDLE handle) {
        std::lock_guard lock(mutex_);
        auto at = objects_.find(reinterpret_cast<std::uintptr_t>(handle));
        return at == objects_.end() ? nullptr : at->second;
    }

    std::shared_ptr<KernelObject> Remove(HANDLE handle) {
        std::lock_guard lock(mutex_);
        auto at = objects_.find(reinterpret_cast<std::uintptr_t>(handle));
        if (at == objects_.end()) {
            return nullptr;
        }
        std::shared_ptr<KernelObject> object = std::move(at->second);
        objects_.erase(at);
        return object;
    }

private:
    std::mutex mutex_;
    std::uintptr_t nextValue_ = 0;
    std::unordered_map<std::uintptr_t, std::shared_ptr<KernelObject>> objects_;
};

HandleTable& Handles() {
    static HandleTable table;
    return table;
}

} // namespace

HANDLE AddHandle(std::shared_ptr<KernelObject> object) {
    return Handles().Add(std::move(object));
}

std::shared_ptr<KernelObject> ObjectOfHandle(HANDLE handle) {
    std::shared_ptr<KernelObject> object = Handles().Find(handle);
    if (object == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
    }
    return object;
}

BOOL CloseHandle(HANDLE handle) {
    // The object's destructor runs outside the table's lock.
    std::shared_ptr<KernelObject> object = Handles().Remove(handle);
    if (object == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}

} // namespace win

#include "app/ProcessEntry.h"

#include "app/InstanceGuard.h"
#include "app/StartMode.h"

int RunProcessEntry(std::span<const std::string> arguments,
                    const std::function<int()>& runApplication) {
    const win::DWORD wait =
        StartModeFor(arguments).UpdateStart() ? kUpdateStartWaitMilliseconds : 0;
    if (TakeInstanceMutex(kInstanceMutexName, wait) == nullptr)
        return 0;
    return runApplication();
}

#include "app/NetworkPump.h"

#include "framework/gui/Application.h"
#include "http/NetAntiFreeze.h"
#include "platform/user/WinUser.h"

namespace {

// Once the application is asked to end, the blocked call is given up: the
// silent exception unwinds it, and nothing of the transfer is kept.
void AbortWhenEnding(const fw::TApplication& application) {
    if (application.Terminated())
        throw fw::EAbort("Operation aborted");
}

} // namespace

void ConnectNetworkPump(fw::TApplication& application) {
    TNetAntiFreeze::SetDispatchers(
        [&application] {
            application.ProcessMessages();
            AbortWhenEnding(application);
        },
        [&application] {
            // HandleMessage would wait on an empty queue, and a turn must
            // never block.
            win::MSG msg;
            if (win::PeekMessage(&msg, nullptr, 0, 0, win::PM_NOREMOVE))
                application.HandleMessage();
            AbortWhenEnding(application);
        });
}

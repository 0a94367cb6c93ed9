#include "app/NetworkPump.h"

#include "framework/gui/Application.h"
#include "http/NetAntiFreeze.h"
#include "platform/user/WinUser.h"

void ConnectNetworkPump(fw::TApplication& application) {
    TNetAntiFreeze::SetDispatchers([&application] { application.ProcessMessages(); },
                                   [&application] {
                                       // HandleMessage would wait on an empty
                                       // queue, and a turn must never block.
                                       win::MSG msg;
                                       if (win::PeekMessage(&msg, nullptr, 0, 0, win::PM_NOREMOVE))
                                           application.HandleMessage();
                                   });
}

#pragma once
// Gives the network code's message pump its turns through the application:
// every pending message, or the first one when there is one.

namespace fw {
class TApplication;
}

void ConnectNetworkPump(fw::TApplication& application);

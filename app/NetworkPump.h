#pragma once
// Gives the network code's message pump its turns through the application:
// every pending message, or the first one when there is one. A turn taken once
// the application is ending raises EAbort, which gives up the blocked call.

namespace fw {
class TApplication;
}

void ConnectNetworkPump(fw::TApplication& application);

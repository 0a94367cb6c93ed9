// Prints 1 when the machine counts as connected, else 0, and the flags.

#include "platform/shell/Internet.h"

#include <cstdio>

int main() {
    win::DWORD flags = 0;
    win::BOOL connected = win::InternetGetConnectedState(&flags, 0);
    std::printf("%d %u\n", connected ? 1 : 0, flags);
    return 0;
}

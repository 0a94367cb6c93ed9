// Takes the named mutex given as its argument, says "held" or "exists" on stdout,
// then keeps running until its standard input closes.

#include "platform/kernel/Mutex.h"
#include "platform/kernel/SystemMessage.h"

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kernel_lock_holder NAME\n");
        return 2;
    }
    win::HANDLE mutex = win::CreateMutex(nullptr, win::TRUE, argv[1]);
    if (mutex == nullptr) {
        std::printf("failed\n");
        return 1;
    }
    std::printf(win::GetLastError() == win::ERROR_ALREADY_EXISTS ? "exists\n" : "held\n");
    std::fflush(stdout);
    char buffer[64];
    while (read(STDIN_FILENO, buffer, sizeof buffer) > 0) {
    }
    return 0;
}

// Peak memory of telvora-tool get, a whole process, against hostile servers on
// 127.0.0.1: cookie floods in endless interim replies and in redirects, and
// endless bodies. Each line gives the run's time, exit status and peak resident
// memory; for the endless bodies also the peak above the most a memory stream
// may hold (2 GiB), the body's own size.

#include "bench/http/ProcessRun.h"

#include <cstdio>
#include <string>

namespace {

// A header block of Set-Cookie lines, each just under 16 KiB, of small cookies
// with names not seen before.
std::string CookieFlood(int& serial) {
    std::string head;
    for (int line = 0; line < 250; ++line) {
        std::string value;
        while (value.size() < 16000) {
            value += "n" + std::to_string(serial++) + "=1, ";
        }
        head += "Set-Cookie: " + value + "\r\n";
    }
    return head;
}

void Report(const char* name, const ProcessRun& run, long bodyKiB = 0) {
    std::printf("%-44s %6.2f s  exit %d  peak %5ld MiB", name, run.seconds, run.exitCode,
                run.peakKiB / 1024);
    if (bodyKiB > 0) {
        std::printf("  (%ld MiB above the body)", (run.peakKiB - bodyKiB) / 1024);
    }
    std::printf("\n");
}

void EndlessBody(int client, const char* statusLine) {
    if (!SendAll(client, std::string(statusLine) + "\r\nContent-Type: application/zip\r\n\r\n")) {
        return;
    }
    const std::string block(1 << 20, 'x');
    while (SendAll(client, block)) {
    }
}

} // namespace

int main() {
    LoopbackServer interim([](int client) {
        int serial = 0;
        while (SendAll(client, "HTTP/1.1 100 Continue\r\n" + CookieFlood(serial) + "\r\n")) {
        }
    });
    LoopbackServer redirects([](int client) {
        static int serial = 0;
        SendAll(client, "HTTP/1.1 302 Found\r\nLocation: /next\r\nConnection: close\r\n" +
                            CookieFlood(serial) + "Content-Length: 0\r\n\r\n");
    });
    LoopbackServer endless([](int client) { EndlessBody(client, "HTTP/1.1 200 OK"); });
    LoopbackServer endlessError([](int client) { EndlessBody(client, "HTTP/1.1 404 Not Found"); });

    const long streamLimitKiB = 2L << 20;
    auto get = [](const LoopbackServer& server) {
        return RunProcess({TELVORA_TOOL_PATH, "get", server.URL("/"), "/dev/null"});
    };
    Report("endless interim replies with cookie floods", get(interim));
    Report("15 redirects with cookie floods", get(redirects));
    Report("endless body", get(endless), streamLimitKiB);
    Report("endless error body", get(endlessError));
    return 0;
}

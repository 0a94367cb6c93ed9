// Downloads the same body with telvora-tool get and with curl, each a whole
// process, to files in one folder, from a server on 127.0.0.1 started here: once
// with Content-Length and once without (read until the server closes), runs of
// the two tools interleaved. Reports the best times, the speed ratios and each
// process's peak memory.

#include "bench/http/ProcessRun.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

struct Best {
    double seconds = 1e9;
    double cpuSeconds = 1e9;
    long peakKiB = 0;
    void Add(const ProcessRun& run) {
        if (run.exitCode != 0) {
            std::fprintf(stderr, "a download failed\n");
            std::exit(1);
        }
        seconds = std::min(seconds, run.seconds);
        cpuSeconds = std::min(cpuSeconds, run.cpuSeconds);
        peakKiB = std::max(peakKiB, run.peakKiB);
    }
    void Print(const char* name, std::size_t megabytes) const {
        std::printf("  %-17s %.3f s  %5.0f MiB/s  cpu %.3f s  peak %ld MiB\n", name, seconds,
                    double(megabytes) / seconds, cpuSeconds, peakKiB / 1024);
    }
};

} // namespace

int main(int argc, char** argv) {
    const std::size_t megabytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 256;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
    const std::size_t bodySize = megabytes << 20;
    const std::string block(1 << 20, 'x');
    auto serve = [&](bool counted) {
        return [&, counted](int client) {
            std::string head = "HTTP/1.1 200 OK\r\nContent-Type: application/zip\r\n";
            if (counted) {
                head += "Content-Length: " + std::to_string(bodySize) + "\r\n";
            }
            if (!SendAll(client, head + "Connection: close\r\n\r\n")) {
                return;
            }
            for (std::size_t sent = 0; sent < bodySize; sent += block.size()) {
                if (!SendAll(client, block.data(), std::min(block.size(), bodySize - sent))) {
                    return;
                }
            }
        };
    };
    LoopbackServer counted(serve(true));
    LoopbackServer untilClose(serve(false));

    char folder[] = "/tmp/http-bench-XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string toolOut = std::string(folder) + "/tool.zip";
    const std::string curlOut = std::string(folder) + "/curl.zip";
    std::printf("body %zu MiB, best of %d interleaved runs, both saved to %s\n", megabytes, rounds,
                folder);
    for (const LoopbackServer* server : {&counted, &untilClose}) {
        const std::string url = server->URL("/body.zip");
        Best tool;
        Best curl;
        for (int i = 0; i < rounds; ++i) {
            tool.Add(RunProcess({TELVORA_TOOL_PATH, "get", url, toolOut}));
            curl.Add(RunProcess({"curl", "-s", "-o", curlOut, url}));
        }
        std::printf("%s\n", server == &counted ? "with Content-Length" : "without Content-Length");
        tool.Print("telvora-tool get", megabytes);
        curl.Print("curl -o", megabytes);
        std::printf("  speed ratio (curl time / tool time): %.2f; cpu time ratio %.2f\n",
                    curl.seconds / tool.seconds, curl.cpuSeconds / tool.cpuSeconds);
    }
    unlink(toolOut.c_str());
    unlink(curlOut.c_str());
    rmdir(folder);
    return 0;
}

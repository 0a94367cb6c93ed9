// Downloads the same body with telvora-tool get and with curl, each a whole
// process, from a server on 127.0.0.1 started here, and reports the times, the
// speed ratio and each process's peak memory.

#include <algorithm>
#include <arpa/inet.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <netinet/in.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// Answers every connection's request with one body of the given size.
class BodyServer {
public:
    explicit BodyServer(std::size_t bodySize) : FBodySize(bodySize), FBlock(1 << 20, 'x') {
        FListener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (bind(FListener, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
            listen(FListener, 4) != 0 ||
            getsockname(FListener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
            std::perror("listen");
            std::exit(1);
        }
        FPort = ntohs(address.sin_port);
        FThread = std::thread([this] { Serve(); });
    }
    ~BodyServer() {
        shutdown(FListener, SHUT_RDWR);
        FThread.join();
        close(FListener);
    }
    std::string URL() const { return "http://127.0.0.1:" + std::to_string(FPort) + "/body.zip"; }

private:
    void Serve() {
        for (;;) {
            int client = accept4(FListener, nullptr, nullptr, SOCK_CLOEXEC);
            if (client < 0) {
                return;
            }
            std::string head;
            char byte;
            while (head.find("\r\n\r\n") == std::string::npos && recv(client, &byte, 1, 0) == 1) {
                head += byte;
            }
            std::string reply = "HTTP/1.1 200 OK\r\nContent-Type: application/zip\r\n"
                                "Content-Length: " +
                                std::to_string(FBodySize) + "\r\nConnection: close\r\n\r\n";
            Send(client, reply.data(), reply.size());
            for (std::size_t sent = 0; sent < FBodySize;) {
                std::size_t count = std::min(FBlock.size(), FBodySize - sent);
                if (!Send(client, FBlock.data(), count)) {
                    break;
                }
                sent += count;
            }
            close(client);
        }
    }
    static bool Send(int client, const char* data, std::size_t size) {
        while (size > 0) {
            ssize_t n = send(client, data, size, MSG_NOSIGNAL);
            if (n <= 0) {
                return false;
            }
            data += n;
            size -= std::size_t(n);
        }
        return true;
    }

    std::size_t FBodySize;
    std::string FBlock;
    int FListener = -1;
    std::uint16_t FPort = 0;
    std::thread FThread;
};

struct Run {
    double seconds;
    long peakKiB;
};

Run RunProcess(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    auto start = std::chrono::steady_clock::now();
    pid_t pid;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", argv[0]);
        std::exit(1);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", argv[0]);
        std::exit(1);
    }
    return {seconds, usage.ru_maxrss};
}

Run Best(int rounds, const std::vector<std::string>& args) {
    Run best{1e9, 0};
    for (int i = 0; i < rounds; ++i) {
        Run run = RunProcess(args);
        best.seconds = std::min(best.seconds, run.seconds);
        best.peakKiB = std::max(best.peakKiB, run.peakKiB);
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    std::size_t megabytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 256;
    int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
    BodyServer server(megabytes << 20);
    // Both save the body to a file, as the program saves the package it fetched.
    char folder[] = "/tmp/http-bench-XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string toolOut = std::string(folder) + "/tool.zip";
    const std::string curlOut = std::string(folder) + "/curl.zip";
    Run tool = Best(rounds, {TELVORA_TOOL_PATH, "get", server.URL(), toolOut});
    Run curl = Best(rounds, {"curl", "-s", "-o", curlOut, server.URL()});
    unlink(toolOut.c_str());
    unlink(curlOut.c_str());
    rmdir(folder);
    std::printf("body                %zu MiB, best of %d\n", megabytes, rounds);
    std::printf("telvora-tool get    %.3f s  %.0f MiB/s  peak %ld MiB\n", tool.seconds,
                double(megabytes) / tool.seconds, tool.peakKiB / 1024);
    std::printf("curl                %.3f s  %.0f MiB/s  peak %ld MiB\n", curl.seconds,
                double(megabytes) / curl.seconds, curl.peakKiB / 1024);
    std::printf("speed ratio (curl time / tool time): %.2f\n", curl.seconds / tool.seconds);
    return 0;
}

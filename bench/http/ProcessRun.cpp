#include "bench/http/ProcessRun.h"

#include <arpa/inet.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <netinet/in.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

LoopbackServer::LoopbackServer(TAnswer answer) : FAnswer(std::move(answer)) {
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

LoopbackServer::~LoopbackServer() {
    shutdown(FListener, SHUT_RDWR);
    FThread.join();
    close(FListener);
}

std::string LoopbackServer::URL(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(FPort) + path;
}

void LoopbackServer::Serve() {
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
        FAnswer(client);
        close(client);
    }
}

bool SendAll(int client, const char* data, std::size_t size) {
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

bool SendAll(int client, const std::string& text) {
    return SendAll(client, text.data(), text.size());
}

ProcessRun RunProcess(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
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
    auto cpu = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return {seconds, cpu(usage.ru_utime) + cpu(usage.ru_stime), usage.ru_maxrss,
            WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

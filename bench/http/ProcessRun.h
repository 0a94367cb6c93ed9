#pragma once
// Whole-process measurements for the HTTP benchmarks: a loopback server whose
// connections a function answers, and a child process's time and peak memory.

#include <functional>
#include <string>
#include <thread>
#include <vector>

// Listens on 127.0.0.1 and hands every accepted connection, with the request head
// already read, to answer (which closes nothing: the server closes afterwards).
class LoopbackServer {
public:
    using TAnswer = std::function<void(int client)>;
    explicit LoopbackServer(TAnswer answer);
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;
    ~LoopbackServer();
    std::string URL(const std::string& path) const;

private:
    void Serve();

    TAnswer FAnswer;
    int FListener = -1;
    unsigned short FPort = 0;
    std::thread FThread;
};

// Writes all of data; false once the peer is gone.
bool SendAll(int client, const char* data, std::size_t size);
bool SendAll(int client, const std::string& text);

struct ProcessRun {
    double seconds;    // wall time
    double cpuSeconds; // user and system time of the process
    long peakKiB;
    int exitCode;
};

// Runs the program (found on PATH when not a path) with stdout and stderr to
// /dev/null and waits for it.
ProcessRun RunProcess(std::vector<std::string> args);

#pragma once
// A real HTTP server on the loopback address for the client's tests: it answers each request
// it reads with the next scripted reply, written as raw bytes in pieces (with a
// pause between pieces, so the client sees split reads), and closes the
// connection when the reply says so.

#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct ScriptedReply {
    std::vector<std::string> pieces; // written in order, a short pause between them
    bool closeAfter = false;         // close the connection after the last piece
    bool resetAfter = false;         // close it with a reset (RST) instead
    int pauseMs = 50;                // the pause between pieces
};

class ScriptedServer {
public:
    enum class Family { IPv4, IPv6 };
    // Listens on 127.0.0.1, or on ::1 for IPv6 (std::runtime_error when the
    // machine has no IPv6 loopback).
    explicit ScriptedServer(std::vector<ScriptedReply> replies, Family family = Family::IPv4);
    ScriptedServer(const ScriptedServer&) = delete;
    ScriptedServer& operator=(const ScriptedServer&) = delete;
    ~ScriptedServer();

    std::uint16_t Port() const { return FPort; }
    std::string URL(const std::string& path = "/") const;

    struct Request {
        std::string head; // request line, header lines and the empty line, as received
        int connection;   // which accepted connection carried it, from 0
    };
    std::vector<Request> Requests() const;

private:
    void Serve();
    void ServeConnection(int client, int connection);

    std::vector<ScriptedReply> FReplies;
    std::size_t FNextReply = 0;
    int FListener = -1;
    int FStopPipe[2] = {-1, -1};
    std::uint16_t FPort = 0;
    std::string FHost;
    mutable std::mutex FLock;
    std::vector<Request> FRequests;
    std::thread FThread;
};

// A listening socket on 127.0.0.1 whose accept queue is full, so a further
// connect is never answered: for connect time limits.
class UnansweredListener {
public:
    UnansweredListener();
    UnansweredListener(const UnansweredListener&) = delete;
    UnansweredListener& operator=(const UnansweredListener&) = delete;
    ~UnansweredListener();
    std::uint16_t Port() const { return FPort; }

private:
    int FListener = -1;
    std::vector<int> FFillers;
    std::uint16_t FPort = 0;
};

// A port on 127.0.0.1 where nothing listens.
std::uint16_t ClosedPort();

#pragma once
// Socket error codes as Windows sockets number them, the texts the network layer
// shows for them, and the mapping from the POSIX codes our sockets report.

#include <string>

constexpr int kWSAEINTR = 10004;
constexpr int kWSAEBADF = 10009;
constexpr int kWSAENOTSOCK = 10038;
constexpr int kWSAECONNABORTED = 10053;
constexpr int kWSAECONNRESET = 10054;
constexpr int kWSAESHUTDOWN = 10058;
constexpr int kWSAETIMEDOUT = 10060;
constexpr int kWSAECONNREFUSED = 10061;
constexpr int kWSAHOST_NOT_FOUND = 11001;
constexpr int kWSATRY_AGAIN = 11002;
constexpr int kWSANO_RECOVERY = 11003;

// The text for a code; empty for a code without one.
std::string SocketErrorText(int code);

// The Windows sockets code for an errno value; unknown values are passed through.
int SocketErrorFromErrno(int error);

// The Windows sockets code for a getaddrinfo result (EAI_*), errno for EAI_SYSTEM.
int SocketErrorFromLookup(int result, int error);

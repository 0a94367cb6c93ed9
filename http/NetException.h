#pragma once
// The network layer's exception tree, rooted at ENetException. Messages are the
// texts callers compare and users see.

#include "framework/Exception.h"

#include <exception>
#include <string>

class ENetException : public fw::Exception {
public:
    using fw::Exception::Exception;
};

#define NET_DECLARE_EXCEPTION(name, base, defaultMessage)                                          \
    class name : public base {                                                                     \
    public:                                                                                        \
        using base::base;                                                                          \
        name() : base(defaultMessage) {}                                                           \
    }

// Silent: the application's error box ignores it.
NET_DECLARE_EXCEPTION(ENetSilentException, ENetException, "");
NET_DECLARE_EXCEPTION(ENetConnClosedGracefully, ENetSilentException,
                      "Connection Closed Gracefully.");
NET_DECLARE_EXCEPTION(ENetReadTimeout, ENetException, "Read timed out.");
NET_DECLARE_EXCEPTION(ENetConnectTimeout, ENetException, "Connect timed out.");
NET_DECLARE_EXCEPTION(ENetConnectException, ENetException, "");
NET_DECLARE_EXCEPTION(ENetReadLnMaxLineLengthExceeded, ENetException, "Max line length exceeded.");
NET_DECLARE_EXCEPTION(ENetAlreadyConnected, ENetException, "Already connected.");
NET_DECLARE_EXCEPTION(ENetHostRequired, ENetException, "");
NET_DECLARE_EXCEPTION(ENetPortRequired, ENetException, "");
NET_DECLARE_EXCEPTION(ENetNotConnected, ENetException, "Not Connected");
NET_DECLARE_EXCEPTION(ENetIOHandler, ENetException, "");
NET_DECLARE_EXCEPTION(ENetIOHandlerStreamDataTooLarge, ENetIOHandler,
                      "Data is too large for stream");
NET_DECLARE_EXCEPTION(ENetIOHandlerPropInvalid, ENetIOHandler, "IOHandler value is not valid");
NET_DECLARE_EXCEPTION(ENetUnknownProtocol, ENetException, "Unknown Protocol");
NET_DECLARE_EXCEPTION(ENetMaxHeaderLinesExceeded, ENetException, "Max header lines exceeded.");
NET_DECLARE_EXCEPTION(ENetAntiFreezeOnlyOne, ENetException,
                      "Only one TNetAntiFreeze can exist per application.");

#undef NET_DECLARE_EXCEPTION

// A socket operation failed: "Socket Error # <code>\r\n<text>", codes as Windows
// sockets number them.
class ENetSocketError : public ENetException {
public:
    explicit ENetSocketError(int lastError);
    ENetSocketError(int lastError, std::string message)
        : ENetException(std::move(message)), FLastError(lastError) {}

    int LastError() const noexcept { return FLastError; }

private:
    int FLastError;
};

class ENetNotASocket : public ENetSocketError {
public:
    using ENetSocketError::ENetSocketError;
};

// Raises ENetNotASocket for code 10038, ENetSocketError for every other code.
[[noreturn]] void RaiseSocketError(int lastError);

// The class name of an exception object as reports show it ("ENetSocketError"),
// without namespaces.
std::string ExceptionClassName(const std::exception& e);

#include "http/NetException.h"

#include "http/NetSocketErrors.h"

ENetSocketError::ENetSocketError(int lastError)
    : ENetException(fw::Format("Socket Error # %d\r\n%s", lastError, SocketErrorText(lastError))),
      FLastError(lastError) {}

void RaiseSocketError(int lastError) {
    if (lastError == kWSAENOTSOCK) {
        throw ENetNotASocket(lastError);
    }
    throw ENetSocketError(lastError);
}

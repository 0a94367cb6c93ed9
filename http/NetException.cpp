#include "http/NetException.h"

#include "http/NetSocketErrors.h"

#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

ENetSocketError::ENetSocketError(int lastError)
    : ENetException(fw::Format("Socket Error # %d\r\n%s", lastError, SocketErrorText(lastError))),
      FLastError(lastError) {}

void RaiseSocketError(int lastError) {
    if (lastError == kWSAENOTSOCK) {
        throw ENetNotASocket(lastError);
    }
    throw ENetSocketError(lastError);
}

std::string ExceptionClassName(const std::exception& e) {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(
        abi::__cxa_demangle(typeid(e).name(), nullptr, nullptr, &status), std::free);
    std::string name = status == 0 ? demangled.get() : typeid(e).name();
    std::size_t colons = name.rfind("::");
    return colons == std::string::npos ? name : name.substr(colons + 2);
}

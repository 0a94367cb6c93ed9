#pragma once
// The framework's exception tree. Every error the framework and the program raise
// carries a user-visible message text; callers catch by class and show Message().

#include "framework/Format.h"

#include <exception>
#include <string>

namespace fw {

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : FMessage(std::move(message)) {}

    const std::string& Message() const noexcept { return FMessage; }
    void SetMessage(std::string message) { FMessage = std::move(message); }
    const char* what() const noexcept override { return FMessage.c_str(); }

private:
    std::string FMessage;
};

#define FW_DECLARE_EXCEPTION(name, base)                                                           \
    class name : public base {                                                                     \
    public:                                                                                        \
        using base::base;                                                                          \
    }

// A silent exception: the application's error box ignores it.
FW_DECLARE_EXCEPTION(EAbort, Exception);
FW_DECLARE_EXCEPTION(EOutOfMemory, Exception);
FW_DECLARE_EXCEPTION(EAssertionFailed, Exception);
FW_DECLARE_EXCEPTION(EConvertError, Exception);
FW_DECLARE_EXCEPTION(EListError, Exception);
FW_DECLARE_EXCEPTION(EStringListError, EListError);
FW_DECLARE_EXCEPTION(EInvalidOperation, Exception);
FW_DECLARE_EXCEPTION(EInvalidPointer, Exception);
FW_DECLARE_EXCEPTION(EInvalidCast, Exception);
FW_DECLARE_EXCEPTION(EIntError, Exception);
FW_DECLARE_EXCEPTION(ERangeError, EIntError);
FW_DECLARE_EXCEPTION(EIntOverflow, EIntError);
FW_DECLARE_EXCEPTION(EComponentError, Exception);
FW_DECLARE_EXCEPTION(EPropertyError, Exception);
FW_DECLARE_EXCEPTION(EResNotFound, Exception);
FW_DECLARE_EXCEPTION(EStreamError, Exception);
FW_DECLARE_EXCEPTION(EFOpenError, EStreamError);
FW_DECLARE_EXCEPTION(EFCreateError, EStreamError);
FW_DECLARE_EXCEPTION(EFilerError, EStreamError);
FW_DECLARE_EXCEPTION(EReadError, EFilerError);
FW_DECLARE_EXCEPTION(EWriteError, EFilerError);
FW_DECLARE_EXCEPTION(EClassNotFound, EFilerError);
FW_DECLARE_EXCEPTION(EExternalException, Exception);

#undef FW_DECLARE_EXCEPTION

// An operating-system failure: the message is the system's text, ErrorCode() the code.
class EOSError : public Exception {
public:
    EOSError(std::string message, std::uint32_t errorCode)
        : Exception(std::move(message)), FErrorCode(errorCode) {}

    std::uint32_t ErrorCode() const noexcept { return FErrorCode; }
    void SetErrorCode(std::uint32_t code) noexcept { FErrorCode = code; }

private:
    std::uint32_t FErrorCode;
};

// An exception of class E whose message is Format(format, args...).
template <class E, class... Args> E CreateFmt(std::string_view format, const Args&... args) {
    return E(Format(format, args...));
}

// Raises E with a plain message; for call sites that read as "raise E.Create(msg)".
template <class E> [[noreturn]] void Raise(std::string message) {
    throw E(std::move(message));
}

// Raises E with Format(format, args...); "raise E.CreateFmt(fmt, [args])".
template <class E, class... Args>
[[noreturn]] void RaiseFmt(std::string_view format, const Args&... args) {
    throw CreateFmt<E>(format, args...);
}

// Raises the silent EAbort "Operation aborted": leaves the current operation
// without the application's error box.
[[noreturn]] inline void Abort() {
    throw EAbort("Operation aborted");
}

// Raises EAssertionFailed "message (file, line n)" when condition is false, with
// the caller's place ("Assertion failure" for an empty message). The place comes
// from the compiler's built-ins: clang 14 with this standard library has no
// std::source_location.
inline void Assert(bool condition, std::string_view message = {},
                   const char* file = __builtin_FILE(), int line = __builtin_LINE()) {
    if (!condition)
        RaiseFmt<EAssertionFailed>(
            "%s (%s, line %d)", message.empty() ? std::string_view("Assertion failure") : message,
            file, line);
}

} // namespace fw

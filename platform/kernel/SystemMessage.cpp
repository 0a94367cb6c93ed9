#include "platform/kernel/SystemMessage.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <locale.h>
#include <span>
#include <string_view>

namespace win {

namespace {

struct MessageEntry {
    DWORD code;
    std::string_view text;
};

// The English Windows message table for the codes the program and its libraries
// meet, as FormatMessage returns them (line break included), sorted by code.
constexpr auto kWin32Messages = std::to_array<MessageEntry>({
    {ERROR_SUCCESS, "The operation completed successfully.\r\n"},
    {ERROR_INVALID_FUNCTION, "Incorrect function.\r\n"},
    {ERROR_FILE_NOT_FOUND, "The system cannot find the file specified.\r\n"},
    {ERROR_PATH_NOT_FOUND, "The system cannot find the path specified.\r\n"},
    {ERROR_TOO_MANY_OPEN_FILES, "The system cannot open the file.\r\n"},
    {ERROR_ACCESS_DENIED, "Access is denied.\r\n"},
    {ERROR_INVALID_HANDLE, "The handle is invalid.\r\n"},
    {ERROR_NOT_ENOUGH_MEMORY, "Not enough memory resources are available to process this "
                              "command.\r\n"},
    {ERROR_OUTOFMEMORY, "Not enough memory resources are available to complete this "
                        "operation.\r\n"},
    {ERROR_NOT_SAME_DEVICE, "The system cannot move the file to a different disk drive.\r\n"},
    {ERROR_WRITE_PROTECT, "The media is write protected.\r\n"},
    {ERROR_SHARING_VIOLATION, "The process cannot access the file because it is being used by "
                              "another process.\r\n"},
    {ERROR_LOCK_VIOLATION, "The process cannot access the file because another process has "
                           "locked a portion of the file.\r\n"},
    {ERROR_HANDLE_EOF, "Reached the end of the file.\r\n"},
    {ERROR_HANDLE_DISK_FULL, "The disk is full.\r\n"},
    {ERROR_NOT_SUPPORTED, "The request is not supported.\r\n"},
    {ERROR_FILE_EXISTS, "The file exists.\r\n"},
    {ERROR_CANNOT_MAKE, "The directory or file cannot be created.\r\n"},
    {ERROR_INVALID_PARAMETER, "The parameter is incorrect.\r\n"},
    {ERROR_BROKEN_PIPE, "The pipe has been ended.\r\n"},
    {ERROR_OPEN_FAILED, "The system cannot open the device or file specified.\r\n"},
    {ERROR_BUFFER_OVERFLOW, "The file name is too long.\r\n"},
    {ERROR_DISK_FULL, "There is not enough space on the disk.\r\n"},
    {ERROR_INSUFFICIENT_BUFFER, "The data area passed to a system call is too small.\r\n"},
    {ERROR_INVALID_NAME, "The filename, directory name, or volume label syntax is "
                         "incorrect.\r\n"},
    {ERROR_MOD_NOT_FOUND, "The specified module could not be found.\r\n"},
    {ERROR_PROC_NOT_FOUND, "The specified procedure could not be found.\r\n"},
    {ERROR_DIR_NOT_EMPTY, "The directory is not empty.\r\n"},
    {ERROR_BUSY, "The requested resource is in use.\r\n"},
    {ERROR_ALREADY_EXISTS, "Cannot create a file when that file already exists.\r\n"},
    {ERROR_FILENAME_EXCED_RANGE, "The filename or extension is too long.\r\n"},
    {ERROR_DIRECTORY, "The directory name is invalid.\r\n"},
    {ERROR_NOT_OWNER, "Attempt to release mutex not owned by caller.\r\n"},
    {ERROR_IO_DEVICE, "The request could not be performed because of an I/O device error.\r\n"},
    {ERROR_CANCELLED, "The operation was canceled by the user.\r\n"},
    {ERROR_TIMEOUT, "This operation returned because the timeout period expired.\r\n"},
    {ERROR_RESOURCE_DATA_NOT_FOUND, "The specified image file did not contain a resource "
                                    "section.\r\n"},
    {ERROR_RESOURCE_TYPE_NOT_FOUND, "The specified resource type cannot be found in the image "
                                    "file.\r\n"},
    {ERROR_RESOURCE_NAME_NOT_FOUND, "The specified resource name cannot be found in the image "
                                    "file.\r\n"},
    {WSAEINTR, "A blocking operation was interrupted by a call to WSACancelBlockingCall.\r\n"},
    {WSAEBADF, "The file handle supplied is not valid.\r\n"},
    {WSAEACCES, "An attempt was made to access a socket in a way forbidden by its access "
                "permissions.\r\n"},
    {WSAEFAULT, "The system detected an invalid pointer address in attempting to use a pointer "
                "argument in a call.\r\n"},
    {WSAEINVAL, "An invalid argument was supplied.\r\n"},
    {WSAEMFILE, "Too many open sockets.\r\n"},
    {WSAEWOULDBLOCK, "A non-blocking socket operation could not be completed immediately.\r\n"},
    {WSAEINPROGRESS, "A blocking operation is currently executing.\r\n"},
    {WSAEALREADY, "An operation was attempted on a non-blocking socket that already had an "
                  "operation in progress.\r\n"},
    {WSAENOTSOCK, "An operation was attempted on something that is not a socket.\r\n"},
    {WSAEMSGSIZE, "A message sent on a datagram socket was larger than the internal message "
                  "buffer or some other network limit, or the buffer used to receive a datagram "
                  "into was smaller than the datagram itself.\r\n"},
    {WSAEAFNOSUPPORT, "An address incompatible with the requested protocol was used.\r\n"},
    {WSAEADDRINUSE, "Only one usage of each socket address (protocol/network address/port) is "
                    "normally permitted.\r\n"},
    {WSAEADDRNOTAVAIL, "The requested address is not valid in its context.\r\n"},
    {WSAENETDOWN, "A socket operation encountered a dead network.\r\n"},
    {WSAENETUNREACH, "A socket operation was attempted to an unreachable network.\r\n"},
    {WSAENETRESET, "The connection has been broken due to keep-alive activity detecting a "
                   "failure while the operation was in progress.\r\n"},
    {WSAECONNABORTED, "An established connection was aborted by the software in your host "
                      "machine.\r\n"},
    {WSAECONNRESET, "An existing connection was forcibly closed by the remote host.\r\n"},
    {WSAENOBUFS, "An operation on a socket could not be performed because the system lacked "
                 "sufficient buffer space or because a queue was full.\r\n"},
    {WSAEISCONN, "A connect request was made on an already connected socket.\r\n"},
    {WSAENOTCONN, "A request to send or receive data was disallowed because the socket is not "
                  "connected and (when sending on a datagram socket using a sendto call) no "
                  "address was supplied.\r\n"},
    {WSAESHUTDOWN, "A request to send or receive data was disallowed because the socket had "
                   "already been shut down in that direction with a previous shutdown "
                   "call.\r\n"},
    {WSAETIMEDOUT, "A connection attempt failed because the connected party did not properly "
                   "respond after a period of time, or established connection failed because "
                   "connected host has failed to respond.\r\n"},
    {WSAECONNREFUSED, "No connection could be made because the target machine actively "
                      "refused it.\r\n"},
    {WSAEHOSTDOWN, "A socket operation failed because the destination host was down.\r\n"},
    {WSAEHOSTUNREACH, "A socket operation was attempted to an unreachable host.\r\n"},
    {WSAHOST_NOT_FOUND, "No such host is known.\r\n"},
    {WSATRY_AGAIN, "This is usually a temporary error during hostname resolution and means "
                   "that the local server did not receive a response from an authoritative "
                   "server.\r\n"},
    {WSANO_RECOVERY, "A non-recoverable error occurred during a database lookup.\r\n"},
    {WSANO_DATA, "The requested name is valid, but no data of the requested type was "
                 "found.\r\n"},
});

// HRESULTs of other facilities than Win32, sorted by code.
constexpr auto kHResultMessages = std::to_array<MessageEntry>({
    {0x80004001, "Not implemented\r\n"},
    {0x80004002, "No such interface supported\r\n"},
    {0x80004003, "Invalid pointer\r\n"},
    {0x80004004, "Operation aborted\r\n"},
    {0x80004005, "Unspecified error\r\n"},
    {0x8000FFFF, "Catastrophic failure\r\n"},
    {0x80030001, "Unable to perform requested operation.\r\n"},
    {0x80030005, "Access Denied.\r\n"},
    {0x80030008, "There is insufficient memory available to complete operation.\r\n"},
    {0x80030019, "An error occurred during a seek operation.\r\n"},
    {0x8003001D, "A disk error occurred during a write operation.\r\n"},
    {0x8003001E, "A disk error occurred during a read operation.\r\n"},
    {0x80030070, "There is insufficient disk space to complete operation.\r\n"},
    {0x80040110, "Class does not support aggregation (or class object is remote)\r\n"},
    {0x80040111, "ClassFactory cannot supply requested class\r\n"},
    {0x80040154, "Class not registered\r\n"},
});

constexpr bool IsSorted(const auto& table) {
    return std::is_sorted(
        table.begin(), table.end(),
        [](const MessageEntry& a, const MessageEntry& b) { return a.code < b.code; });
}
static_assert(IsSorted(kWin32Messages) && IsSorted(kHResultMessages));

std::string_view Lookup(std::span<const MessageEntry> table, DWORD code) {
    auto at = std::lower_bound(table.begin(), table.end(), code,
                               [](const MessageEntry& e, DWORD c) { return e.code < c; });
    return at != table.end() && at->code == code ? at->text : std::string_view();
}

std::string ErrnoText(int error) {
    locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    if (c == locale_t(0)) {
        return {};
    }
    std::string text = strerror_l(error, c);
    freelocale(c);
    // strerror invents "Unknown error N" for values it does not know.
    return text.starts_with("Unknown error") ? std::string() : text;
}

std::string_view TrimMessage(std::string_view text) {
    while (!text.empty() && (static_cast<unsigned char>(text.back()) <= 32 || text.back() == '.')) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

std::string SystemMessageText(DWORD code) {
    constexpr DWORD kWin32Facility = 0x80070000;
    if (code >= ERROR_ERRNO_BASE && code < ERROR_ERRNO_BASE + 0x10000) {
        std::string text = ErrnoText(static_cast<int>(code - ERROR_ERRNO_BASE));
        return std::string(TrimMessage(text));
    }
    if ((code & 0xFFFF0000) == kWin32Facility) {
        return std::string(TrimMessage(Lookup(kWin32Messages, code & 0xFFFF)));
    }
    std::string_view text = Lookup(kWin32Messages, code);
    if (text.empty()) {
        text = Lookup(kHResultMessages, code);
    }
    return std::string(TrimMessage(text));
}

} // namespace win

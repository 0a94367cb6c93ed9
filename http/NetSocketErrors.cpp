#include "http/NetSocketErrors.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <netdb.h>
#include <utility>

namespace {

struct CodeText {
    int code;
    const char* text;
};

constexpr std::array kTexts{
    CodeText{10004, "Interrupted system call."},
    CodeText{10009, "Bad file number."},
    CodeText{10013, "Access denied."},
    CodeText{10014, "Buffer fault."},
    CodeText{10022, "Invalid argument."},
    CodeText{10024, "Too many open files."},
    CodeText{10035, "Operation would block."},
    CodeText{10036, "Operation now in progress."},
    CodeText{10037, "Operation already in progress."},
    CodeText{10038, "Socket operation on non-socket."},
    CodeText{10039, "Destination address required."},
    CodeText{10040, "Message too long."},
    CodeText{10041, "Protocol wrong type for socket."},
    CodeText{10042, "Bad protocol option."},
    CodeText{10043, "Protocol not supported."},
    CodeText{10044, "Socket type not supported."},
    CodeText{10045, "Operation not supported on socket."},
    CodeText{10046, "Protocol family not supported."},
    CodeText{10047, "Address family not supported by protocol family."},
    CodeText{10048, "Address already in use."},
    CodeText{10049, "Cannot assign requested address."},
    CodeText{10050, "Network is down."},
    CodeText{10051, "Network is unreachable."},
    CodeText{10052, "Net dropped connection or reset."},
    CodeText{10053, "Software caused connection abort."},
    CodeText{10054, "Connection reset by peer."},
    CodeText{10055, "No buffer space available."},
    CodeText{10056, "Socket is already connected."},
    CodeText{10057, "Socket is not connected."},
    CodeText{10058, "Cannot send or receive after socket is closed."},
    CodeText{10059, "Too many references, cannot splice."},
    CodeText{10060, "Connection timed out."},
    CodeText{10061, "Connection refused."},
    CodeText{10062, "Too many levels of symbolic links."},
    CodeText{10063, "File name too long."},
    CodeText{10064, "Host is down."},
    CodeText{10065, "No route to host."},
    CodeText{10066, "Directory not empty"},
    CodeText{11001, "Host not found."},
};

// POSIX errno → Windows sockets code, where the two name the same condition.
constexpr std::pair<int, int> kErrnoCodes[] = {
    {EINTR, 10004},           {EBADF, 10009},        {EACCES, 10013},
    {EFAULT, 10014},          {EINVAL, 10022},       {EMFILE, 10024},
    {EWOULDBLOCK, 10035},     {EINPROGRESS, 10036},  {EALREADY, 10037},
    {ENOTSOCK, 10038},        {EDESTADDRREQ, 10039}, {EMSGSIZE, 10040},
    {EPROTOTYPE, 10041},      {ENOPROTOOPT, 10042},  {EPROTONOSUPPORT, 10043},
    {ESOCKTNOSUPPORT, 10044}, {EOPNOTSUPP, 10045},   {EPFNOSUPPORT, 10046},
    {EAFNOSUPPORT, 10047},    {EADDRINUSE, 10048},   {EADDRNOTAVAIL, 10049},
    {ENETDOWN, 10050},        {ENETUNREACH, 10051},  {ENETRESET, 10052},
    {ECONNABORTED, 10053},    {ECONNRESET, 10054},   {ENOBUFS, 10055},
    {EISCONN, 10056},         {ENOTCONN, 10057},     {EPIPE, 10058},
    {ESHUTDOWN, 10058},       {ETOOMANYREFS, 10059}, {ETIMEDOUT, 10060},
    {ECONNREFUSED, 10061},    {ELOOP, 10062},        {ENAMETOOLONG, 10063},
    {EHOSTDOWN, 10064},       {EHOSTUNREACH, 10065},
};

} // namespace

std::string SocketErrorText(int code) {
    auto found = std::find_if(kTexts.begin(), kTexts.end(),
                              [code](const CodeText& entry) { return entry.code == code; });
    return found == kTexts.end() ? std::string() : std::string(found->text);
}

int SocketErrorFromErrno(int error) {
    auto found = std::find_if(std::begin(kErrnoCodes), std::end(kErrnoCodes),
                              [error](const auto& entry) { return entry.first == error; });
    return found == std::end(kErrnoCodes) ? error : found->second;
}

int SocketErrorFromLookup(int result, int error) {
    switch (result) {
    case EAI_NONAME:
    case EAI_NODATA:
    case EAI_ADDRFAMILY:
        return kWSAHOST_NOT_FOUND;
    case EAI_AGAIN:
        return kWSATRY_AGAIN;
    case EAI_MEMORY:
        return 10055;
    case EAI_FAMILY:
        return 10047;
    case EAI_SYSTEM:
        return SocketErrorFromErrno(error);
    default:
        return kWSANO_RECOVERY;
    }
}

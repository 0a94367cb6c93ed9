#pragma once
// Windows error codes and HRESULT values with their Windows names and values.
// Win32 codes are what GetLastError() returns; HRESULTs are what COM-style
// interfaces return. HRESULT_FROM_WIN32 joins the two as Windows does.

#include "platform/kernel/WinTypes.h"

namespace win {

constexpr DWORD ERROR_SUCCESS = 0;
constexpr DWORD ERROR_INVALID_FUNCTION = 1;
constexpr DWORD ERROR_FILE_NOT_FOUND = 2;
constexpr DWORD ERROR_PATH_NOT_FOUND = 3;
constexpr DWORD ERROR_TOO_MANY_OPEN_FILES = 4;
constexpr DWORD ERROR_ACCESS_DENIED = 5;
constexpr DWORD ERROR_INVALID_HANDLE = 6;
constexpr DWORD ERROR_NOT_ENOUGH_MEMORY = 8;
constexpr DWORD ERROR_OUTOFMEMORY = 14;
constexpr DWORD ERROR_NOT_SAME_DEVICE = 17;
constexpr DWORD ERROR_WRITE_PROTECT = 19;
constexpr DWORD ERROR_SHARING_VIOLATION = 32;
constexpr DWORD ERROR_LOCK_VIOLATION = 33;
constexpr DWORD ERROR_HANDLE_EOF = 38;
constexpr DWORD ERROR_HANDLE_DISK_FULL = 39;
constexpr DWORD ERROR_NOT_SUPPORTED = 50;
constexpr DWORD ERROR_FILE_EXISTS = 80;
constexpr DWORD ERROR_CANNOT_MAKE = 82;
constexpr DWORD ERROR_INVALID_PARAMETER = 87;
constexpr DWORD ERROR_BROKEN_PIPE = 109;
constexpr DWORD ERROR_OPEN_FAILED = 110;
constexpr DWORD ERROR_BUFFER_OVERFLOW = 111;
constexpr DWORD ERROR_DISK_FULL = 112;
constexpr DWORD ERROR_INSUFFICIENT_BUFFER = 122;
constexpr DWORD ERROR_INVALID_NAME = 123;
constexpr DWORD ERROR_MOD_NOT_FOUND = 126;
constexpr DWORD ERROR_PROC_NOT_FOUND = 127;
constexpr DWORD ERROR_DIR_NOT_EMPTY = 145;
constexpr DWORD ERROR_BUSY = 170;
constexpr DWORD ERROR_ALREADY_EXISTS = 183;
constexpr DWORD ERROR_FILENAME_EXCED_RANGE = 206;
constexpr DWORD ERROR_DIRECTORY = 267;
constexpr DWORD ERROR_NOT_OWNER = 288;
constexpr DWORD ERROR_IO_DEVICE = 1117;
constexpr DWORD ERROR_CANCELLED = 1223;
constexpr DWORD ERROR_TIMEOUT = 1460;
constexpr DWORD ERROR_RESOURCE_DATA_NOT_FOUND = 1812;
constexpr DWORD ERROR_RESOURCE_TYPE_NOT_FOUND = 1813;
constexpr DWORD ERROR_RESOURCE_NAME_NOT_FOUND = 1814;

// Windows sockets error codes.
constexpr DWORD WSAEINTR = 10004;
constexpr DWORD WSAEBADF = 10009;
constexpr DWORD WSAEACCES = 10013;
constexpr DWORD WSAEFAULT = 10014;
constexpr DWORD WSAEINVAL = 10022;
constexpr DWORD WSAEMFILE = 10024;
constexpr DWORD WSAEWOULDBLOCK = 10035;
constexpr DWORD WSAEINPROGRESS = 10036;
constexpr DWORD WSAEALREADY = 10037;
constexpr DWORD WSAENOTSOCK = 10038;
constexpr DWORD WSAEMSGSIZE = 10040;
constexpr DWORD WSAEAFNOSUPPORT = 10047;
constexpr DWORD WSAEADDRINUSE = 10048;
constexpr DWORD WSAEADDRNOTAVAIL = 10049;
constexpr DWORD WSAENETDOWN = 10050;
constexpr DWORD WSAENETUNREACH = 10051;
constexpr DWORD WSAENETRESET = 10052;
constexpr DWORD WSAECONNABORTED = 10053;
constexpr DWORD WSAECONNRESET = 10054;
constexpr DWORD WSAENOBUFS = 10055;
constexpr DWORD WSAEISCONN = 10056;
constexpr DWORD WSAENOTCONN = 10057;
constexpr DWORD WSAESHUTDOWN = 10058;
constexpr DWORD WSAETIMEDOUT = 10060;
constexpr DWORD WSAECONNREFUSED = 10061;
constexpr DWORD WSAEHOSTDOWN = 10064;
constexpr DWORD WSAEHOSTUNREACH = 10065;
constexpr DWORD WSAHOST_NOT_FOUND = 11001;
constexpr DWORD WSATRY_AGAIN = 11002;
constexpr DWORD WSANO_RECOVERY = 11003;
constexpr DWORD WSANO_DATA = 11004;

// errno values without a Windows counterpart are reported as this base plus the
// errno value. Bit 29 is the bit Windows leaves to applications for their own
// codes, so these never collide with a system code.
constexpr DWORD ERROR_ERRNO_BASE = 0x20000000;

constexpr HRESULT MakeHResult(DWORD value) {
    return static_cast<HRESULT>(value);
}

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = MakeHResult(0x80004001);
constexpr HRESULT E_NOINTERFACE = MakeHResult(0x80004002);
constexpr HRESULT E_POINTER = MakeHResult(0x80004003);
constexpr HRESULT E_ABORT = MakeHResult(0x80004004);
constexpr HRESULT E_FAIL = MakeHResult(0x80004005);
constexpr HRESULT E_UNEXPECTED = MakeHResult(0x8000FFFF);
constexpr HRESULT E_ACCESSDENIED = MakeHResult(0x80070005);
constexpr HRESULT E_HANDLE = MakeHResult(0x80070006);
constexpr HRESULT E_OUTOFMEMORY = MakeHResult(0x8007000E);
constexpr HRESULT E_INVALIDARG = MakeHResult(0x80070057);
constexpr HRESULT STG_E_INVALIDFUNCTION = MakeHResult(0x80030001);
constexpr HRESULT STG_E_ACCESSDENIED = MakeHResult(0x80030005);
constexpr HRESULT STG_E_INSUFFICIENTMEMORY = MakeHResult(0x80030008);
constexpr HRESULT STG_E_WRITEFAULT = MakeHResult(0x8003001D);
constexpr HRESULT STG_E_READFAULT = MakeHResult(0x8003001E);
constexpr HRESULT STG_E_SEEKERROR = MakeHResult(0x80030019);
constexpr HRESULT STG_E_MEDIUMFULL = MakeHResult(0x80030070);
constexpr HRESULT CLASS_E_NOAGGREGATION = MakeHResult(0x80040110);
constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = MakeHResult(0x80040111);
constexpr HRESULT REGDB_E_CLASSNOTREG = MakeHResult(0x80040154);

constexpr DWORD FACILITY_WIN32 = 7;

constexpr HRESULT HRESULT_FROM_WIN32(DWORD code) {
    return static_cast<HRESULT>(code) <= 0
               ? static_cast<HRESULT>(code)
               : static_cast<HRESULT>((code & 0x0000FFFF) | (FACILITY_WIN32 << 16) | 0x80000000);
}

} // namespace win

#pragma once
// The object model's base types as the 7-Zip library lays them out in memory:
// 16-byte GUIDs, length-prefixed wide strings (BSTR, UTF-32 wchar_t here) that
// the library allocates and frees itself, 16-byte property variants and IUnknown.

#include "platform/kernel/WinError.h"
#include "platform/kernel/WinTypes.h"

#include <cstdint>

// Objects made by the library carry the library's own run-time type information,
// which the sanitizer's dynamic type check cannot match with the declarations
// here: calls into them are held to the binary contract instead, so functions
// that call library objects are exempt from that one check.
#define SEVENZIP_CALLS_LIBRARY_OBJECTS __attribute__((no_sanitize("vptr")))

namespace archive {

using win::HRESULT;
using win::ULONG;
using PROPID = std::uint32_t;
using BSTR = wchar_t*;

struct TGUID {
    std::uint32_t D1 = 0;
    std::uint16_t D2 = 0;
    std::uint16_t D3 = 0;
    std::uint8_t D4[8] = {};
    friend bool operator==(const TGUID&, const TGUID&) = default;
};
static_assert(sizeof(TGUID) == 16);

// The library's interface and class ids share one prefix and differ in a group
// byte and an item byte: {23170F69-40C1-278A-0000-000<group>00<item>0000}.
constexpr TGUID SevenZipInterfaceId(std::uint8_t group, std::uint8_t item) {
    return TGUID{0x23170F69, 0x40C1, 0x278A, {0x00, 0x00, 0x00, group, 0x00, item, 0x00, 0x00}};
}

using VARTYPE = std::uint16_t;
constexpr VARTYPE VT_EMPTY = 0;
constexpr VARTYPE VT_NULL = 1;
constexpr VARTYPE VT_I2 = 2;
constexpr VARTYPE VT_I4 = 3;
constexpr VARTYPE VT_BSTR = 8;
constexpr VARTYPE VT_BOOL = 11;
constexpr VARTYPE VT_I1 = 16;
constexpr VARTYPE VT_UI1 = 17;
constexpr VARTYPE VT_UI2 = 18;
constexpr VARTYPE VT_UI4 = 19;
constexpr VARTYPE VT_I8 = 20;
constexpr VARTYPE VT_UI8 = 21;
constexpr VARTYPE VT_INT = 22;
constexpr VARTYPE VT_UINT = 23;
constexpr VARTYPE VT_FILETIME = 64;

struct PROPVARIANT {
    VARTYPE vt = VT_EMPTY;
    std::uint16_t wReserved1 = 0;
    std::uint16_t wReserved2 = 0;
    std::uint16_t wReserved3 = 0;
    union {
        std::int8_t cVal;
        std::uint8_t bVal;
        std::int16_t iVal;
        std::uint16_t uiVal;
        std::int32_t lVal;
        std::uint32_t ulVal;
        std::int64_t hVal;
        std::uint64_t uhVal;
        std::int16_t boolVal; // VARIANT_BOOL: -1 true, 0 false
        BSTR bstrVal;
    };
    PROPVARIANT() : uhVal(0) {}
};
static_assert(sizeof(PROPVARIANT) == 16);

// The library's build has no virtual destructor in IUnknown: every vtable is
// QueryInterface, AddRef, Release, then the interface's own methods. Objects are
// destroyed only by Release, so the destructor is protected and not virtual.
class IUnknown {
public:
    virtual HRESULT QueryInterface(const TGUID& iid, void** outObject) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    ~IUnknown() = default;
};

} // namespace archive

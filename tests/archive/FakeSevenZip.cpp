// Stand-ins for a library file that is not the 7-Zip library, or only part of
// it: which entry points exist, and what they answer, is chosen at build time.

#include "archive/SevenZipTypes.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#define FAKE_EXPORT extern "C" __attribute__((visibility("default")))

using archive::BSTR;
using archive::PROPVARIANT;
using archive::TGUID;

FAKE_EXPORT int FakeLibraryMarker() {
    return 1;
}

#ifdef FAKE_OBJECT_MODEL
// A library object factory that answers S_FALSE and creates nothing.
FAKE_EXPORT std::int32_t CreateObject(const TGUID*, const TGUID*, void** outObject) {
    *outObject = nullptr;
    return 1;
}

FAKE_EXPORT BSTR SysAllocStringLen(const wchar_t* text, std::uint32_t length) {
    auto* block = static_cast<std::uint32_t*>(
        std::malloc(sizeof(std::uint32_t) + (length + 1) * sizeof(wchar_t)));
    block[0] = length * sizeof(wchar_t);
    auto* chars = reinterpret_cast<wchar_t*>(block + 1);
    if (text != nullptr)
        std::memcpy(chars, text, length * sizeof(wchar_t));
    chars[length] = 0;
    return chars;
}

FAKE_EXPORT void SysFreeString(BSTR text) {
    if (text != nullptr)
        std::free(reinterpret_cast<std::uint32_t*>(text) - 1);
}

FAKE_EXPORT std::uint32_t SysStringByteLen(BSTR text) {
    return text == nullptr ? 0 : reinterpret_cast<std::uint32_t*>(text)[-1];
}

FAKE_EXPORT std::int32_t GetModuleProp(archive::PROPID propID, PROPVARIANT* value) {
    if (propID == 0) {
        value->vt = 19; // VT_UI4
        value->ulVal = FAKE_INTERFACE_TYPE;
    }
    return 0;
}
#endif

#ifdef FAKE_HANDLER_PROPERTY
// Answers E_INVALIDARG for every property.
FAKE_EXPORT std::int32_t GetHandlerProperty(archive::PROPID, PROPVARIANT*) {
    return static_cast<std::int32_t>(0x80070057);
}
#endif

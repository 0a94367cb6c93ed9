// Stand-ins for a library file that is not the 7-Zip library, or only part of
// it: which entry points exist, and what they answer, is chosen at build time.

#include <cstdint>
#include <cstdlib>
#include <cstring>

#define FAKE_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

struct Variant {
    std::uint16_t vt, r1, r2, r3;
    std::uint64_t value;
};

} // namespace

FAKE_EXPORT int FakeLibraryMarker() {
    return 1;
}

#ifdef FAKE_OBJECT_MODEL
// A library object factory that answers S_FALSE and creates nothing.
FAKE_EXPORT std::int32_t CreateObject(const void*, const void*, void** outObject) {
    *outObject = nullptr;
    return 1;
}

FAKE_EXPORT wchar_t* SysAllocStringLen(const wchar_t* text, std::uint32_t length) {
    auto* block = static_cast<std::uint32_t*>(
        std::malloc(sizeof(std::uint32_t) + (length + 1) * sizeof(wchar_t)));
    block[0] = length * sizeof(wchar_t);
    auto* chars = reinterpret_cast<wchar_t*>(block + 1);
    if (text != nullptr)
        std::memcpy(chars, text, length * sizeof(wchar_t));
    chars[length] = 0;
    return chars;
}

FAKE_EXPORT void SysFreeString(wchar_t* text) {
    if (text != nullptr)
        std::free(reinterpret_cast<std::uint32_t*>(text) - 1);
}

FAKE_EXPORT std::uint32_t SysStringByteLen(wchar_t* text) {
    return text == nullptr ? 0 : reinterpret_cast<std::uint32_t*>(text)[-1];
}

FAKE_EXPORT std::int32_t GetModuleProp(std::uint32_t propID, Variant* value) {
    if (propID == 0) {
        value->vt = 19; // VT_UI4
        value->value = FAKE_INTERFACE_TYPE;
    }
    return 0;
}
#endif

#ifdef FAKE_HANDLER_PROPERTY
// Answers E_INVALIDARG for every property.
FAKE_EXPORT std::int32_t GetHandlerProperty(std::uint32_t, Variant*) {
    return static_cast<std::int32_t>(0x80070057);
}
#endif

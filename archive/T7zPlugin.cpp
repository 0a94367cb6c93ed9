#include "archive/T7zPlugin.h"

#include "archive/ResultCode.h"
#include "framework/Exception.h"
#include "framework/Format.h"

namespace archive {

namespace {

using GetModulePropFunc = HRESULT (*)(PROPID propID, PROPVARIANT* value);

// GetModuleProp's property for the interface type: 0 is the layout without a
// virtual destructor in IUnknown, the only one this binding's vtables match.
constexpr PROPID kModuleInterfaceType = 0;
constexpr std::uint32_t kInterfaceTypeWithoutVirtualDestructor = 0;

template <class F> F As(win::FARPROC address) {
    return reinterpret_cast<F>(address);
}

} // namespace

T7zPlugin::T7zPlugin(const std::string& lib) {
    FHandle = win::LoadLibrary(lib);
    if (FHandle == nullptr)
        fw::RaiseFmt<fw::Exception>("Error loading library %s", lib);
    FCreateObject = As<CreateObjectFunc>(Export("CreateObject"));
    FSysAllocStringLen = As<SysAllocStringLenFunc>(Export("SysAllocStringLen"));
    FSysFreeString = As<SysFreeStringFunc>(Export("SysFreeString"));
    FSysStringByteLen = As<SysStringByteLenFunc>(Export("SysStringByteLen"));
    if (FCreateObject == nullptr || FSysAllocStringLen == nullptr || FSysFreeString == nullptr ||
        FSysStringByteLen == nullptr)
        RefuseLibrary(lib, "%s is not a 7z library");
    CheckObjectLayout(lib);
}

T7zPlugin::~T7zPlugin() {
    if (FHandle != nullptr)
        win::FreeLibrary(FHandle);
}

void T7zPlugin::CheckObjectLayout(const std::string& lib) {
    auto getModuleProp = As<GetModulePropFunc>(Export("GetModuleProp"));
    if (getModuleProp == nullptr)
        RefuseLibrary(lib, "%s does not report the layout of its objects");
    PROPVARIANT type;
    const HRESULT result = getModuleProp(kModuleInterfaceType, &type);
    const bool supported = result == win::S_OK && type.vt == VT_UI4 &&
                           type.ulVal == kInterfaceTypeWithoutVirtualDestructor;
    const std::uint32_t reported = type.vt == VT_UI4 ? type.ulVal : 0;
    ClearVariant(type);
    if (!supported)
        RefuseLibrary(
            lib, fw::Format("%%s uses an unsupported object layout (interface type %u)", reported));
}

void T7zPlugin::RefuseLibrary(const std::string& lib, std::string_view message) {
    win::FreeLibrary(FHandle);
    FHandle = nullptr;
    fw::RaiseFmt<fw::Exception>(message, lib);
}

void T7zPlugin::CreateObject(const TGUID& clsid, const TGUID& iid, void** obj) {
    RequireSucceeded(FCreateObject(&clsid, &iid, obj));
}

BSTR T7zPlugin::AllocString(std::wstring_view text) const {
    BSTR result = FSysAllocStringLen(text.data(), static_cast<std::uint32_t>(text.size()));
    if (result == nullptr)
        throw fw::EOutOfMemory("Out of memory");
    return result;
}

void T7zPlugin::FreeString(BSTR text) const {
    FSysFreeString(text);
}

std::uint32_t T7zPlugin::StringByteLength(BSTR text) const {
    return text == nullptr ? 0 : FSysStringByteLen(text);
}

void T7zPlugin::ClearVariant(PROPVARIANT& value) const {
    if (value.vt == VT_BSTR)
        FSysFreeString(value.bstrVal);
    value = PROPVARIANT();
}

} // namespace archive

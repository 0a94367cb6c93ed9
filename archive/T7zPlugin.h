#pragma once
// T7zPlugin: the loaded library file, its object factory and the string functions
// of its object model. Either fully constructed (library loaded, entry points
// found, object layout checked) or not at all: every failure releases the module
// before raising.

#include "archive/InterfacedObject.h"
#include "platform/kernel/Library.h"

#include <string>
#include <string_view>

namespace archive {

class T7zPlugin : public TInterfacedObject {
public:
    // Raises "Error loading library %s", "%s is not a 7z library", or an error
    // naming the library when its objects use another vtable layout.
    explicit T7zPlugin(const std::string& lib);
    ~T7zPlugin() override;

    // Creates a library object; only a negative result raises (S_FALSE passes).
    void CreateObject(const TGUID& clsid, const TGUID& iid, void** obj);

    // Strings handed to the library must come from its own allocator, and strings
    // it hands out must go back to it.
    BSTR AllocString(std::wstring_view text) const;
    void FreeString(BSTR text) const;
    std::uint32_t StringByteLength(BSTR text) const;
    // Releases what a property variant filled by the library holds.
    void ClearVariant(PROPVARIANT& value) const;

    win::HMODULE Handle() const { return FHandle; }

protected:
    // An entry point of the library, or nullptr when it has none.
    win::FARPROC Export(const char* name) const { return win::GetProcAddress(FHandle, name); }
    // Releases the module and raises message with %s replaced by the library name.
    [[noreturn]] void RefuseLibrary(const std::string& lib, std::string_view message);

private:
    void CheckObjectLayout(const std::string& lib);

    using CreateObjectFunc = HRESULT (*)(const TGUID* clsid, const TGUID* iid, void** outObject);
    using SysAllocStringLenFunc = BSTR (*)(const wchar_t* text, std::uint32_t length);
    using SysFreeStringFunc = void (*)(BSTR text);
    using SysStringByteLenFunc = std::uint32_t (*)(BSTR text);

    win::HMODULE FHandle = nullptr;
    CreateObjectFunc FCreateObject = nullptr;
    SysAllocStringLenFunc FSysAllocStringLen = nullptr;
    SysFreeStringFunc FSysFreeString = nullptr;
    SysStringByteLenFunc FSysStringByteLen = nullptr;
};

} // namespace archive

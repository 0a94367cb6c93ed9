#include "platform/kernel/Resource.h"

#include "platform/kernel/Module.h"
#include "platform/kernel/SystemMessage.h"

#include <span>

namespace {

// One entry of the table that the generated assembly of each executable places in
// the section "telvora_resources" (see cmake/TelvoraResources.cmake); the linker
// gathers all entries between __start_ and __stop_ of that section.
struct ResourceRecord {
    const char* type;
    const char* name;
    const unsigned char* begin;
    const unsigned char* end;
};

} // namespace

// Weak: an executable without resources has no such section, and the bounds are null.
extern "C" {
extern const ResourceRecord __start_telvora_resources[] __attribute__((weak, visibility("hidden")));
extern const ResourceRecord __stop_telvora_resources[] __attribute__((weak, visibility("hidden")));
}

namespace win {

namespace {

std::span<const ResourceRecord> ResourceTable() {
    if (__start_telvora_resources == nullptr || __stop_telvora_resources == nullptr) {
        return {};
    }
    return {__start_telvora_resources, __stop_telvora_resources};
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

const ResourceRecord* RecordOf(const void* handle) {
    return static_cast<const ResourceRecord*>(handle);
}

bool IsOwnModule(HMODULE module) {
    return module == nullptr || module == GetModuleHandle(nullptr);
}

} // namespace

HRSRC FindResource(HMODULE module, std::string_view name, std::string_view type) {
    if (!IsOwnModule(module)) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return nullptr;
    }
    bool typeFound = false;
    for (const ResourceRecord& record : ResourceTable()) {
        if (!EqualsIgnoringCase(record.type, type)) {
            continue;
        }
        typeFound = true;
        if (EqualsIgnoringCase(record.name, name)) {
            return reinterpret_cast<HRSRC>(const_cast<ResourceRecord*>(&record));
        }
    }
    SetLastError(typeFound ? ERROR_RESOURCE_NAME_NOT_FOUND : ERROR_RESOURCE_TYPE_NOT_FOUND);
    return nullptr;
}

HGLOBAL LoadResource(HMODULE module, HRSRC resource) {
    if (!IsOwnModule(module) || resource == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return resource;
}

DWORD SizeofResource(HMODULE module, HRSRC resource) {
    if (!IsOwnModule(module) || resource == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    const ResourceRecord* record = RecordOf(resource);
    return static_cast<DWORD>(record->end - record->begin);
}

const void* LockResource(HGLOBAL loaded) {
    return loaded == nullptr ? nullptr : RecordOf(loaded)->begin;
}

BOOL FreeResource(HGLOBAL) {
    return FALSE; // Windows' FreeResource returns FALSE: there is nothing to free.
}

} // namespace win

#pragma once
// T7zArchive: the format-handler layer. Holds the class id of the format handler
// to create and reads the library's handler properties.

#include "archive/PropVariant.h"
#include "archive/T7zPlugin.h"

#include <string>

namespace archive {

class T7zArchive : public T7zPlugin {
public:
    // Raises the T7zPlugin errors, or "%s is not a Format library" for a library
    // without "GetHandlerProperty" (after releasing it).
    explicit T7zArchive(const std::string& lib);

    // Only a negative result raises. The call carries just the property id.
    TPropVariant GetHandlerProperty(NArchive propID) const;
    std::string GetLibStringProperty(NArchive index) const;
    // The 16 GUID bytes of a string-valued property, in memory order.
    TGUID GetLibGUIDProperty(NArchive index) const;

    std::string Name() const { return GetLibStringProperty(NArchive::kName); }
    std::string Extension() const { return GetLibStringProperty(NArchive::kExtension); }
    TGUID ClassID() const { return FClassId; }
    void SetClassID(const TGUID& classId) { FClassId = classId; }

private:
    using GetHandlerPropertyFunc = HRESULT (*)(PROPID propID, PROPVARIANT* value);

    GetHandlerPropertyFunc FGetHandlerProperty = nullptr;
    TGUID FClassId;
};

} // namespace archive

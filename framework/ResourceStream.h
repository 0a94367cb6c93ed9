#pragma once
// A read-only stream over one of the program's own resources, found by name and
// type. The bytes are the resource's own, not a copy.

#include "framework/CustomMemoryStream.h"
#include "platform/kernel/WinTypes.h"

#include <string>

namespace fw {

class TResourceStream : public TCustomMemoryStream {
    FW_CLASS(TResourceStream, TCustomMemoryStream)

    // Raises EResNotFound "Resource %s not found" when there is no such resource.
    TResourceStream(win::HINSTANCE instance, const std::string& name, const std::string& type);

    // Raises EStreamError "Can't write to a read-only resource stream".
    std::int64_t Write(const void* buffer, std::int64_t count) override;
};

} // namespace fw

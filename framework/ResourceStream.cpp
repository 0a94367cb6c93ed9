#include "framework/ResourceStream.h"

#include "framework/ClassBuilder.h"
#include "framework/Exception.h"
#include "platform/kernel/Resource.h"

namespace fw {

const TClassInfo& TResourceStream::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TResourceStream, TCustomMemoryStream>("TResourceStream").Build();
    return info;
}

TResourceStream::TResourceStream(win::HINSTANCE instance, const std::string& name,
                                 const std::string& type) {
    const win::HRSRC resource = win::FindResource(instance, name, type);
    if (!resource)
        RaiseFmt<EResNotFound>("Resource %s not found", name);
    const win::HGLOBAL loaded = win::LoadResource(instance, resource);
    SetPointer(win::LockResource(loaded), win::SizeofResource(instance, resource));
}

std::int64_t TResourceStream::Write(const void*, std::int64_t) {
    throw EStreamError("Can't write to a read-only resource stream");
}

} // namespace fw

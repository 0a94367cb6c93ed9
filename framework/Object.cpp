#include "framework/Object.h"

#include "framework/ClassBuilder.h"

namespace fw {

const TClassInfo& TObject::StaticClass() {
    static const TClassInfo info = TClassBuilder<TObject, void>("TObject").Build();
    return info;
}

} // namespace fw

#include "framework/Persistent.h"

#include "framework/ClassBuilder.h"
#include "framework/Exception.h"

namespace fw {

const TClassInfo& TPersistent::StaticClass() {
    static const TClassInfo info = TClassBuilder<TPersistent, TObject>("TPersistent").Build();
    return info;
}

void TPersistent::Assign(const TPersistent& source) {
    source.AssignTo(*this);
}

void TPersistent::AssignTo(TPersistent& dest) const {
    RaiseFmt<EConvertError>("Cannot assign a %s to a %s", ClassName(), dest.ClassName());
}

} // namespace fw

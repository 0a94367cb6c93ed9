#pragma once
// An object whose state can be copied from another with Assign.

#include "framework/Object.h"

namespace fw {

class TPersistent : public TObject {
    FW_CLASS(TPersistent, TObject)

    // Copies source's state. A class that does not know source hands the work to
    // source's AssignTo; when neither knows the other, EConvertError
    // "Cannot assign a %s to a %s" is raised.
    virtual void Assign(const TPersistent& source);

protected:
    virtual void AssignTo(TPersistent& dest) const;
};

} // namespace fw

#pragma once
// The root of the framework's class tree. Framework objects are reference-like:
// they are never copied, only owned, borrowed or assigned through Assign.

namespace fw {

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;
};

} // namespace fw

#pragma once
// The root of the framework's class tree. Framework objects are reference-like:
// they are never copied, only owned, borrowed or assigned through Assign.
//
// Every class that wants its own name and published properties at run time
// declares itself with FW_CLASS(Name, Parent) in its body and defines
// Name::StaticClass() with a TClassBuilder (see ClassBuilder.h).

#include "framework/ClassInfo.h"

#include <string>

namespace fw {

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    static const TClassInfo& StaticClass();
    virtual const TClassInfo& ClassType() const { return StaticClass(); }
    const std::string& ClassName() const { return ClassType().ClassName(); }
    bool InheritsFrom(const TClassInfo& info) const { return ClassType().InheritsFrom(info); }
};

} // namespace fw

// Declares a class's run-time identity; leaves the class body in "public:".
#define FW_CLASS(name, parent)                                                                     \
public:                                                                                            \
    using inherited = parent;                                                                      \
    static const ::fw::TClassInfo& StaticClass();                                                  \
    const ::fw::TClassInfo& ClassType() const override {                                           \
        return StaticClass();                                                                      \
    }

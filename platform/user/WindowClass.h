#pragma once
// A registered window class and the table that finds classes by name, without
// regard to case, as RegisterClass and CreateWindowEx do.

#include "platform/user/UserTypes.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace win {

class WindowClass {
public:
    WindowClass(const WNDCLASS& description, ATOM atom);

    const std::string& Name() const { return name_; }
    ATOM Atom() const { return atom_; }
    const WNDCLASS& Description() const { return description_; }
    WNDCLASS& Description() { return description_; }
    HICON SmallIcon() const { return smallIcon_; }
    void SetSmallIcon(HICON icon) { smallIcon_ = icon; }

private:
    std::string name_;
    ATOM atom_;
    WNDCLASS description_;
    HICON smallIcon_ = nullptr;
};

class ClassTable {
public:
    // Fails (0) when a class of that name is registered for the same instance.
    ATOM Register(const WNDCLASS& description);
    bool Unregister(std::string_view name, HINSTANCE instance);
    std::shared_ptr<WindowClass> Find(std::string_view name) const;

private:
    std::vector<std::shared_ptr<WindowClass>> classes_;
};

// Class names may be passed as MAKEINTATOM values, as Windows allows.
std::string ClassNameArgument(const char* name);

} // namespace win

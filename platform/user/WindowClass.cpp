#include "platform/user/WindowClass.h"

#include "platform/user/Atoms.h"

#include <algorithm>
#include <strings.h>

namespace win {

namespace {

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

} // namespace

WindowClass::WindowClass(const WNDCLASS& description, ATOM atom)
    : name_(description.lpszClassName), atom_(atom), description_(description) {
    // The stored description must not point into the caller's strings.
    description_.lpszClassName = name_.c_str();
    description_.lpszMenuName = nullptr;
}

ATOM ClassTable::Register(const WNDCLASS& description) {
    if (description.lpszClassName == nullptr || description.lpfnWndProc == nullptr)
        return 0;
    const std::string name = ClassNameArgument(description.lpszClassName);
    if (name.empty())
        return 0;
    auto clash = std::find_if(classes_.begin(), classes_.end(), [&](const auto& c) {
        return SameName(c->Name(), name) && c->Description().hInstance == description.hInstance;
    });
    if (clash != classes_.end())
        return 0;
    WNDCLASS stored = description;
    stored.lpszClassName = name.c_str();
    const ATOM atom = GlobalAddAtom(name.c_str());
    classes_.push_back(std::make_shared<WindowClass>(stored, atom));
    return atom;
}

bool ClassTable::Unregister(std::string_view name, HINSTANCE instance) {
    auto it = std::find_if(classes_.begin(), classes_.end(), [&](const auto& c) {
        return SameName(c->Name(), name) && c->Description().hInstance == instance;
    });
    if (it == classes_.end())
        return false;
    // Windows of the class keep their shared reference until they are destroyed.
    classes_.erase(it);
    return true;
}

std::shared_ptr<WindowClass> ClassTable::Find(std::string_view name) const {
    // The most recently registered class of a name wins, as application classes
    // shadow system classes of the same name.
    for (auto it = classes_.rbegin(); it != classes_.rend(); ++it)
        if (SameName((*it)->Name(), name))
            return *it;
    return nullptr;
}

std::string ClassNameArgument(const char* name) {
    const auto value = reinterpret_cast<std::uintptr_t>(name);
    if (value == 0)
        return {};
    if (value <= 0xFFFF) {
        char buffer[256] = {};
        const UINT length = GlobalGetAtomName(static_cast<ATOM>(value), buffer, sizeof buffer);
        return std::string(buffer, length);
    }
    return name;
}

} // namespace win

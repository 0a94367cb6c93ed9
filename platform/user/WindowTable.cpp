#include "platform/user/WindowTable.h"

namespace win {

Window& WindowTable::Add(std::unique_ptr<Window> window) {
    const std::uintptr_t key = next_;
    next_ += 2;
    window->handle = reinterpret_cast<HWND>(key);
    Window& added = *window;
    windows_.emplace(key, std::move(window));
    return added;
}

Window* WindowTable::Find(HWND handle) const {
    auto found = windows_.find(reinterpret_cast<std::uintptr_t>(handle));
    return found == windows_.end() ? nullptr : found->second.get();
}

void WindowTable::Remove(HWND handle) {
    windows_.erase(reinterpret_cast<std::uintptr_t>(handle));
}

} // namespace win

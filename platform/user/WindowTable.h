#pragma once
// Owns every window object and maps handles to them. Handles are never reused
// while the process runs, so a stale HWND finds nothing instead of a stranger.

#include "platform/user/Window.h"

#include <cstdint>
#include <memory>
#include <unordered_map>

namespace win {

class WindowTable {
public:
    Window& Add(std::unique_ptr<Window> window);
    Window* Find(HWND handle) const;
    // Destroys the object; the caller has already unlinked it from the tree.
    void Remove(HWND handle);
    std::size_t Count() const { return windows_.size(); }

private:
    std::unordered_map<std::uintptr_t, std::unique_ptr<Window>> windows_;
    std::uintptr_t next_ = 0x10010;
};

} // namespace win

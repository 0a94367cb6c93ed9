#include "platform/backend/StartDisplay.h"

#include "platform/backend/sdl/SdlBackend.h"
#include "platform/user/Desktop.h"

#include <cstdlib>
#include <stdexcept>

namespace win {

bool StartDisplay() {
    const bool screenNamed =
        std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr;
    if (!screenNamed)
        return false;
    try {
        InstallBackend(std::make_unique<sdl::SdlBackend>());
        return true;
    } catch (const std::runtime_error&) {
        return false; // the display named could not be opened: run without one
    }
}

} // namespace win

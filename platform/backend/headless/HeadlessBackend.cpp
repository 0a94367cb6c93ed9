#include "platform/backend/headless/HeadlessBackend.h"

#include <stdexcept>

namespace win::headless {

void HeadlessBackend::PumpEvents(DWORD timeout) {
    if (clock_ == nullptr) {
        NoDisplayBackend::PumpEvents(timeout);
        return;
    }
    // Nothing outside the test can bring input: a wait with no timer due
    // would never end, which is a fault of the test, not a hang to sit in.
    if (timeout == INFINITE)
        throw std::logic_error(
            "headless display: the loop would wait forever (no message, input or timer pending)");
    clock_->Advance(timeout);
}

} // namespace win::headless

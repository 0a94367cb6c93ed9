#pragma once
// The display without a screen: surfaces stay in memory, input is injected at
// screen coordinates, and with a test clock every wait of the loop moves the
// clock instead of sleeping, so timers fire deterministically and at once.

#include "platform/backend/headless/TestClock.h"
#include "platform/user/NoDisplayBackend.h"

namespace win::headless {

class HeadlessBackend final : public NoDisplayBackend {
public:
    // `clock` may be null (real time); otherwise it is borrowed and must
    // outlive the backend (TestDisplay::Install arranges that).
    HeadlessBackend(RECT screen, TestClock* clock) : NoDisplayBackend(screen), clock_(clock) {}

    void PumpEvents(DWORD timeout) override;

private:
    TestClock* clock_;
};

} // namespace win::headless

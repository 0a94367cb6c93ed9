#pragma once
// The backend without a display: surfaces stay in memory, input comes only from
// Inject* calls, waiting is a plain timed wait that Wake ends.

#include "platform/user/Backend.h"

#include <condition_variable>
#include <mutex>

namespace win {

class NoDisplayBackend : public Backend {
public:
    explicit NoDisplayBackend(RECT screen = RECT{0, 0, 1024, 768}) : screen_(screen) {}

    RECT ScreenRect() const override { return screen_; }
    void PumpEvents(DWORD timeout) override;
    void Wake() override;

private:
    RECT screen_;
    std::mutex mutex_;
    std::condition_variable woken_;
    bool wakePending_ = false;
};

} // namespace win

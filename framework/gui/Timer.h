#pragma once
// A component that runs OnTimer every Interval milliseconds while Enabled.
// Enabling an enabled timer changes nothing: its count goes on undisturbed.

#include "framework/Component.h"
#include "framework/NotifyEvent.h"
#include "platform/user/WinUser.h"

namespace fw {

class TTimer : public TComponent {
    FW_CLASS(TTimer, TComponent)

    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);
    unsigned Interval() const { return FInterval; }
    void SetInterval(unsigned interval);
    const TNotifyEvent& OnTimer() const { return FOnTimer; }
    void SetOnTimer(TNotifyEvent handler);

    void Loaded() override;

private:
    // Starts or stops the platform timer to match the properties.
    void UpdateTimer();
    void KillPlatformTimer();
    static void TimerProc(win::HWND, win::UINT, std::uintptr_t id, win::DWORD);

    bool FEnabled = true;
    unsigned FInterval = 1000;
    TNotifyEvent FOnTimer;
    win::UINT_PTR FTimerId = 0;
};

} // namespace fw

#include "framework/gui/Timer.h"

#include "framework/ClassBuilder.h"
#include "framework/gui/Application.h"

#include <unordered_map>

namespace fw {

namespace {

// Thread timers carry no object; their ids lead back to the timer components.
std::unordered_map<win::UINT_PTR, TTimer*>& RunningTimers() {
    static std::unordered_map<win::UINT_PTR, TTimer*> timers;
    return timers;
}

} // namespace

const TClassInfo& TTimer::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TTimer, TComponent>("TTimer")
            .Property("Enabled", &TTimer::Enabled, &TTimer::SetEnabled)
            .Property("Interval", &TTimer::Interval, &TTimer::SetInterval)
            .Property("OnTimer", &TTimer::OnTimer, &TTimer::SetOnTimer)
            .Build();
    return info;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {}

TTimer::~TTimer() {
    KillPlatformTimer();
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled == FEnabled)
        return;
    FEnabled = enabled;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned interval) {
    if (interval == FInterval)
        return;
    FInterval = interval;
    UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
    FOnTimer = std::move(handler);
    UpdateTimer();
}

void TTimer::Loaded() {
    TComponent::Loaded();
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    KillPlatformTimer();
    // A timer being read from a definition starts once all its properties are in.
    if (ComponentState().Contains(TComponentStateItem::csLoading))
        return;
    if (!FEnabled || FInterval == 0 || !FOnTimer)
        return;
    FTimerId = win::SetTimer(nullptr, 0, FInterval, TimerProc);
    if (FTimerId)
        RunningTimers()[FTimerId] = this;
}

void TTimer::KillPlatformTimer() {
    if (!FTimerId)
        return;
    win::KillTimer(nullptr, FTimerId);
    RunningTimers().erase(FTimerId);
    FTimerId = 0;
}

void TTimer::TimerProc(win::HWND, win::UINT, std::uintptr_t id, win::DWORD) {
    const auto found = RunningTimers().find(id);
    if (found == RunningTimers().end())
        return;
    TTimer& timer = *found->second;
    // A copy, since the handler may free its timer or replace the handler.
    const TNotifyEvent handler = timer.FOnTimer;
    try {
        handler(&timer);
    } catch (...) {
        Application().HandleException(&timer);
    }
}

} // namespace fw

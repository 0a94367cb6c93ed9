// The hint half of TApplication: which control's hint waits or shows, the two
// timers of the application's window (show, then hide), and the hint window.

#include "framework/gui/Application.h"
#include "framework/gui/Control.h"
#include "framework/gui/HintWindow.h"
#include "platform/gdi/SystemMetrics.h"
#include "platform/user/Rects.h"

namespace fw {

namespace {

constexpr win::UINT_PTR kShowTimer = 1;
constexpr win::UINT_PTR kHideTimer = 2;
// How far below the cursor's hot spot a hint starts: clear of the arrow.
constexpr int kBelowCursor = 20;

// The control whose hint applies: the nearest, from control up, with ShowHint.
TControl* HintSource(TControl* control) {
    while (control && !control->ShowHint())
        control = control->Parent();
    return control;
}

// The short hint: the text before "|" (the long one after it is for status lines).
std::string ShortHint(const std::string& hint) {
    return hint.substr(0, hint.find('|'));
}

} // namespace

void TApplication::SetShowHint(bool showHint) {
    FShowHint = showHint;
    if (!showHint)
        CancelHint();
}

THintWindow& TApplication::HintWindow() {
    if (!FHintWindow)
        FHintWindow = new THintWindow(this);
    return *FHintWindow;
}

void TApplication::HintMouseMessage(TControl* control) {
    TControl* source = FShowHint ? HintSource(control) : nullptr;
    if (source == FHintControl)
        return;
    const bool showing = FHintWindow && FHintWindow->Showing();
    SetComponentReference(*this, FHintControl, source);
    StopHintTimers();
    HideHintWindow();
    if (FHintControl)
        // From one hint straight to the next one, without the long wait.
        StartHintTimer(kShowTimer, showing ? FHintShortPause : FHintPause);
}

void TApplication::CancelHint() {
    SetComponentReference<TControl>(*this, FHintControl, nullptr);
    StopHintTimers();
    HideHintWindow();
}

void TApplication::StartHintTimer(win::UINT_PTR timer, int milliseconds) {
    win::SetTimer(Handle(), timer, static_cast<win::UINT>(std::max(milliseconds, 1)), nullptr);
}

void TApplication::StopHintTimers() {
    if (!FHandle)
        return;
    win::KillTimer(FHandle, kShowTimer);
    win::KillTimer(FHandle, kHideTimer);
}

void TApplication::HintTimerExpired(win::UINT_PTR timer) {
    win::KillTimer(Handle(), timer);
    if (timer == kShowTimer)
        ShowHintNow();
    else if (timer == kHideTimer)
        HideHintWindow();
}

void TApplication::ShowHintNow() {
    if (!FHintControl)
        return;
    const std::string hint = ShortHint(FHintControl->Hint());
    if (hint.empty())
        return;
    win::POINT cursor{0, 0};
    win::GetCursorPos(&cursor);
    THintWindow& window = HintWindow();
    window.SetColor(FHintColor);
    win::RECT rect = window.CalcHintRect(win::GetSystemMetrics(win::SM_CXSCREEN), hint);
    win::OffsetRect(&rect, cursor.x, cursor.y + kBelowCursor);
    window.ActivateHint(rect, hint);
    StartHintTimer(kHideTimer, FHintHidePause);
}

void TApplication::HideHintWindow() {
    if (FHintWindow)
        FHintWindow->ReleaseHandle();
}

} // namespace fw

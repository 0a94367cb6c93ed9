#include "framework/gui/ProgressBar.h"

#include "framework/ClassBuilder.h"
#include "platform/user/controls/CommCtrl.h"

#include <algorithm>

namespace fw {

const TClassInfo& TProgressBar::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TProgressBar, TWinControl>("TProgressBar")
            .Property("Min", &TProgressBar::Min, &TProgressBar::SetMin)
            .Property("Max", &TProgressBar::Max, &TProgressBar::SetMax)
            .Property("Position", &TProgressBar::Position, &TProgressBar::SetPosition)
            .Property("Step", &TProgressBar::Step, &TProgressBar::SetStep)
            .Build();
    return info;
}

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 150, 16);
}

void TProgressBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = win::PROGRESS_CLASS;
}

void TProgressBar::CreateWnd() {
    TWinControl::CreateWnd();
    win::SendMessage(Handle(), win::PBM_SETRANGE32, FMin, FMax);
    win::SendMessage(Handle(), win::PBM_SETSTEP, FStep, 0);
    win::SendMessage(Handle(), win::PBM_SETPOS, FPosition, 0);
}

void TProgressBar::DestroyWnd() {
    FPosition = Position();
    TWinControl::DestroyWnd();
}

int TProgressBar::Position() const {
    if (!HandleAllocated())
        return FPosition;
    return static_cast<int>(
        win::SendMessage(const_cast<TProgressBar*>(this)->Handle(), win::PBM_GETPOS, 0, 0));
}

void TProgressBar::SetPosition(int position) {
    FPosition = std::clamp(position, FMin, std::max(FMin, FMax));
    if (HandleAllocated())
        win::SendMessage(Handle(), win::PBM_SETPOS, FPosition, 0);
}

void TProgressBar::SetRange(int min, int max) {
    FMin = min;
    FMax = max;
    FPosition = std::clamp(FPosition, FMin, std::max(FMin, FMax));
    if (HandleAllocated())
        win::SendMessage(Handle(), win::PBM_SETRANGE32, FMin, FMax);
}

void TProgressBar::SetStep(int step) {
    FStep = step;
    if (HandleAllocated())
        win::SendMessage(Handle(), win::PBM_SETSTEP, step, 0);
}

void TProgressBar::StepIt() {
    if (HandleAllocated()) {
        win::SendMessage(Handle(), win::PBM_STEPIT, 0, 0);
        return;
    }
    FPosition += FStep;
    if (FPosition > FMax)
        FPosition = FMin + (FPosition - FMax);
}

} // namespace fw

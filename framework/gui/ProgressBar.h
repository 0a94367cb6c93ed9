#pragma once
// A progress bar on the platform's msctls_progress32 class: Min, Max, Position
// and Step, kept here too so they survive the window.

#include "framework/gui/WinControl.h"

namespace fw {

class TProgressBar : public TWinControl {
    FW_CLASS(TProgressBar, TWinControl)

    explicit TProgressBar(TComponent* owner);

    int Min() const { return FMin; }
    void SetMin(int min) { SetRange(min, FMax); }
    int Max() const { return FMax; }
    void SetMax(int max) { SetRange(FMin, max); }
    int Position() const;
    void SetPosition(int position);
    int Step() const { return FStep; }
    void SetStep(int step);
    // Moves the position on by Step, wrapping to Min past Max as the bar does.
    void StepIt();

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;

private:
    void SetRange(int min, int max);

    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
    int FStep = 10;
};

} // namespace fw

#pragma once
// A track bar on the platform's msctls_trackbar32 class: a thumb moved along a
// range by mouse and keys, with tick marks and a selected stretch. The window
// tells its parent of every move with WM_HSCROLL/WM_VSCROLL, which comes back
// here as CN_HSCROLL/CN_VSCROLL and fires OnChange when the position moved.

#include "framework/gui/WinControl.h"

#include <vector>

namespace fw {

enum class TTrackBarOrientation { trHorizontal, trVertical };
FW_ENUM_NAMES(TTrackBarOrientation, "trHorizontal", "trVertical");

enum class TTickMark { tmBottomRight, tmTopLeft, tmBoth };
FW_ENUM_NAMES(TTickMark, "tmBottomRight", "tmTopLeft", "tmBoth");

enum class TTickStyle { tsNone, tsAuto, tsManual };
FW_ENUM_NAMES(TTickStyle, "tsNone", "tsAuto", "tsManual");

class TTrackBar : public TWinControl {
    FW_CLASS(TTrackBar, TWinControl)

    explicit TTrackBar(TComponent* owner);

    int Min() const { return FMin; }
    void SetMin(int min);
    int Max() const { return FMax; }
    void SetMax(int max);
    // The position within Min..Max (a stored value out of range waits for the range).
    int Position() const;
    void SetPosition(int position);
    int Frequency() const { return FFrequency; }
    void SetFrequency(int frequency);
    int LineSize() const { return FLineSize; }
    void SetLineSize(int size);
    int PageSize() const { return FPageSize; }
    void SetPageSize(int size);
    TTrackBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TTrackBarOrientation orientation);
    TTickMark TickMarks() const { return FTickMarks; }
    void SetTickMarks(TTickMark marks);
    TTickStyle TickStyle() const { return FTickStyle; }
    void SetTickStyle(TTickStyle style);
    int SelStart() const { return FSelStart; }
    void SetSelStart(int start);
    int SelEnd() const { return FSelEnd; }
    void SetSelEnd(int end);
    // A tick mark at value, shown when TickStyle is tsManual.
    void SetTick(int value);

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;
    virtual void Changed();

private:
    void SendRange();

    int FMin = 0;
    int FMax = 10;
    int FPosition = 0;
    int FFrequency = 1;
    int FLineSize = 1;
    int FPageSize = 2;
    TTrackBarOrientation FOrientation = TTrackBarOrientation::trHorizontal;
    TTickMark FTickMarks = TTickMark::tmBottomRight;
    TTickStyle FTickStyle = TTickStyle::tsAuto;
    int FSelStart = 0;
    int FSelEnd = 0;
    std::vector<int> FTicks;
};

} // namespace fw

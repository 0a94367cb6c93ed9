#include "framework/gui/TrackBar.h"

#include "framework/ClassBuilder.h"
#include "framework/gui/RangePosition.h"
#include "platform/user/controls/CommCtrl.h"

#include <algorithm>

namespace fw {

const TClassInfo& TTrackBar::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TTrackBar, TWinControl>("TTrackBar")
            .Property("Min", &TTrackBar::Min, &TTrackBar::SetMin)
            .Property("Max", &TTrackBar::Max, &TTrackBar::SetMax)
            .Property("Position", &TTrackBar::Position, &TTrackBar::SetPosition)
            .Property("Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency)
            .Property("LineSize", &TTrackBar::LineSize, &TTrackBar::SetLineSize)
            .Property("PageSize", &TTrackBar::PageSize, &TTrackBar::SetPageSize)
            .Property("Orientation", &TTrackBar::Orientation, &TTrackBar::SetOrientation)
            .Property("TickMarks", &TTrackBar::TickMarks, &TTrackBar::SetTickMarks)
            .Property("TickStyle", &TTrackBar::TickStyle, &TTrackBar::SetTickStyle)
            .Property("SelStart", &TTrackBar::SelStart, &TTrackBar::SetSelStart)
            .Property("SelEnd", &TTrackBar::SelEnd, &TTrackBar::SetSelEnd)
            .Property("OnChange", &TTrackBar::OnChange, &TTrackBar::OnChange)
            .Build();
    return info;
}

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 150, 45);
    SetTabStop(true);
    SetColor(clBtnFace);
}

void TTrackBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = win::TRACKBAR_CLASS;
    params.Style |= win::TBS_ENABLESELRANGE;
    if (FOrientation == TTrackBarOrientation::trVertical)
        params.Style |= win::TBS_VERT;
    switch (FTickMarks) {
    case TTickMark::tmTopLeft:
        params.Style |= win::TBS_TOP;
        break;
    case TTickMark::tmBoth:
        params.Style |= win::TBS_BOTH;
        break;
    case TTickMark::tmBottomRight:
        break;
    }
    switch (FTickStyle) {
    case TTickStyle::tsNone:
        params.Style |= win::TBS_NOTICKS;
        break;
    case TTickStyle::tsAuto:
        params.Style |= win::TBS_AUTOTICKS;
        break;
    case TTickStyle::tsManual:
        break;
    }
}

void TTrackBar::CreateWnd() {
    TWinControl::CreateWnd();
    win::HWND hwnd = Handle();
    SendRange();
    win::SendMessage(hwnd, win::TBM_SETTICFREQ, FFrequency, 0);
    win::SendMessage(hwnd, win::TBM_SETLINESIZE, 0, FLineSize);
    win::SendMessage(hwnd, win::TBM_SETPAGESIZE, 0, FPageSize);
    win::SendMessage(hwnd, win::TBM_SETSELSTART, win::FALSE, FSelStart);
    win::SendMessage(hwnd, win::TBM_SETSELEND, win::FALSE, FSelEnd);
    for (int tick : FTicks)
        win::SendMessage(hwnd, win::TBM_SETTIC, 0, tick);
    win::SendMessage(hwnd, win::TBM_SETPOS, win::TRUE, FPosition);
}

void TTrackBar::DestroyWnd() {
    FPosition = Position();
    TWinControl::DestroyWnd();
}

void TTrackBar::SendRange() {
    if (!HandleAllocated())
        return;
    win::SendMessage(Handle(), win::TBM_SETRANGEMIN, win::FALSE, FMin);
    win::SendMessage(Handle(), win::TBM_SETRANGEMAX, win::TRUE, FMax);
}

void TTrackBar::SetMin(int min) {
    FMin = min;
    SendRange();
}

void TTrackBar::SetMax(int max) {
    FMax = max;
    SendRange();
}

int TTrackBar::Position() const {
    if (HandleAllocated())
        return WindowPosition(*this, win::TBM_GETPOS);
    return StoredPosition(*this, FPosition, FMin, FMax);
}

void TTrackBar::SetPosition(int position) {
    const int before = Position();
    FPosition = position;
    if (HandleAllocated()) {
        win::SendMessage(Handle(), win::TBM_SETPOS, win::TRUE, position);
        FPosition = Position();
    }
    if (Position() != before && !ComponentState().Contains(TComponentStateItem::csLoading))
        Changed();
}

void TTrackBar::SetFrequency(int frequency) {
    FFrequency = std::max(1, frequency);
    if (HandleAllocated())
        win::SendMessage(Handle(), win::TBM_SETTICFREQ, FFrequency, 0);
}

void TTrackBar::SetLineSize(int size) {
    FLineSize = size;
    if (HandleAllocated())
        win::SendMessage(Handle(), win::TBM_SETLINESIZE, 0, size);
}

void TTrackBar::SetPageSize(int size) {
    FPageSize = size;
    if (HandleAllocated())
        win::SendMessage(Handle(), win::TBM_SETPAGESIZE, 0, size);
}

void TTrackBar::SetOrientation(TTrackBarOrientation orientation) {
    if (orientation == FOrientation)
        return;
    FOrientation = orientation;
    TurnBox(*this);
    RecreateWnd();
}

void TTrackBar::SetTickMarks(TTickMark marks) {
    if (marks == FTickMarks)
        return;
    FTickMarks = marks;
    RecreateWnd();
}

void TTrackBar::SetTickStyle(TTickStyle style) {
    if (style == FTickStyle)
        return;
    FTickStyle = style;
    RecreateWnd();
}

void TTrackBar::SetSelStart(int start) {
    FSelStart = start;
    if (HandleAllocated())
        win::SendMessage(Handle(), win::TBM_SETSELSTART, win::TRUE, start);
}

void TTrackBar::SetSelEnd(int end) {
    FSelEnd = end;
    if (HandleAllocated())
        win::SendMessage(Handle(), win::TBM_SETSELEND, win::TRUE, end);
}

void TTrackBar::SetTick(int value) {
    FTicks.push_back(value);
    if (HandleAllocated())
        win::SendMessage(Handle(), win::TBM_SETTIC, 0, value);
}

void TTrackBar::WndProc(TMessage& message) {
    if (message.Msg == CN_HSCROLL || message.Msg == CN_VSCROLL) {
        // Every move and the end of each drag or key press come here; only moves count.
        const int position = Position();
        message.Result = 0;
        if (position == FPosition)
            return;
        FPosition = position;
        Changed();
        return;
    }
    TWinControl::WndProc(message);
}

void TTrackBar::Changed() {
    if (OnChange)
        OnChange(this);
}

} // namespace fw

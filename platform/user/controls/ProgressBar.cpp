#include "platform/user/controls/ProgressBar.h"

#include <algorithm>

namespace win::controls {

void ProgressBar::Register() {
    RegisterControlClass(PROGRESS_CLASS, ControlProc<ProgressBar>, CS_HREDRAW | CS_VREDRAW, -1);
}

LRESULT ProgressBar::SetRange(int low, int high) {
    const LRESULT previous = LRESULT(MAKELONG(WORD(low_), WORD(high_)));
    low_ = low;
    high_ = high;
    pos_ = std::clamp(pos_, std::min(low_, high_), std::max(low_, high_));
    Redraw(hwnd_);
    return previous;
}

LRESULT ProgressBar::SetPos(int pos) {
    const int previous = pos_;
    pos_ = std::clamp(pos, std::min(low_, high_), std::max(low_, high_));
    if (pos_ != previous)
        Redraw(hwnd_);
    return previous;
}

void ProgressBar::Paint(HDC hdc) {
    RECT client = ClientRect(hwnd_);
    DrawEdge(hdc, &client, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    HBRUSH back = backColor_ == CLR_DEFAULT ? GetSysColorBrush(COLOR_3DFACE) : nullptr;
    HBRUSH own = nullptr;
    if (back == nullptr)
        back = own = CreateSolidBrush(backColor_);
    FillRect(hdc, &client, back);
    if (own)
        DeleteObject(own);
    InflateRect(&client, -1, -1);
    const bool vertical = StyleOf(hwnd_) & PBS_VERTICAL;
    const int length = vertical ? client.bottom - client.top : client.right - client.left;
    const int thickness = vertical ? client.right - client.left : client.bottom - client.top;
    if (length <= 0 || thickness <= 0 || high_ == low_)
        return;
    const int filled = MulDiv(length, pos_ - low_, high_ - low_);
    HBRUSH bar =
        barColor_ == CLR_DEFAULT ? GetSysColorBrush(COLOR_HIGHLIGHT) : CreateSolidBrush(barColor_);
    auto part = [&](int from, int to) {
        return vertical ? RECT{client.left, client.bottom - to, client.right, client.bottom - from}
                        : RECT{client.left + from, client.top, client.left + to, client.bottom};
    };
    if (StyleOf(hwnd_) & PBS_SMOOTH) {
        const RECT done = part(0, filled);
        FillRect(hdc, &done, bar);
    } else {
        // Blocks two thirds as long as the bar is thick, two pixels apart;
        // a block is drawn once the position reaches into it.
        const int block = std::max(1, thickness * 2 / 3);
        for (int from = 0; from < filled; from += block + 2) {
            const RECT chunk = part(from, std::min(from + block, length));
            FillRect(hdc, &chunk, bar);
        }
    }
    if (barColor_ != CLR_DEFAULT)
        DeleteObject(bar);
}

LRESULT ProgressBar::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case PBM_SETRANGE:
        return SetRange(LOWORD(std::uintptr_t(lParam)), HIWORD(std::uintptr_t(lParam)));
    case PBM_SETRANGE32:
        return SetRange(int(wParam), int(lParam));
    case PBM_GETRANGE:
        if (lParam) {
            auto* range = reinterpret_cast<PBRANGE*>(lParam);
            range->iLow = low_;
            range->iHigh = high_;
        }
        return wParam ? low_ : high_;
    case PBM_SETPOS:
        return SetPos(int(wParam));
    case PBM_DELTAPOS:
        return SetPos(pos_ + int(wParam));
    case PBM_GETPOS:
        return pos_;
    case PBM_SETSTEP: {
        const int previous = step_;
        step_ = int(wParam);
        return previous;
    }
    case PBM_STEPIT: {
        // Stepping past the end starts again from the beginning, as on Windows.
        const int previous = pos_;
        int next = pos_ + step_;
        if (next > std::max(low_, high_) || next < std::min(low_, high_))
            next = low_;
        SetPos(next);
        return previous;
    }
    case PBM_SETBARCOLOR:
    case PBM_SETBKCOLOR: {
        COLORREF& color = message == PBM_SETBARCOLOR ? barColor_ : backColor_;
        const COLORREF previous = color;
        color = COLORREF(lParam);
        Redraw(hwnd_);
        return LRESULT(previous);
    }
    default:
        return DefWindowProc(hwnd_, message, wParam, lParam);
    }
}

} // namespace win::controls

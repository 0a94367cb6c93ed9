#pragma once
// What every control class shares: the per-window object behind a class's
// window procedure, notifications to the parent, the parent's colours and the
// control's font, and scoped paint and DC state.

#include "platform/gdi/Controls3D.h"
#include "platform/gdi/Text.h"
#include "platform/user/Painting.h"
#include "platform/user/Rects.h"
#include "platform/user/controls/CommCtrl.h"

#include <memory>
#include <string>
#include <unordered_map>

namespace win::controls {

// Registers a system class (CS_GLOBALCLASS, no instance) unless one of that
// name is registered already.
void RegisterControlClass(const char* name, WNDPROC proc, UINT style, int background,
                          const char* cursor = IDC_ARROW);

DWORD StyleOf(HWND hwnd);
bool HasFocus(HWND hwnd);
RECT ClientRect(HWND hwnd);
POINT PointFrom(LPARAM lParam);
std::string WindowText(HWND hwnd);
void Redraw(HWND hwnd);

// WM_COMMAND to the parent (or owner) with the control's id and `code`.
void NotifyCommand(HWND hwnd, WORD code);
// WM_NOTIFY to the parent with the header filled in; returns the parent's answer.
LRESULT NotifyParent(HWND hwnd, NMHDR& header, UINT code);
// The brush (and DC colours) the parent chooses with WM_CTLCOLOR*, or the
// default ones when the parent leaves it to DefWindowProc.
HBRUSH ParentColors(HWND hwnd, HDC hdc, UINT ctlColorMessage);
// WM_GETFONT, or the stock GUI font when none was set.
HFONT ControlFont(HWND hwnd);
int LineHeight(HDC hdc);
// An edge in the classic 3-D colours; the rect moves inside it.
void DrawClientEdge(HDC hdc, RECT& rect);
// Text drawn twice for the embossed look of disabled controls.
void DrawDisabledText(HDC hdc, const std::string& text, RECT rect, UINT format);

// BeginPaint/EndPaint, or the DC of WM_PAINT's wParam / WM_PRINTCLIENT.
class PaintScope {
public:
    PaintScope(HWND hwnd, WPARAM dcParam);
    ~PaintScope();
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC Dc() const { return hdc_; }
    const RECT& Area() const { return paint_.rcPaint; }

private:
    HWND hwnd_;
    HDC hdc_;
    bool began_ = false;
    PAINTSTRUCT paint_;
};

// SaveDC/RestoreDC around drawing with the control's font selected.
class DcState {
public:
    DcState(HDC hdc, HFONT font);
    ~DcState();
    DcState(const DcState&) = delete;
    DcState& operator=(const DcState&) = delete;

private:
    HDC hdc_;
    int saved_;
};

// A memory DC for measuring text with a control's font, owned by the control.
class MeasuringDc {
public:
    MeasuringDc() : hdc_(CreateCompatibleDC(nullptr)) {}
    ~MeasuringDc() { DeleteDC(hdc_); }
    MeasuringDc(const MeasuringDc&) = delete;
    MeasuringDc& operator=(const MeasuringDc&) = delete;
    HDC Dc() const { return hdc_; }

private:
    HDC hdc_;
};

// GetDC/ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND hwnd) : hwnd_(hwnd), hdc_(GetDC(hwnd)) {}
    ~WindowDc() { ReleaseDC(hwnd_, hdc_); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Dc() const { return hdc_; }

private:
    HWND hwnd_;
    HDC hdc_;
};

// The window procedure of a control class whose behaviour lives in `Control`
// (constructed from the HWND on WM_NCCREATE, destroyed after WM_NCDESTROY,
// answering `LRESULT Handle(UINT, WPARAM, LPARAM)` and painting its client
// area with `void Paint(HDC)`). Controls never throw
// across the message dispatch: a failure (out of memory) answers 0.
template <class Control>
LRESULT ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    static std::unordered_map<HWND, std::unique_ptr<Control>> controls;
    try {
        if (message == WM_NCCREATE)
            controls[hwnd] = std::make_unique<Control>(hwnd);
        auto found = controls.find(hwnd);
        if (found == controls.end())
            return DefWindowProc(hwnd, message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            // Moved out first: the handler may send messages that come back here.
            std::unique_ptr<Control> dying = std::move(found->second);
            controls.erase(found);
            dying->Handle(message, wParam, lParam);
            return DefWindowProc(hwnd, message, wParam, lParam);
        }
        switch (message) {
        case WM_PAINT:
        case WM_PRINTCLIENT: {
            PaintScope paint(hwnd, message == WM_PRINTCLIENT ? wParam : WPARAM(0));
            found->second->Paint(paint.Dc());
            return 0;
        }
        case WM_ERASEBKGND:
            return 1; // the painting covers the whole control
        default:
            return found->second->Handle(message, wParam, lParam);
        }
    } catch (...) {
        return 0;
    }
}

} // namespace win::controls

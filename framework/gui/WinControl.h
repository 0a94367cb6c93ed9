#pragma once
// A control with a window of its own. The window is made on demand (Handle,
// HandleNeeded) from a window class named after the framework class, which
// copies the platform class it builds on (Button, Edit, ...) and routes every
// message through WindowProc; messages no handler takes go to the platform
// class's procedure. Each window carries the "ControlOfs" window property that
// leads back to its control, and a parent hands its children's notifications
// back to them as CN_ messages.

#include "framework/gui/Control.h"

#include <functional>
#include <string>
#include <vector>

namespace fw {

struct TCreateParams {
    std::string Caption;
    win::DWORD Style = 0;
    win::DWORD ExStyle = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    win::HWND WndParent = nullptr;
    // The platform class the window is built on; empty for a plain framework window.
    std::string BaseClassName;
    win::UINT ClassStyle = win::CS_DBLCLKS;
};

class TWinControl : public TControl {
    FW_CLASS(TWinControl, TControl)

    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    win::HWND Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    void HandleNeeded() { Handle(); }
    // Destroys the window and makes it again with the current properties.
    void RecreateWnd();

    int ControlCount() const { return static_cast<int>(FControls.size()); }
    TControl* Controls(int index) const;
    // The child controls in tab order.
    const std::vector<TWinControl*>& TabList() const { return FTabList; }
    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool tabStop) { FTabStop = tabStop; }

    void SetBounds(int left, int top, int width, int height) override;
    win::RECT ClientRect() const override;
    bool Showing() const override;
    std::string Text() const override;
    void Invalidate() override;
    void Update() override;

    bool Focused() const;
    virtual bool CanFocus() const;
    virtual void SetFocus();

    // Lays the aligned children out again in the client area.
    void Realign();
    // The graphic child (not a windowed one) under a client point, or null.
    TControl* ControlAtPos(win::POINT point) const;
    // The brush of the control's colour, for its background and its children's.
    win::HBRUSH Brush();

    // The framework control of a window made by the framework, or null.
    static TWinControl* FindControl(win::HWND hwnd);
    // The name of the window property that carries the control:
    // "ControlOfs" + module instance + thread id, each as 8 upper-case hex digits.
    static const std::string& ControlAtomName();
    // That name as an atom, under which the property is set and found.
    static win::ATOM ControlAtom();

protected:
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    virtual void DestroyWnd();
    // After the window exists: children get their windows, font and text are set.
    virtual void CreateWindowHandle(const TCreateParams& params);
    // Runs create, which makes this control's window some other way than
    // CreateWindowEx (an MDI child asks its client), with the window's first
    // messages routed to this control.
    void CreateWindowRouted(const std::function<win::HWND()>& create);
    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    void SetTextBuf(const std::string& text) override;
    void ColorChanged() override;
    void FontChanged() override;
    void Destroying() override;
    // Draws the window's own content before the graphic children are drawn on
    // it; a window on a platform class has that class draw it into dc.
    virtual void PaintWindow(win::HDC dc);
    // Whether the framework draws the window (no platform class under it).
    bool OwnPaint() const;
    void PaintControls(win::HDC dc);
    virtual void AlignControls(win::RECT& rect);

private:
    void InsertControl(TControl& control);
    void RemoveControl(TControl& control);
    void BringControlToFront(TControl& control);
    void DestroyHandle();
    void AttachHandle(win::HWND hwnd);
    win::LRESULT MainWndProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
    static win::LRESULT InitWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                                    win::LPARAM lParam);
    bool ReflectToChild(TMessage& message);
    void WmPaint(TMessage& message);
    void WmEraseBackground(TMessage& message);
    bool ForwardMouseToGraphic(TMessage& message);
    // Passes a message to every child until one answers it with non-zero.
    void Broadcast(TMessage& message);
    // The graphic control that holds the mouse through its parent's capture.
    static TControl*& CaptureControl();
    void TrackMouseControl(TMessage& message);
    void UpdateBoundsFromWindow();
    void FreeBrush();
    // The control the mouse is over, told of CM_MOUSEENTER and CM_MOUSELEAVE.
    static TControl*& MouseControl();
    static void SetMouseControl(TControl* control);

    win::HWND FHandle = nullptr;
    win::WNDPROC FDefWndProc = nullptr;
    std::vector<TControl*> FControls;
    std::vector<TWinControl*> FTabList;
    bool FTabStop = false;
    bool FAligning = false;
    win::HBRUSH FBrush = nullptr;

    friend class TControl;
};

} // namespace fw

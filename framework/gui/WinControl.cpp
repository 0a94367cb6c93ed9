#include "framework/gui/WinControl.h"

#include "framework/ClassBuilder.h"
#include "framework/Format.h"
#include "framework/gui/Application.h"
#include "framework/gui/DialogKeys.h"
#include "framework/gui/GraphicsColor.h"
#include "platform/kernel/Module.h"
#include "platform/kernel/SystemMessage.h"
#include "platform/user/Atoms.h"
#include "platform/user/Painting.h"
#include "platform/user/controls/CommCtrl.h"
#include "platform/user/controls/StandardControls.h"

#include <algorithm>
#include <cstdint>

namespace fw {

namespace {

// The control whose window is being made: its first messages arrive before
// CreateWindowEx returns, when only this says which control they are for.
thread_local TWinControl* creatingControl = nullptr;

void EnsureWindowClass(const std::string& name, const TCreateParams& params, win::WNDPROC initProc,
                       win::WNDPROC& defaultProc) {
    // The platform's control classes exist once registered; the framework builds on them.
    static const bool controlsRegistered = (win::InitCommonControls(), true);
    (void)controlsRegistered;
    win::WNDCLASS base;
    defaultProc = win::DefWindowProc;
    if (!params.BaseClassName.empty()) {
        if (!win::GetClassInfo(nullptr, params.BaseClassName.c_str(), &base))
            throw EOSError(Format("Window class %s is not registered", params.BaseClassName),
                           win::GetLastError());
        defaultProc = base.lpfnWndProc;
    } else {
        base.style = params.ClassStyle;
        base.hCursor = win::LoadCursor(nullptr, win::IDC_ARROW);
    }
    win::WNDCLASS existing;
    if (win::GetClassInfo(nullptr, name.c_str(), &existing))
        return;
    base.lpfnWndProc = initProc;
    base.hInstance = win::GetModuleHandle(nullptr);
    base.lpszClassName = name.c_str();
    base.lpszMenuName = nullptr;
    if (!win::RegisterClass(&base))
        throw EOSError(Format("Cannot register window class %s", name), win::GetLastError());
}

} // namespace

const TClassInfo& TWinControl::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TWinControl, TControl>("TWinControl")
            .Property("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
            .Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop)
            .Build();
    return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    DestroyHandle();
    FreeBrush();
    // A parent takes its children with it, as the framework does.
    while (!FControls.empty())
        FControls.back()->Free();
}

const std::string& TWinControl::ControlAtomName() {
    thread_local const std::string name = Format(
        "ControlOfs%.8X%.8X",
        static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(win::GetModuleHandle(nullptr))),
        static_cast<unsigned>(win::GetCurrentThreadId()));
    return name;
}

win::ATOM TWinControl::ControlAtom() {
    thread_local const win::ATOM atom = win::GlobalAddAtom(ControlAtomName().c_str());
    return atom;
}

TWinControl* TWinControl::FindControl(win::HWND hwnd) {
    if (!hwnd)
        return nullptr;
    // By atom: every message goes through here, and a name costs an atom-table search.
    return static_cast<TWinControl*>(win::GetProp(hwnd, win::MAKEINTATOM(ControlAtom())));
}

TControl*& TWinControl::MouseControl() {
    thread_local TControl* control = nullptr;
    return control;
}

void TWinControl::SetMouseControl(TControl* control) {
    TControl* previous = MouseControl();
    if (control == previous)
        return;
    MouseControl() = control;
    if (previous)
        previous->Perform(CM_MOUSELEAVE);
    if (control)
        control->Perform(CM_MOUSEENTER);
    Application().HintMouseMessage(control);
}

win::HWND TWinControl::Handle() {
    if (!FHandle) {
        if (Parent())
            Parent()->HandleNeeded();
        CreateWnd();
    }
    return FHandle;
}

TControl* TWinControl::Controls(int index) const {
    if (index < 0 || index >= ControlCount())
        throw CreateFmt<EListError>("List index out of bounds (%d)", index);
    return FControls[static_cast<std::size_t>(index)];
}

void TWinControl::InsertControl(TControl& control) {
    FControls.push_back(&control);
    control.FParent = this;
    if (auto* win = dynamic_cast<TWinControl*>(&control)) {
        FTabList.push_back(win);
        if (FHandle)
            win->HandleNeeded();
    }
    if (control.Align() != TAlign::alNone)
        Realign();
    control.Invalidate();
}

void TWinControl::RemoveControl(TControl& control) {
    control.Invalidate();
    if (CaptureControl() == &control) {
        CaptureControl() = nullptr;
        win::ReleaseCapture();
    }
    if (auto* win = dynamic_cast<TWinControl*>(&control)) {
        win->DestroyHandle();
        std::erase(FTabList, win);
    }
    std::erase(FControls, &control);
    control.FParent = nullptr;
    if (control.Align() != TAlign::alNone)
        Realign();
}

void TWinControl::BringControlToFront(TControl& control) {
    std::erase(FControls, &control);
    FControls.push_back(&control);
    if (auto* win = dynamic_cast<TWinControl*>(&control); win && win->FHandle)
        win::SetWindowPos(win->FHandle, win::HWND_TOP, 0, 0, 0, 0,
                          win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOACTIVATE);
    control.Invalidate();
}

int TWinControl::TabOrder() const {
    if (!Parent())
        return -1;
    const auto& list = Parent()->FTabList;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    if (!Parent())
        return;
    auto& list = Parent()->FTabList;
    std::erase(list, this);
    const auto place =
        static_cast<std::size_t>(std::clamp(order, 0, static_cast<int>(list.size())));
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(place), this);
}

void TWinControl::CreateParams(TCreateParams& params) {
    params.Caption = TControl::Text();
    params.Style = win::WS_CHILD | win::WS_CLIPSIBLINGS;
    if (Visible())
        params.Style |= win::WS_VISIBLE;
    if (!Enabled())
        params.Style |= win::WS_DISABLED;
    if (FTabStop)
        params.Style |= win::WS_TABSTOP;
    params.X = Left();
    params.Y = Top();
    params.Width = Width();
    params.Height = Height();
    if (Parent())
        params.WndParent = Parent()->Handle();
}

void TWinControl::CreateWnd() {
    TCreateParams params;
    CreateParams(params);
    if ((params.Style & win::WS_CHILD) && !params.WndParent)
        throw CreateFmt<EInvalidOperation>("Control '%s' has no parent window", Name());
    EnsureWindowClass(ClassName(), params, InitWndProc, FDefWndProc);
    CreateWindowHandle(params);
    if (!FHandle)
        throw EOSError(Format("Error creating window for %s", ClassName()), win::GetLastError());
    win::SendMessage(FHandle, win::WM_SETFONT, reinterpret_cast<win::WPARAM>(Font()->Handle()), 0);
    UpdateBoundsFromWindow();
    for (TControl* child : FControls)
        if (auto* win = dynamic_cast<TWinControl*>(child))
            win->HandleNeeded();
    Realign();
}

void TWinControl::CreateWindowHandle(const TCreateParams& params) {
    CreateWindowRouted([&] {
        return win::CreateWindowEx(params.ExStyle, ClassName().c_str(), params.Caption.c_str(),
                                   params.Style, params.X, params.Y, params.Width, params.Height,
                                   params.WndParent, nullptr, win::GetModuleHandle(nullptr),
                                   nullptr);
    });
}

void TWinControl::CreateWindowRouted(const std::function<win::HWND()>& create) {
    creatingControl = this;
    win::HWND hwnd = create();
    creatingControl = nullptr;
    if (hwnd && !FHandle)
        AttachHandle(hwnd);
}

void TWinControl::AttachHandle(win::HWND hwnd) {
    FHandle = hwnd;
    win::SetProp(hwnd, win::MAKEINTATOM(ControlAtom()), static_cast<win::HANDLE>(this));
}

void TWinControl::DestroyWnd() {
    // The text lives on in the control after its window goes.
    FText = Text();
    win::DestroyWindow(FHandle);
}

void TWinControl::DestroyHandle() {
    if (!FHandle)
        return;
    for (TControl* child : FControls)
        if (auto* win = dynamic_cast<TWinControl*>(child))
            win->DestroyHandle();
    DestroyWnd();
    FHandle = nullptr;
}

void TWinControl::RecreateWnd() {
    if (!FHandle)
        return;
    Perform(CM_RECREATEWND);
    DestroyHandle();
    HandleNeeded();
}

void TWinControl::Destroying() {
    TControl::Destroying();
    // While the object is whole, so handlers of the closing messages see all of it.
    DestroyHandle();
}

win::LRESULT TWinControl::InitWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                                      win::LPARAM lParam) {
    TWinControl* control = FindControl(hwnd);
    if (!control) {
        control = creatingControl;
        if (!control)
            return win::DefWindowProc(hwnd, msg, wParam, lParam);
        creatingControl = nullptr;
        control->AttachHandle(hwnd);
    }
    return control->MainWndProc(msg, wParam, lParam);
}

win::LRESULT TWinControl::MainWndProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    TMessage message{msg, wParam, lParam, 0};
    try {
        WindowProc()(message);
    } catch (...) {
        // An error never crosses the window manager's dispatch: it goes to the box.
        Application().HandleException(this);
    }
    if (msg == win::WM_NCDESTROY && FHandle) {
        win::RemoveProp(FHandle, win::MAKEINTATOM(ControlAtom()));
        FHandle = nullptr;
        if (MouseControl() == this)
            MouseControl() = nullptr;
    }
    return message.Result;
}

void TWinControl::WndProc(TMessage& message) {
    if (ReflectToChild(message))
        return;
    switch (message.Msg) {
    case win::WM_PAINT:
        WmPaint(message);
        return;
    case win::WM_PRINTCLIENT:
        if (!OwnPaint())
            break;
        PaintWindow(reinterpret_cast<win::HDC>(message.WParam));
        PaintControls(reinterpret_cast<win::HDC>(message.WParam));
        return;
    case win::WM_ERASEBKGND:
        WmEraseBackground(message);
        return;
    case win::WM_MOUSEMOVE:
        TrackMouseControl(message);
        if (ForwardMouseToGraphic(message))
            return;
        break;
    case win::WM_LBUTTONDOWN:
    case win::WM_RBUTTONDOWN:
    case win::WM_MBUTTONDOWN:
    case win::WM_MOUSEWHEEL:
        // A hint gives way to what the user does.
        Application().CancelHint();
        if (ForwardMouseToGraphic(message))
            return;
        break;
    case win::WM_KEYDOWN:
    case win::WM_SYSKEYDOWN:
        Application().CancelHint();
        break;
    case win::WM_MOUSELEAVE:
        if (MouseControl() == this || (MouseControl() && MouseControl()->Parent() == this &&
                                       !dynamic_cast<TWinControl*>(MouseControl())))
            SetMouseControl(nullptr);
        break;
    case win::WM_SETFOCUS:
        // Every control of the form hears of it: buttons move the default frame.
        ParentForm(*this).Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<win::LPARAM>(this));
        break;
    case win::WM_KILLFOCUS:
        Perform(CM_EXIT);
        break;
    case win::WM_CAPTURECHANGED:
        if (CaptureControl() && CaptureControl()->Parent() == this)
            CaptureControl() = nullptr;
        break;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
    case CN_CHAR:
    case CN_SYSCHAR:
        message.Result = ControlDialogKey(*this, message);
        return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
    case CM_FOCUSCHANGED:
        Broadcast(message);
        return;
    case win::WM_WINDOWPOSCHANGED:
        TControl::WndProc(message);
        UpdateBoundsFromWindow();
        Realign();
        return;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORBTN: {
        auto dc = reinterpret_cast<win::HDC>(message.WParam);
        win::SetTextColor(dc, ColorToRGB(Font()->Color()));
        win::SetBkColor(dc, ColorToRGB(Color()));
        message.Result = reinterpret_cast<win::LRESULT>(Brush());
        return;
    }
    case CM_VISIBLECHANGED:
        if (FHandle)
            win::ShowWindow(FHandle, Visible() ? win::SW_SHOWNOACTIVATE : win::SW_HIDE);
        break;
    case CM_ENABLEDCHANGED:
        if (FHandle)
            win::EnableWindow(FHandle, Enabled());
        break;
    default:
        if (message.Msg >= win::WM_MOUSEFIRST && message.Msg <= win::WM_MOUSELAST &&
            ForwardMouseToGraphic(message))
            return;
        break;
    }
    TControl::WndProc(message);
}

void TWinControl::DefaultHandler(TMessage& message) {
    if (FHandle && message.Msg < CM_BASE)
        message.Result =
            win::CallWindowProc(FDefWndProc, FHandle, message.Msg, message.WParam, message.LParam);
}

// Child windows tell their parent; the parent hands it back to the child's control.
bool TWinControl::ReflectToChild(TMessage& message) {
    win::HWND child = nullptr;
    switch (message.Msg) {
    case win::WM_COMMAND:
    case win::WM_HSCROLL:
    case win::WM_VSCROLL:
    case win::WM_CTLCOLOREDIT:
    case win::WM_CTLCOLORLISTBOX:
    case win::WM_CTLCOLORSTATIC:
    case win::WM_CTLCOLORBTN:
        child = reinterpret_cast<win::HWND>(message.LParam);
        break;
    case win::WM_NOTIFY:
        child = reinterpret_cast<const win::NMHDR*>(message.LParam)->hwndFrom;
        break;
    case win::WM_DRAWITEM:
        child = reinterpret_cast<const win::DRAWITEMSTRUCT*>(message.LParam)->hwndItem;
        break;
    default:
        return false;
    }
    TWinControl* control = FindControl(child);
    if (!control || control == this)
        return false;
    message.Result = control->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
    return true;
}

// A DC in wParam is painted into as it is, the update region left alone: a
// child drawing its parent's background, or a print of the window.
void TWinControl::WmPaint(TMessage& message) {
    if (auto given = reinterpret_cast<win::HDC>(message.WParam)) {
        PaintWindow(given);
        PaintControls(given);
        return;
    }
    bool graphicChildren = false;
    for (TControl* child : FControls)
        graphicChildren |= !dynamic_cast<TWinControl*>(child);
    if (!graphicChildren && !OwnPaint()) {
        DefaultHandler(message);
        return;
    }
    win::PAINTSTRUCT paint;
    win::HDC dc = win::BeginPaint(FHandle, &paint);
    PaintWindow(dc);
    PaintControls(dc);
    win::EndPaint(FHandle, &paint);
}

void TWinControl::WmEraseBackground(TMessage& message) {
    if (!OwnPaint()) {
        DefaultHandler(message);
        return;
    }
    win::RECT client;
    win::GetClientRect(FHandle, &client);
    win::FillRect(reinterpret_cast<win::HDC>(message.WParam), &client, Brush());
    message.Result = 1;
}

bool TWinControl::OwnPaint() const {
    return FDefWndProc == win::DefWindowProc;
}

// A window on a platform class is drawn by that class, into the DC it is given.
void TWinControl::PaintWindow(win::HDC dc) {
    if (OwnPaint())
        return;
    TMessage paint{win::WM_PAINT, reinterpret_cast<win::WPARAM>(dc), 0, 0};
    DefaultHandler(paint);
}

void TWinControl::PaintControls(win::HDC dc) {
    for (TControl* child : FControls) {
        if (dynamic_cast<TWinControl*>(child) || !child->Visible())
            continue;
        const int saved = win::SaveDC(dc);
        win::IntersectClipRect(dc, child->Left(), child->Top(), child->Left() + child->Width(),
                               child->Top() + child->Height());
        win::OffsetViewportOrgEx(dc, child->Left(), child->Top(), nullptr);
        child->Perform(win::WM_PAINT, reinterpret_cast<win::WPARAM>(dc));
        win::RestoreDC(dc, saved);
    }
}

TControl* TWinControl::ControlAtPos(win::POINT point) const {
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
        TControl* child = *it;
        if (dynamic_cast<TWinControl*>(child) || !child->Visible())
            continue;
        const win::RECT r = child->BoundsRect();
        if (point.x >= r.left && point.x < r.right && point.y >= r.top && point.y < r.bottom)
            return child;
    }
    return nullptr;
}

void TWinControl::Broadcast(TMessage& message) {
    // By index: a handler may add or remove controls.
    for (std::size_t i = 0; i < FControls.size(); ++i) {
        FControls[i]->WindowProc()(message);
        if (message.Result != 0)
            return;
    }
}

TControl*& TWinControl::CaptureControl() {
    thread_local TControl* control = nullptr;
    return control;
}

// Graphic children have no window: their parent passes them its mouse messages,
// in their own coordinates. The child that took a left press keeps the mouse
// (the parent holds the capture for it) until the button is released.
bool TWinControl::ForwardMouseToGraphic(TMessage& message) {
    const win::POINT point{static_cast<short>(message.LParam & 0xFFFF),
                           static_cast<short>((message.LParam >> 16) & 0xFFFF)};
    TControl* captured = CaptureControl();
    if (captured && captured->Parent() != this)
        captured = nullptr;
    TControl* target = captured ? captured : ControlAtPos(point);
    if (!target || (!captured && !target->Enabled()))
        return false;
    if (!captured && (message.Msg == win::WM_LBUTTONDOWN || message.Msg == win::WM_LBUTTONDBLCLK)) {
        CaptureControl() = target;
        win::SetCapture(FHandle);
    }
    const int x = point.x - target->Left();
    const int y = point.y - target->Top();
    message.Result = target->Perform(message.Msg, message.WParam,
                                     static_cast<win::LPARAM>((y & 0xFFFF) << 16 | (x & 0xFFFF)));
    if (captured && message.Msg == win::WM_LBUTTONUP && CaptureControl() == captured) {
        CaptureControl() = nullptr;
        win::ReleaseCapture();
    }
    return true;
}

void TWinControl::TrackMouseControl(TMessage& message) {
    const win::POINT point{static_cast<short>(message.LParam & 0xFFFF),
                           static_cast<short>((message.LParam >> 16) & 0xFFFF)};
    TControl* graphic = ControlAtPos(point);
    SetMouseControl(graphic ? graphic : this);
    win::TRACKMOUSEEVENT track;
    track.dwFlags = win::TME_LEAVE;
    track.hwndTrack = FHandle;
    win::TrackMouseEvent(&track);
}

void TWinControl::UpdateBoundsFromWindow() {
    if (!FHandle)
        return;
    win::RECT r;
    win::GetWindowRect(FHandle, &r);
    if (win::HWND parent = win::GetParent(FHandle))
        win::MapWindowPoints(nullptr, parent, reinterpret_cast<win::POINT*>(&r), 2);
    UpdateBoundsFields(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    if (!FHandle) {
        TControl::SetBounds(left, top, width, height);
        return;
    }
    if (left == Left() && top == Top() && width == Width() && height == Height())
        return;
    win::SetWindowPos(FHandle, nullptr, left, top, width, height,
                      win::SWP_NOZORDER | win::SWP_NOACTIVATE);
    RequestAlign();
}

win::RECT TWinControl::ClientRect() const {
    if (FHandle) {
        win::RECT r;
        win::GetClientRect(FHandle, &r);
        return r;
    }
    return TControl::ClientRect();
}

bool TWinControl::Showing() const {
    if (FHandle)
        return win::IsWindowVisible(FHandle) != 0;
    return TControl::Showing();
}

std::string TWinControl::Text() const {
    if (!FHandle)
        return TControl::Text();
    std::string text(static_cast<std::size_t>(win::GetWindowTextLength(FHandle)) + 1, '\0');
    const int length = win::GetWindowText(FHandle, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(length, 0)));
    return text;
}

void TWinControl::SetTextBuf(const std::string& text) {
    FText = text;
    if (FHandle)
        win::SetWindowText(FHandle, text.c_str());
}

void TWinControl::Invalidate() {
    if (FHandle)
        win::InvalidateRect(FHandle, nullptr, win::TRUE);
}

void TWinControl::Update() {
    if (FHandle)
        win::UpdateWindow(FHandle);
}

bool TWinControl::Focused() const {
    return FHandle && win::GetFocus() == FHandle;
}

bool TWinControl::CanFocus() const {
    for (const TWinControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    return true;
}

void TWinControl::SetFocus() {
    if (!CanFocus())
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    win::SetFocus(Handle());
}

win::HBRUSH TWinControl::Brush() {
    if (!FBrush)
        FBrush = win::CreateSolidBrush(ColorToRGB(Color()));
    return FBrush;
}

void TWinControl::FreeBrush() {
    if (FBrush)
        win::DeleteObject(FBrush);
    FBrush = nullptr;
}

void TWinControl::ColorChanged() {
    FreeBrush();
    TControl::ColorChanged();
    for (TControl* child : FControls)
        child->ParentChanged();
}

void TWinControl::FontChanged() {
    if (FHandle)
        win::SendMessage(FHandle, win::WM_SETFONT, reinterpret_cast<win::WPARAM>(Font()->Handle()),
                         win::TRUE);
    TControl::FontChanged();
    for (TControl* child : FControls)
        child->ParentChanged();
}

void TWinControl::Realign() {
    if (FAligning)
        return;
    win::RECT rect = ClientRect();
    FAligning = true;
    AlignControls(rect);
    FAligning = false;
}

// Top and bottom first, then left and right in what remains, then the client
// fill, each group in creation order, as the framework lays children out.
void TWinControl::AlignControls(win::RECT& rect) {
    const TAlign order[] = {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight,
                            TAlign::alClient};
    for (TAlign align : order) {
        for (TControl* child : FControls) {
            if (child->Align() != align || !child->Visible())
                continue;
            int x = rect.left, y = rect.top, w = rect.right - rect.left, h = rect.bottom - rect.top;
            switch (align) {
            case TAlign::alTop:
                h = child->Height();
                rect.top += h;
                break;
            case TAlign::alBottom:
                h = child->Height();
                y = rect.bottom - h;
                rect.bottom -= h;
                break;
            case TAlign::alLeft:
                w = child->Width();
                rect.left += w;
                break;
            case TAlign::alRight:
                w = child->Width();
                x = rect.right - w;
                rect.right -= w;
                break;
            default:
                break;
            }
            child->SetBounds(x, y, w, h);
        }
    }
}

} // namespace fw

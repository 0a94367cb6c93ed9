#include "framework/gui/Form.h"

#include "framework/ClassBuilder.h"
#include "framework/gui/Application.h"
#include "framework/gui/DialogKeys.h"
#include "framework/gui/FormReader.h"
#include "framework/gui/Icon.h"
#include "framework/gui/Menus.h"
#include "framework/gui/Screen.h"
#include "platform/gdi/SystemMetrics.h"
#include "platform/user/ModalLoop.h"
#include "platform/user/menus/Menus.h"

#include <utility>

namespace fw {

namespace {

int ShowCommand(TWindowState state) {
    switch (state) {
    case TWindowState::wsMinimized:
        return win::SW_SHOWMINIMIZED;
    case TWindowState::wsMaximized:
        return win::SW_SHOWMAXIMIZED;
    default:
        return win::SW_SHOW;
    }
}

} // namespace

const TClassInfo& TCustomForm::StaticClass() {
    static const TClassInfo info = TClassBuilder<TCustomForm, TWinControl>("TCustomForm").Build();
    return info;
}

const TClassInfo& TForm::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TForm, TCustomForm>("TForm")
            .Property("ActiveControl", &TForm::ActiveControl, &TForm::SetActiveControl)
            .Property("BorderStyle", &TForm::BorderStyle, &TForm::SetBorderStyle)
            .Property("BorderIcons", &TForm::BorderIcons, &TForm::SetBorderIcons)
            .Property("Position", &TForm::Position, &TForm::SetPosition)
            .Property("FormStyle", &TForm::FormStyle, &TForm::SetFormStyle)
            .Property("ClientWidth", &TForm::ClientWidth, &TForm::SetClientWidth)
            .Property("ClientHeight", &TForm::ClientHeight, &TForm::SetClientHeight)
            .Property("Menu", &TForm::Menu, &TForm::SetMenu)
            .Property("Icon", &TForm::Icon, &TForm::SetIcon)
            .Property("WindowState", &TForm::WindowState, &TForm::SetWindowState)
            .Property("OnCreate", &TForm::OnCreate, &TForm::OnCreate)
            .Property("OnDestroy", &TForm::OnDestroy, &TForm::OnDestroy)
            .Property("OnShow", &TForm::OnShow, &TForm::OnShow)
            .Property("OnClose", &TForm::OnClose, &TForm::OnClose)
            .Build();
    return info;
}

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner), FIcon(std::make_unique<TIcon>()) {
    FIcon->OnChange = [this](TObject*) { IconChanged(); };
    SetVisible(false);
    SetColor(clBtnFace);
    SetBounds(0, 0, 320, 240);
    Screen().AddForm(*this);
}

TCustomForm::~TCustomForm() {
    Screen().RemoveForm(*this);
}

void TCustomForm::AfterConstruction() {
    ReadFormResource(*this);
    if (OnCreate)
        OnCreate(this);
}

void TCustomForm::Destroying() {
    if (!ComponentState().Contains(TComponentStateItem::csDestroying) && OnDestroy)
        OnDestroy(this);
    Screen().RemoveForm(*this);
    TWinControl::Destroying();
}

void TCustomForm::SetClientWidth(int width) {
    if (ComponentState().Contains(TComponentStateItem::csLoading))
        FLoadedClientWidth = width;
    else
        TWinControl::SetClientWidth(width);
}

void TCustomForm::SetClientHeight(int height) {
    if (ComponentState().Contains(TComponentStateItem::csLoading))
        FLoadedClientHeight = height;
    else
        TWinControl::SetClientHeight(height);
}

void TCustomForm::Loaded() {
    TWinControl::Loaded();
    if (FLoadedClientWidth >= 0)
        SetClientWidth(FLoadedClientWidth);
    if (FLoadedClientHeight >= 0)
        SetClientHeight(FLoadedClientHeight);
    FLoadedClientWidth = FLoadedClientHeight = -1;
    // An MDI child shows itself in its frame as soon as it is made.
    if (FFormStyle == TFormStyle::fsMDIChild)
        Show();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
    if (style == FBorderStyle)
        return;
    FBorderStyle = style;
    RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons icons) {
    if (icons == FBorderIcons)
        return;
    FBorderIcons = icons;
    RecreateWnd();
}

win::DWORD TCustomForm::FrameStyle() const {
    win::DWORD style = 0;
    switch (FBorderStyle) {
    case TFormBorderStyle::bsNone:
        return win::WS_POPUP;
    case TFormBorderStyle::bsSingle:
    case TFormBorderStyle::bsToolWindow:
        style = win::WS_CAPTION;
        break;
    case TFormBorderStyle::bsSizeable:
    case TFormBorderStyle::bsSizeToolWin:
        style = win::WS_CAPTION | win::WS_THICKFRAME;
        break;
    case TFormBorderStyle::bsDialog:
        style = win::WS_POPUP | win::WS_CAPTION;
        break;
    }
    if (FBorderIcons.Contains(TBorderIcon::biSystemMenu))
        style |= win::WS_SYSMENU;
    // Only the ordinary frames carry minimise and maximise boxes.
    const bool ordinary =
        FBorderStyle == TFormBorderStyle::bsSingle || FBorderStyle == TFormBorderStyle::bsSizeable;
    if (ordinary && FBorderIcons.Contains(TBorderIcon::biMinimize))
        style |= win::WS_MINIMIZEBOX;
    if (ordinary && FBorderIcons.Contains(TBorderIcon::biMaximize))
        style |= win::WS_MAXIMIZEBOX;
    return style;
}

void TCustomForm::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.Style = FrameStyle() | win::WS_CLIPCHILDREN;
    params.WndParent = nullptr;
    switch (FBorderStyle) {
    case TFormBorderStyle::bsDialog:
        params.ExStyle |= win::WS_EX_DLGMODALFRAME;
        break;
    case TFormBorderStyle::bsToolWindow:
    case TFormBorderStyle::bsSizeToolWin:
        params.ExStyle |= win::WS_EX_TOOLWINDOW;
        break;
    default:
        break;
    }
    if (FFormStyle == TFormStyle::fsStayOnTop)
        params.ExStyle |= win::WS_EX_TOPMOST;
    if (FFormStyle == TFormStyle::fsMDIChild) {
        TCustomForm* frame = MDIFrame();
        if (!frame)
            throw EInvalidOperation("Cannot create form. No MDI forms are currently active");
        params.Style |= win::WS_CHILD;
        params.WndParent = frame->Handle() ? frame->ClientHandle() : nullptr;
    }
}

void TCustomForm::SetIcon(TIcon* icon) {
    if (icon)
        FIcon->Assign(*icon);
}

void TCustomForm::IconChanged() {
    if (!HandleAllocated())
        return;
    win::SendMessage(Handle(), win::WM_SETICON, win::ICON_BIG,
                     reinterpret_cast<win::LPARAM>(FIcon->Handle()));
    win::SendMessage(Handle(), win::WM_SETICON, win::ICON_SMALL,
                     reinterpret_cast<win::LPARAM>(FIcon->SmallHandle()));
}

void TCustomForm::SetMenu(TMainMenu* menu) {
    if (menu == FMenu)
        return;
    if (FMenu)
        FMenu->SetWindowHandle(nullptr);
    SetComponentReference(*this, FMenu, menu);
    if (!HandleAllocated())
        return;
    if (FMenu)
        FMenu->SetWindowHandle(Handle());
    else
        win::SetMenu(Handle(), nullptr);
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FMenu) {
        FMenu = nullptr;
        if (HandleAllocated())
            win::SetMenu(Handle(), nullptr);
    }
    if (operation == TOperation::opRemove && component == FActiveControl)
        FActiveControl = nullptr;
}

TWindowState TCustomForm::WindowState() const {
    if (!HandleAllocated())
        return FWindowState;
    win::HWND hwnd = const_cast<TCustomForm*>(this)->Handle();
    return win::IsIconic(hwnd)   ? TWindowState::wsMinimized
           : win::IsZoomed(hwnd) ? TWindowState::wsMaximized
                                 : TWindowState::wsNormal;
}

void TCustomForm::SetWindowState(TWindowState state) {
    FWindowState = state;
    if (HandleAllocated() && Visible())
        win::ShowWindow(Handle(),
                        state == TWindowState::wsNormal ? win::SW_RESTORE : ShowCommand(state));
}

void TCustomForm::SetActiveControl(TWinControl* control) {
    if (control == this)
        control = nullptr;
    SetComponentReference<TWinControl>(*this, FActiveControl, control);
    if (control && HandleAllocated() && win::GetActiveWindow() == Handle() && control->CanFocus())
        control->SetFocus();
}

void TCustomForm::FocusActiveControl() {
    win::HWND focus = win::GetFocus();
    if (focus && focus != Handle() && win::IsChild(Handle(), focus))
        return;
    if (FActiveControl && &ParentForm(*FActiveControl) == this && FActiveControl->CanFocus())
        FActiveControl->SetFocus();
    else
        SelectFirst(*this);
}

void TCustomForm::CreateWnd() {
    TWinControl::CreateWnd();
    if (FMenu)
        FMenu->SetWindowHandle(Handle());
    if (FFormStyle == TFormStyle::fsMDIForm)
        CreateMDIClient();
    if (!FIcon->Empty())
        IconChanged();
    // An MDI child takes its place in the client, not on the screen.
    if (FFormStyle != TFormStyle::fsMDIChild)
        PlaceOnScreen();
}

win::RECT TCustomForm::ClientRect() const {
    if (HandleAllocated())
        return TWinControl::ClientRect();
    win::RECT frame{0, 0, 0, 0};
    TCreateParams params;
    params.Style = FrameStyle();
    win::AdjustWindowRectEx(&frame, params.Style, FMenu ? win::TRUE : win::FALSE, 0);
    return {0, 0, Width() - (frame.right - frame.left), Height() - (frame.bottom - frame.top)};
}

bool TCustomForm::Showing() const {
    return Visible() && HandleAllocated();
}

void TCustomForm::PlaceOnScreen() {
    switch (FPosition) {
    case TPosition::poScreenCenter:
    case TPosition::poDesktopCenter:
    case TPosition::poMainFormCenter:
    case TPosition::poOwnerFormCenter:
        SetBounds((win::GetSystemMetrics(win::SM_CXSCREEN) - Width()) / 2,
                  (win::GetSystemMetrics(win::SM_CYSCREEN) - Height()) / 2, Width(), Height());
        break;
    default:
        break;
    }
}

void TCustomForm::WndProc(TMessage& message) {
    switch (message.Msg) {
    case win::WM_CLOSE:
        Close();
        return;
    case CM_RELEASE:
        // Freed during ShowModal, the form would be gone under its own loop.
        if (FModal)
            FReleaseAfterModal = true;
        else
            Application().ReleaseForm(*this);
        return;
    case win::WM_COMMAND:
    case win::WM_INITMENUPOPUP:
    case win::WM_MENUSELECT:
    case win::WM_MEASUREITEM:
    case win::WM_DRAWITEM:
        if (HandleMenuMessage(message))
            return;
        break;
    case CM_DIALOGKEY:
        if (FormDialogKey(*this, message))
            return;
        break;
    case win::WM_ACTIVATE:
        DefaultHandler(message);
        if (win::LOWORD(message.WParam) != win::WA_INACTIVE && !win::IsIconic(Handle()))
            FocusActiveControl();
        return;
    case CM_FOCUSCHANGED:
        if (auto* control = reinterpret_cast<TWinControl*>(message.LParam); control != this)
            SetComponentReference(*this, FActiveControl, control);
        break;
    case CM_VISIBLECHANGED:
        if (Visible()) {
            win::ShowWindow(Handle(), ShowCommand(FWindowState));
            if (OnShow)
                OnShow(this);
        } else if (HandleAllocated())
            win::ShowWindow(Handle(), win::SW_HIDE);
        return;
    default:
        break;
    }
    TWinControl::WndProc(message);
}

void TCustomForm::Close() {
    if (FModal) {
        FModalResult = mrCancel;
        return;
    }
    const bool mainForm = Application().MainForm() == this;
    // A closed MDI child goes away: hidden it would stay in the frame's child list.
    TCloseAction action = mainForm || FFormStyle == TFormStyle::fsMDIChild ? TCloseAction::caFree
                                                                           : TCloseAction::caHide;
    if (OnClose)
        OnClose(this, action);
    switch (action) {
    case TCloseAction::caNone:
        return;
    case TCloseAction::caMinimize:
        win::ShowWindow(Handle(), win::SW_MINIMIZE);
        return;
    default:
        break;
    }
    // Closing the main form in any way ends the application.
    if (mainForm)
        Application().Terminate();
    else if (action == TCloseAction::caHide)
        Hide();
    else
        Release();
}

void TCustomForm::Release() {
    win::PostMessage(Handle(), CM_RELEASE, 0, 0);
}

TModalResult TCustomForm::ShowModal() {
    // Only a hidden form starts a modal loop of its own.
    if (FModal || Visible())
        throw EInvalidOperation("Cannot make a visible window modal");
    // The window active before goes back to being active afterwards.
    const win::HWND owner = win::GetActiveWindow();
    // Whatever escapes (an OnShow handler's exception), the form stops being
    // modal and a release asked for meanwhile still happens.
    struct ModalState {
        TCustomForm& form;
        explicit ModalState(TCustomForm& f) : form(f) { form.FModal = true; }
        ~ModalState() {
            form.FModal = false;
            if (std::exchange(form.FReleaseAfterModal, false))
                form.Release();
        }
        ModalState(const ModalState&) = delete;
        ModalState& operator=(const ModalState&) = delete;
    } modalState(*this);
    FModalResult = mrNone;
    Show();
    win::ModalLoop loop;
    loop.window = Handle();
    loop.owner = owner;
    // Every other window of the program waits for the modal form.
    loop.scope = win::ModalScope::Thread;
    loop.filterCode = win::MSGF_DIALOGBOX;
    loop.preTranslate = [](const win::MSG& msg) { return IsKeyMessage(msg); };
    loop.idle = [] { Application().FreeReleasedForms(); };
    // A quit message ends the loop too, posted again for the application's loop.
    win::RunModalLoop(loop,
                      [this] { return FModalResult != mrNone || Application().Terminated(); });
    Hide();
    return FModalResult;
}

} // namespace fw

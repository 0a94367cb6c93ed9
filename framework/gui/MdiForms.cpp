// The multiple-document half of TCustomForm: the frame's MDI client window and the
// children made in it, default handling through the platform's frame and
// child procedures, and the window arrangement commands.

#include "framework/OSError.h"
#include "framework/gui/Application.h"
#include "framework/gui/Form.h"
#include "framework/gui/Screen.h"
#include "platform/kernel/Module.h"
#include "platform/kernel/SystemMessage.h"
#include "platform/user/menus/Mdi.h"

namespace fw {

namespace {

// A window command for the MDI client; a form that is no frame has none and ignores it.
void SendToClient(win::HWND client, win::UINT message, win::LPARAM lParam = 0) {
    if (client)
        win::SendMessage(client, message, 0, lParam);
}

} // namespace

TCustomForm* TCustomForm::MDIFrame() {
    TCustomForm* main = Application().MainForm();
    if (main && main->FormStyle() == TFormStyle::fsMDIForm)
        return main;
    for (int i = 0; i < Screen().FormCount(); ++i)
        if (Screen().Forms(i)->FormStyle() == TFormStyle::fsMDIForm)
            return Screen().Forms(i);
    return nullptr;
}

void TCustomForm::SetFormStyle(TFormStyle style) {
    if (style == FFormStyle)
        return;
    const TFormStyle previous = FFormStyle;
    FFormStyle = style;
    const auto mdi = [](TFormStyle s) {
        return s == TFormStyle::fsMDIForm || s == TFormStyle::fsMDIChild;
    };
    if (HandleAllocated()) {
        if (mdi(previous) || mdi(style))
            RecreateWnd();
        else
            win::SetWindowPos(Handle(),
                              style == TFormStyle::fsStayOnTop ? win::HWND_TOPMOST
                                                               : win::HWND_NOTOPMOST,
                              0, 0, 0, 0, win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOACTIVATE);
    }
    if (style == TFormStyle::fsMDIChild &&
        !ComponentState().Contains(TComponentStateItem::csLoading))
        Show();
}

void TCustomForm::CreateMDIClient() {
    win::RegisterMenuAndDialogClasses();
    win::CLIENTCREATESTRUCT create;
    // Child window ids from here on, clear of the command ids of menus.
    create.idFirstChild = 0xFF00;
    FClientHandle = win::CreateWindowEx(
        win::WS_EX_CLIENTEDGE, win::WC_MDICLIENT, "",
        win::WS_CHILD | win::WS_CLIPCHILDREN | win::WS_CLIPSIBLINGS | win::WS_VISIBLE, 0, 0, 0, 0,
        Handle(), nullptr, win::GetModuleHandle(nullptr), &create);
    if (!FClientHandle)
        throw EOSError("Error creating the MDI client window", win::GetLastError());
    Realign();
}

void TCustomForm::CreateWindowHandle(const TCreateParams& params) {
    if (FFormStyle != TFormStyle::fsMDIChild) {
        TWinControl::CreateWindowHandle(params);
        return;
    }
    // The client makes the child, places it (cascading by default) and activates it.
    const bool defaultPlace =
        FPosition == TPosition::poDefault || FPosition == TPosition::poDefaultPosOnly;
    const bool defaultSize =
        FPosition == TPosition::poDefault || FPosition == TPosition::poDefaultSizeOnly;
    const std::string className = ClassName();
    win::MDICREATESTRUCT create;
    create.szClass = className.c_str();
    create.szTitle = params.Caption.c_str();
    create.hOwner = win::GetModuleHandle(nullptr);
    create.x = defaultPlace ? win::CW_USEDEFAULT : params.X;
    create.y = defaultPlace ? win::CW_USEDEFAULT : params.Y;
    create.cx = defaultSize ? win::CW_USEDEFAULT : params.Width;
    create.cy = defaultSize ? win::CW_USEDEFAULT : params.Height;
    create.style = params.Style & ~win::WS_CHILD;
    CreateWindowRouted([&] {
        return reinterpret_cast<win::HWND>(win::SendMessage(
            params.WndParent, win::WM_MDICREATE, 0, reinterpret_cast<win::LPARAM>(&create)));
    });
}

void TCustomForm::DestroyWnd() {
    // A window made again comes back in the same state.
    if (HandleAllocated())
        FWindowState = WindowState();
    if (HandleAllocated() && FFormStyle == TFormStyle::fsMDIChild &&
        win::IsWindow(win::GetParent(Handle()))) {
        // Kept for a window made again; the client activates the next child and
        // gives back the frame's bar if this one was maximised.
        TControl::SetTextBuf(Text());
        win::SendMessage(win::GetParent(Handle()), win::WM_MDIDESTROY,
                         reinterpret_cast<win::WPARAM>(Handle()), 0);
    }
    FClientHandle = nullptr;
    if (HandleAllocated())
        TWinControl::DestroyWnd();
}

void TCustomForm::DefaultHandler(TMessage& message) {
    if (HandleAllocated() && message.Msg < CM_BASE) {
        if (FFormStyle == TFormStyle::fsMDIForm && message.Msg != win::WM_SIZE) {
            // WM_SIZE stays with the plain procedure: the client is laid out
            // below the aligned controls (AlignControls), not over the whole area.
            message.Result = win::DefFrameProc(Handle(), FClientHandle, message.Msg, message.WParam,
                                               message.LParam);
            return;
        }
        if (FFormStyle == TFormStyle::fsMDIChild &&
            (win::GetWindowLong(Handle(), win::GWL_EXSTYLE) & win::WS_EX_MDICHILD)) {
            message.Result =
                win::DefMDIChildProc(Handle(), message.Msg, message.WParam, message.LParam);
            return;
        }
    }
    TWinControl::DefaultHandler(message);
}

void TCustomForm::AlignControls(win::RECT& rect) {
    TWinControl::AlignControls(rect);
    if (FClientHandle)
        win::MoveWindow(FClientHandle, rect.left, rect.top, rect.right - rect.left,
                        rect.bottom - rect.top, win::TRUE);
}

std::vector<TCustomForm*> TCustomForm::MDIChildList() const {
    std::vector<TCustomForm*> children;
    if (!FClientHandle)
        return children;
    for (win::HWND child = win::GetWindow(FClientHandle, win::GW_CHILD); child;
         child = win::GetWindow(child, win::GW_HWNDNEXT))
        if (auto* form = dynamic_cast<TCustomForm*>(FindControl(child));
            form && form->FormStyle() == TFormStyle::fsMDIChild)
            children.push_back(form);
    return children;
}

int TCustomForm::MDIChildCount() const {
    return static_cast<int>(MDIChildList().size());
}

TCustomForm* TCustomForm::MDIChildren(int index) const {
    const std::vector<TCustomForm*> children = MDIChildList();
    if (index < 0 || index >= static_cast<int>(children.size()))
        throw CreateFmt<EListError>("List index out of bounds (%d)", index);
    return children[static_cast<std::size_t>(index)];
}

TCustomForm* TCustomForm::ActiveMDIChild() const {
    if (!FClientHandle)
        return nullptr;
    const auto active =
        reinterpret_cast<win::HWND>(win::SendMessage(FClientHandle, win::WM_MDIGETACTIVE, 0, 0));
    return dynamic_cast<TCustomForm*>(FindControl(active));
}

void TCustomForm::Cascade() {
    SendToClient(FClientHandle, win::WM_MDICASCADE);
}

void TCustomForm::Tile() {
    SendToClient(FClientHandle, win::WM_MDITILE);
}

void TCustomForm::ArrangeIcons() {
    SendToClient(FClientHandle, win::WM_MDIICONARRANGE);
}

void TCustomForm::Next() {
    SendToClient(FClientHandle, win::WM_MDINEXT);
}

void TCustomForm::Previous() {
    SendToClient(FClientHandle, win::WM_MDINEXT, 1);
}

} // namespace fw

#pragma once
// A top-level window with its border, title-bar buttons, position on screen,
// window state, the control focused in it, close handling, modal showing, and
// the definition that creates its controls. TCustomForm does the work; TForm
// publishes it.

#include "framework/gui/WinControl.h"

#include <memory>

namespace fw {

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
FW_ENUM_NAMES(TFormBorderStyle, "bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow",
              "bsSizeToolWin");

enum class TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
FW_ENUM_NAMES(TBorderIcon, "biSystemMenu", "biMinimize", "biMaximize", "biHelp");
using TBorderIcons = TSet<TBorderIcon>;

enum class TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
FW_ENUM_NAMES(TPosition, "poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly",
              "poScreenCenter", "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter");

enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
FW_ENUM_NAMES(TFormStyle, "fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop");

enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
FW_ENUM_NAMES(TWindowState, "wsNormal", "wsMinimized", "wsMaximized");

enum class TCloseAction { caNone, caHide, caFree, caMinimize };
FW_ENUM_NAMES(TCloseAction, "caNone", "caHide", "caFree", "caMinimize");

using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = 8;

class TIcon;

class TMainMenu;

class TCustomForm : public TWinControl {
    FW_CLASS(TCustomForm, TWinControl)

    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    // Reads the form's definition (the resource named after its class, when there
    // is one), then runs OnCreate. TApplication::CreateForm and NewForm call it.
    void AfterConstruction();

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons icons);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition position) { FPosition = position; }
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle style);
    // The caption's icon, given to the window as its large and small icon.
    TIcon* Icon() const { return FIcon.get(); }
    void SetIcon(TIcon* icon);
    // The menu bar: set on the window, which is then told of the menu's changes.
    TMainMenu* Menu() const { return FMenu; }
    void SetMenu(TMainMenu* menu);
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult result) { FModalResult = result; }
    // Shown minimised or maximised; follows the window while it has one.
    TWindowState WindowState() const;
    void SetWindowState(TWindowState state);
    // The control that has (or gets, when the form is activated) the focus
    // within the form.
    TWinControl* ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl* control);

    // While the definition is read the client size waits for the border to be
    // known, so the order of the two in the definition does not matter.
    void SetClientWidth(int width);
    void SetClientHeight(int height);
    void Loaded() override;

    win::RECT ClientRect() const override;
    bool Showing() const override;

    // Multiple documents (MdiForms.cpp). An fsMDIForm frame holds its children in
    // an MDI client window (ClientHandle) below its aligned controls; an
    // fsMDIChild form is made in the client of the application's MDI frame.
    win::HWND ClientHandle() const { return FClientHandle; }
    int MDIChildCount() const;
    // The children, the active one first, then in the order they lie.
    TCustomForm* MDIChildren(int index) const;
    TCustomForm* ActiveMDIChild() const;
    void Cascade();
    void Tile();
    void ArrangeIcons();
    void Next();
    void Previous();

    void Close();
    // Shows the form and runs the loop until ModalResult is set or the form closes.
    TModalResult ShowModal();
    // Frees the form once the message being handled is done; a form in its
    // modal loop waits until ShowModal has returned.
    void Release();

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TCloseEvent OnClose;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    void CreateWindowHandle(const TCreateParams& params) override;
    void DestroyWnd() override;
    void AlignControls(win::RECT& rect) override;
    void Notification(TComponent* component, TOperation operation) override;
    void Destroying() override;
    void PlaceOnScreen();

private:
    // Activation leaves the focus on the form's window: it goes on to the
    // active control, or to the first control in tab order.
    void FocusActiveControl();
    win::DWORD FrameStyle() const;
    // The MDI frame an fsMDIChild form is made in: the main form, else the first frame.
    static TCustomForm* MDIFrame();
    void CreateMDIClient();
    std::vector<TCustomForm*> MDIChildList() const;
    void IconChanged();

    TFormBorderStyle FBorderStyle = TFormBorderStyle::bsSizeable;
    TBorderIcons FBorderIcons{TBorderIcon::biSystemMenu, TBorderIcon::biMinimize,
                              TBorderIcon::biMaximize};
    TPosition FPosition = TPosition::poDesigned;
    TFormStyle FFormStyle = TFormStyle::fsNormal;
    win::HWND FClientHandle = nullptr;
    TModalResult FModalResult = mrNone;
    TMainMenu* FMenu = nullptr;
    TWindowState FWindowState = TWindowState::wsNormal;
    TWinControl* FActiveControl = nullptr;
    bool FModal = false;
    // Released while its modal loop ran: released again once ShowModal returns.
    bool FReleaseAfterModal = false;
    int FLoadedClientWidth = -1;
    int FLoadedClientHeight = -1;
    std::unique_ptr<TIcon> FIcon;
};

// The form class that form definitions and programs derive from; it
// publishes what TCustomForm keeps.
class TForm : public TCustomForm {
    FW_CLASS(TForm, TCustomForm)

    explicit TForm(TComponent* owner) : TCustomForm(owner) {}
};

// A form of class T owned by owner, with its definition read and OnCreate run.
template <class T> T* NewForm(TComponent* owner) {
    T* form = new T(owner);
    form->AfterConstruction();
    return form;
}

} // namespace fw

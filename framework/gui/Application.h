#pragma once
// The application object: its title, its window (hidden; the owner of hint
// windows and the carrier of the program's icons), the main form, the message
// loop that runs until the main form closes, one turn of message processing
// for code that blocks, the standard error box for exceptions that reach the
// loop, and the hints shown for the control under the mouse.

#include "framework/Color.h"
#include "framework/Component.h"
#include "framework/Exception.h"
#include "platform/user/menus/MessageBox.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace fw {

class TCustomForm;
class TWinControl;
class TControl;
class TIcon;
class THintWindow;

using win::IDCANCEL;
using win::IDNO;
using win::IDOK;
using win::IDYES;
using win::MB_ICONINFORMATION;
using win::MB_ICONQUESTION;
using win::MB_ICONSTOP;
using win::MB_ICONWARNING;
using win::MB_OK;
using win::MB_OKCANCEL;
using win::MB_YESNO;

// Shows a modal message box and returns the button chosen: the window manager's
// box owned by the active window, unless a host (a test, a tool without a
// display) routes boxes elsewhere.
using TMessageBoxFunction =
    std::function<int(const std::string& text, const std::string& caption, unsigned flags)>;
TMessageBoxFunction SetMessageBoxFunction(TMessageBoxFunction function);

using TExceptionEvent = std::function<void(TObject* sender, const Exception& error)>;

class TApplication : public TComponent {
    FW_CLASS(TApplication, TComponent)

    explicit TApplication(TComponent* owner);
    ~TApplication() override;

    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& title);
    // The application's window, made on first use: never shown, of class
    // "TApplication", with the module's instance and the program's icons (the
    // "MAINICON" icon resource when the program has one).
    win::HWND Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    TIcon* Icon() const { return FIcon.get(); }
    void SetIcon(TIcon* icon);
    TCustomForm* MainForm() const { return FMainForm; }
    bool Terminated() const { return FTerminated; }

    void Initialize();
    // Creates a form owned by the application, reading its definition; the first
    // one becomes the main form.
    template <class T> T* CreateForm(T*& reference) {
        reference = new T(this);
        FormCreated(*reference);
        return reference;
    }
    // Shows the main form and dispatches messages until the application ends,
    // then frees every form and component the application owns.
    void Run();
    // Dispatches every message waiting now, then returns.
    void ProcessMessages();
    // Dispatches one waiting message, or waits for one when there is none.
    void HandleMessage();
    // Ends the loop: a quit message that Run meets.
    void Terminate();

    // Shows the exception being handled (call from a catch block) unless it is
    // EAbort; OnException replaces the box.
    void HandleException(TObject* sender);
    void ShowException(const Exception& error);
    int MessageBox(const std::string& text, const std::string& caption, unsigned flags);

    // Frees the form once the message being handled has been dispatched.
    void ReleaseForm(TCustomForm& form);
    // Frees the forms released so far; modal loops call it when they go idle.
    void FreeReleasedForms();

    // Hints (ApplicationHints.cpp). The control under the mouse shows its Hint
    // (the part before any "|") when it, or the nearest parent that does, has
    // ShowHint: after HintPause milliseconds of the mouse over it, for
    // HintHidePause milliseconds, below the cursor; moving on to another
    // control while a hint shows takes HintShortPause. A press, a key or the
    // wheel hides it until the mouse goes over another control.
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool showHint);
    int HintPause() const { return FHintPause; }
    void SetHintPause(int milliseconds) { FHintPause = milliseconds; }
    int HintShortPause() const { return FHintShortPause; }
    void SetHintShortPause(int milliseconds) { FHintShortPause = milliseconds; }
    int HintHidePause() const { return FHintHidePause; }
    void SetHintHidePause(int milliseconds) { FHintHidePause = milliseconds; }
    TColor HintColor() const { return FHintColor; }
    void SetHintColor(TColor color) { FHintColor = color; }
    // The control whose hint waits or shows, or null.
    TControl* HintControl() const { return FHintControl; }
    // The window hints are shown in, made on first use.
    THintWindow& HintWindow();
    // The mouse went over control (null: over none of the program's controls).
    void HintMouseMessage(TControl* control);
    void CancelHint();

    TExceptionEvent OnException;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void FormCreated(TCustomForm& form);
    // True when a message was there; false when the queue was empty.
    bool ProcessMessage();
    static win::LRESULT WindowProcedure(win::HWND hwnd, win::UINT message, win::WPARAM wParam,
                                        win::LPARAM lParam);
    void IconChanged();
    void HintTimerExpired(win::UINT_PTR timer);
    void StartHintTimer(win::UINT_PTR timer, int milliseconds);
    void StopHintTimers();
    void ShowHintNow();
    void HideHintWindow();

    std::string FTitle;
    win::HWND FHandle = nullptr;
    std::unique_ptr<TIcon> FIcon;
    bool FShowHint = true;
    int FHintPause = 500;
    int FHintShortPause = 50;
    int FHintHidePause = 2500;
    TColor FHintColor = clInfoBk;
    TControl* FHintControl = nullptr;
    THintWindow* FHintWindow = nullptr;
    TCustomForm* FMainForm = nullptr;
    bool FTerminated = false;
    std::vector<TCustomForm*> FReleased;
};

// The process's application object, made on first use.
TApplication& Application();
void ShowMessage(const std::string& text);

} // namespace fw

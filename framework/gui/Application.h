#pragma once
// The application object: its title, the main form, the message loop that runs
// until the main form closes, one turn of message processing for code that
// blocks, and the standard error box for exceptions that reach the loop.

#include "framework/Component.h"
#include "framework/Exception.h"
#include "platform/user/menus/MessageBox.h"

#include <functional>
#include <string>
#include <vector>

namespace fw {

class TCustomForm;
class TWinControl;

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
    void SetTitle(const std::string& title) { FTitle = title; }
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

    TExceptionEvent OnException;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void FormCreated(TCustomForm& form);
    // True when a message was there; false when the queue was empty.
    bool ProcessMessage();

    std::string FTitle;
    TCustomForm* FMainForm = nullptr;
    bool FTerminated = false;
    std::vector<TCustomForm*> FReleased;
};

// The process's application object, made on first use.
TApplication& Application();
void ShowMessage(const std::string& text);

} // namespace fw

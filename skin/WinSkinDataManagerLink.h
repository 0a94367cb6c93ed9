#pragma once
// The skin data component's one door to the process-wide skin manager: the
// coordinator that watches windows being created and activated through a
// window hook and attaches the painters to them. The layer that implements the
// manager installs a factory (SetSkinManagerFactory); the first component that
// finishes loading has the manager made. Without a factory no manager exists,
// and skin data components load their skin and keep their settings but change
// nothing on screen.

#include "platform/kernel/WinTypes.h"
#include "platform/user/UserTypes.h"

#include <functional>
#include <memory>

namespace fw {
class TControl;
class TForm;
} // namespace fw

namespace skin {

class TSkinData;

// Deferred actions, carried out from the manager's timer.
enum class TSkinAction {
    SkinAll = 1,
    UnskinAll = 2,
    ApplySkin = 3,
    ReskinForm = 7,
};

// The delay every request of the component asks for.
constexpr int kSkinActionDelay = 250;

// What the component asks of the manager.
class ISkinManager {
public:
    virtual ~ISkinManager() = default;

    // The first sfMainform component registered becomes the main component.
    virtual void AddSkinData(TSkinData& data) = 0;
    virtual void RemoveSkinData(TSkinData& data) = 0;

    // The window hook of the calling (GUI) thread, or of another thread.
    virtual void InstallHook() = 0;
    virtual void InstallThread(win::DWORD threadId) = 0;
    virtual void UnInstallThread(win::DWORD threadId) = 0;

    // 0 until the first window activation (or a main component switched on), 1
    // from then on.
    virtual int State() const = 0;
    virtual void SetState(int state) = 0;
    // Whether new windows are skinned.
    virtual void SetActive(bool active) = 0;

    // Carries out action for data kDelay ms from now (once started; before that
    // SkinAll and UnskinAll only switch the manager on or off). ReskinForm
    // re-skins the window form.
    virtual void RequestAction(TSkinData& data, TSkinAction action, win::HWND form = nullptr) = 0;
    // Every form skinned with data drops its title bar button objects.
    virtual void DeleteSysbtn(TSkinData& data) = 0;
    // Skins one window now; childForms also accepts child windows as forms.
    virtual bool AddForm(win::HWND window, bool childForms) = 0;

    // Through the skinner of a skinned form; nothing for a form not skinned.
    virtual void AddNestForm(fw::TForm& parent, fw::TForm& nested) = 0;
    // control null: every control of the form.
    virtual void UpdateSkinControl(fw::TForm& parent, fw::TControl* control) = 0;
    virtual void DeleteGraphicControl(fw::TForm& parent, fw::TControl& control) = 0;
    virtual void UpdateMenu(fw::TForm& parent) = 0;
    // Every form skinner's menu bar refreshes its buttons.
    virtual void RefreshMenuBars() = 0;
};

using TSkinManagerFactory = std::function<std::unique_ptr<ISkinManager>()>;

// Replaces the factory; the manager already made, if any, stays.
void SetSkinManagerFactory(TSkinManagerFactory factory);
// The manager, or null while none has been made.
ISkinManager* SkinManager();
// The manager, made through the factory if there is none yet; null without a
// factory.
ISkinManager* EnsureSkinManager();
// Ends the manager (at program end; tests between cases).
void DestroySkinManager();

} // namespace skin

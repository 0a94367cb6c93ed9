#pragma once
// The window manager's state for the process: the desktop window at the root
// of the tree, the window and class tables, the GUI thread's queue, timers,
// hooks and input state, the clock and the backend.

#include "platform/user/Backend.h"
#include "platform/user/Clock.h"
#include "platform/user/HookTable.h"
#include "platform/user/InputState.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/TimerTable.h"
#include "platform/user/WindowClass.h"
#include "platform/user/WindowTable.h"

#include <memory>

namespace win {

class Desktop {
public:
    static Desktop& Get();

    Window& Root() { return *root_; }
    bool IsRoot(const Window& window) const { return &window == root_; }
    bool IsTopLevel(const Window& window) const { return window.parent == root_; }
    Window* Find(HWND hwnd) const;
    // Top-level window that holds `window` (itself when top-level).
    Window& TopLevelOf(Window& window);

    WindowTable& Windows() { return windows_; }
    ClassTable& Classes() { return classes_; }
    MessageQueue& Queue() { return queue_; }
    TimerTable& Timers() { return timers_; }
    HookTable& Hooks() { return hooks_; }
    InputState& Input() { return input_; }

    Backend& Display() { return *backend_; }
    void SetBackend(std::unique_ptr<Backend> backend);
    const Clock& Time() const { return *clock_; }
    void SetClock(std::unique_ptr<Clock> clock);
    DWORD GuiThread() const { return guiThread_; }

    int SendDepth() const { return sendDepth_; }
    void EnterSend() { ++sendDepth_; }
    void LeaveSend() { --sendDepth_; }

private:
    Desktop();

    WindowTable windows_;
    ClassTable classes_;
    MessageQueue queue_;
    TimerTable timers_;
    HookTable hooks_;
    InputState input_;
    std::unique_ptr<Backend> backend_;
    std::unique_ptr<Clock> clock_;
    Window* root_ = nullptr;
    DWORD guiThread_ = 0;
    int sendDepth_ = 0;
};

// Installs the display below the window manager; done once at start (the
// headless backend is used when nothing was installed).
void InstallBackend(std::unique_ptr<Backend> backend);
void InstallClock(std::unique_ptr<Clock> clock);

} // namespace win

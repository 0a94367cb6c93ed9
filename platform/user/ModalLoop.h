#pragma once
// The one modal loop of the GUI thread, shared by message boxes, dialogs and
// modal forms: it disables the owners, shows and activates the modal window,
// dispatches (after the message-filter hook and the caller's own keys), sends
// WM_ENTERIDLE to the owner whenever the queue runs dry, and on the way out
// enables the owners before activation goes back to the owner.

#include "platform/user/UserTypes.h"

#include <functional>

namespace win {

enum class ModalScope {
    Owner,  // the owner alone is disabled
    Thread, // every enabled top-level window of the thread (MB_TASKMODAL)
};

struct ModalLoop {
    HWND window = nullptr; // the modal window, shown and activated by the loop
    HWND owner = nullptr;  // may be null
    ModalScope scope = ModalScope::Owner;
    int filterCode = 0; // MSGF_DIALOGBOX, MSGF_MESSAGEBOX, ...
    // Sees each message before TranslateMessage; true when it handled it.
    std::function<bool(const MSG&)> preTranslate;
    // Called when the queue is empty, before the loop waits.
    std::function<void()> idle;
};

// Runs until `done` answers true, the modal window is destroyed or WM_QUIT
// arrives (posted again for the outer loop). The modal window is left to the
// caller to hide or destroy.
void RunModalLoop(const ModalLoop& loop, const std::function<bool()>& done);

} // namespace win

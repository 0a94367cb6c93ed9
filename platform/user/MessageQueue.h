#pragma once
// The GUI thread's queue of posted messages and raw input, in arrival order.
// Posting is allowed from any thread; everything else runs on the GUI thread.

#include "platform/user/UserTypes.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>

namespace win {

struct QueuedMessage {
    MSG msg;
    // Raw input has no target yet: it is routed (hit testing, capture, focus)
    // when the loop first looks at it.
    bool rawInput = false;
    std::uint64_t sequence = 0; // assigned by Post
};

class MessageQueue {
public:
    void Post(const QueuedMessage& message);
    // Ahead of everything queued: TranslateMessage's characters come next.
    void PostFront(const QueuedMessage& message);
    void PostQuit(int exitCode);
    std::optional<int> QuitCode() const;
    void ClearQuit();

    // Routes every raw entry in order with `route` (which fills in the target
    // and may drop the entry by returning false), then takes the first entry
    // that `matches`.
    std::optional<MSG> Take(const std::function<bool(MSG&)>& route,
                            const std::function<bool(const MSG&)>& matches, bool remove);
    bool Empty() const;
    // Drops messages for a destroyed window.
    void Forget(HWND hwnd);

private:
    mutable std::mutex mutex_;
    std::deque<QueuedMessage> messages_;
    std::optional<int> quitCode_;
    std::uint64_t nextSequence_ = 1;
};

} // namespace win

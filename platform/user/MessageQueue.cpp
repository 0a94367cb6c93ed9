#include "platform/user/MessageQueue.h"

#include <algorithm>

namespace win {

void MessageQueue::Post(const QueuedMessage& message) {
    std::lock_guard lock(mutex_);
    messages_.push_back(message);
    messages_.back().sequence = nextSequence_++;
}

void MessageQueue::PostQuit(int exitCode) {
    std::lock_guard lock(mutex_);
    quitCode_ = exitCode;
}

void MessageQueue::PostFront(const QueuedMessage& message) {
    std::lock_guard lock(mutex_);
    messages_.push_front(message);
    messages_.front().sequence = nextSequence_++;
}

std::optional<int> MessageQueue::QuitCode() const {
    std::lock_guard lock(mutex_);
    return quitCode_;
}

void MessageQueue::ClearQuit() {
    std::lock_guard lock(mutex_);
    quitCode_.reset();
}

std::optional<MSG> MessageQueue::Take(const std::function<bool(MSG&)>& route,
                                      const std::function<bool(const MSG&)>& matches, bool remove) {
    // Routing sends messages (WM_NCHITTEST, WM_SETCURSOR ...) whose handlers may
    // post: never hold the lock across it, and re-find the entry afterwards.
    for (std::size_t index = 0;; ++index) {
        QueuedMessage entry;
        {
            std::lock_guard lock(mutex_);
            if (index >= messages_.size())
                return std::nullopt;
            entry = messages_[index];
        }
        if (entry.rawInput) {
            MSG routed = entry.msg;
            const bool keep = route(routed);
            std::lock_guard lock(mutex_);
            auto it = std::find_if(messages_.begin(), messages_.end(), [&](const QueuedMessage& q) {
                return q.sequence == entry.sequence;
            });
            if (it == messages_.end())
                return std::nullopt;
            index = std::size_t(it - messages_.begin());
            if (!keep) {
                messages_.erase(it);
                --index;
                continue;
            }
            it->rawInput = false;
            it->msg = routed;
            entry = *it;
        }
        if (!matches(entry.msg))
            continue;
        if (remove) {
            std::lock_guard lock(mutex_);
            messages_.erase(messages_.begin() + std::ptrdiff_t(index));
        }
        return entry.msg;
    }
}

bool MessageQueue::Empty() const {
    std::lock_guard lock(mutex_);
    return messages_.empty();
}

void MessageQueue::Forget(HWND hwnd) {
    std::lock_guard lock(mutex_);
    std::erase_if(messages_,
                  [hwnd](const QueuedMessage& q) { return !q.rawInput && q.msg.hwnd == hwnd; });
}

} // namespace win

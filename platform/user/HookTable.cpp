#include "platform/user/HookTable.h"

#include "platform/user/Threads.h"

#include <algorithm>

namespace win {

HHOOK HookTable::Add(int type, HOOKPROC proc, DWORD threadId) {
    if (proc == nullptr)
        return nullptr;
    const auto handle = reinterpret_cast<HHOOK>(next_);
    next_ += 2;
    hooks_.push_back(Hook{handle, type, proc, threadId, false});
    return handle;
}

bool HookTable::Remove(HHOOK hook) {
    auto it = std::find_if(hooks_.begin(), hooks_.end(),
                           [&](const Hook& h) { return h.handle == hook && !h.removed; });
    if (it == hooks_.end())
        return false;
    // A hook may unhook itself (or another) while the chain runs: mark now,
    // erase when no chain is running.
    it->removed = true;
    Compact();
    return true;
}

LRESULT HookTable::CallChain(int type, int code, WPARAM wParam, LPARAM lParam) {
    return CallFrom(hooks_.size(), type, CurrentThreadId(), code, wParam, lParam);
}

LRESULT HookTable::CallNext(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
    auto it =
        std::find_if(hooks_.begin(), hooks_.end(), [&](const Hook& h) { return h.handle == hook; });
    std::size_t index = 0;
    if (it != hooks_.end())
        index = std::size_t(it - hooks_.begin());
    else if (!calling_.empty())
        index = calling_.back();
    else
        return 0;
    return CallFrom(index, hooks_[index].type, CurrentThreadId(), code, wParam, lParam);
}

bool HookTable::Any(int type) const {
    return std::any_of(hooks_.begin(), hooks_.end(),
                       [&](const Hook& h) { return h.type == type && !h.removed; });
}

LRESULT HookTable::CallFrom(std::size_t index, int type, DWORD threadId, int code, WPARAM wParam,
                            LPARAM lParam) {
    while (index > 0) {
        --index;
        const Hook& hook = hooks_[index];
        if (hook.removed || hook.type != type || (hook.threadId != 0 && hook.threadId != threadId))
            continue;
        const HOOKPROC proc = hook.proc;
        ++callDepth_;
        calling_.push_back(index);
        struct Pop {
            HookTable& table;
            ~Pop() {
                table.calling_.pop_back();
                --table.callDepth_;
                table.Compact();
            }
        } pop{*this};
        return proc(code, wParam, lParam);
    }
    return 0;
}

void HookTable::Compact() {
    if (callDepth_ == 0)
        std::erase_if(hooks_, [](const Hook& h) { return h.removed; });
}

} // namespace win

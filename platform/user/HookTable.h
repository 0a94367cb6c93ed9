#pragma once
// Windows hooks of the CBT and message-filter kinds, chained per thread: the
// newest hook is called first and passes on with CallNextHookEx.

#include "platform/user/UserTypes.h"

#include <vector>

namespace win {

class HookTable {
public:
    HHOOK Add(int type, HOOKPROC proc, DWORD threadId);
    bool Remove(HHOOK hook);
    // Calls the chain of `type` for the calling thread from its newest hook.
    LRESULT CallChain(int type, int code, WPARAM wParam, LPARAM lParam);
    // Calls the hooks after `hook` in its chain; 0 at the end of the chain.
    LRESULT CallNext(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);
    bool Any(int type) const;

private:
    struct Hook {
        HHOOK handle = nullptr;
        int type = 0;
        HOOKPROC proc = nullptr;
        DWORD threadId = 0; // 0: every thread
        bool removed = false;
    };
    LRESULT CallFrom(std::size_t index, int type, DWORD threadId, int code, WPARAM wParam,
                     LPARAM lParam);
    void Compact();

    std::vector<Hook> hooks_; // oldest first
    // Index of the hook being called, innermost last: CallNextHookEx may be
    // given a null handle, as Windows allows.
    std::vector<std::size_t> calling_;
    std::uintptr_t next_ = 0x20020;
    int callDepth_ = 0;
};

} // namespace win

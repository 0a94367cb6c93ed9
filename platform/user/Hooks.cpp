// The hook API over the hook table.

#include "platform/user/Desktop.h"
#include "platform/user/WinUser.h"

namespace win {

HHOOK SetWindowsHookEx(int type, HOOKPROC proc, HINSTANCE, DWORD threadId) {
    if (type != WH_CBT && type != WH_MSGFILTER && type != WH_SYSMSGFILTER)
        return nullptr;
    return Desktop::Get().Hooks().Add(type, proc, threadId);
}

BOOL UnhookWindowsHookEx(HHOOK hook) {
    return Desktop::Get().Hooks().Remove(hook) ? TRUE : FALSE;
}

LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
    return Desktop::Get().Hooks().CallNext(hook, code, wParam, lParam);
}

// The system-wide filter first, then the thread's, as Windows orders them.
BOOL CallMsgFilter(MSG* msg, int code) {
    HookTable& hooks = Desktop::Get().Hooks();
    const LPARAM lParam = reinterpret_cast<LPARAM>(msg);
    if (hooks.Any(WH_SYSMSGFILTER) && hooks.CallChain(WH_SYSMSGFILTER, code, 0, lParam))
        return TRUE;
    if (hooks.Any(WH_MSGFILTER) && hooks.CallChain(WH_MSGFILTER, code, 0, lParam))
        return TRUE;
    return FALSE;
}

} // namespace win

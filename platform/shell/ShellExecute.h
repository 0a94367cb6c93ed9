#pragma once
// ShellExecute for the "open" verb (an empty verb means "open"; the verb is
// compared without regard to case, "OPEN" included).
//
// A URL (a scheme of two or more letters before ':') or a file that is not
// executable is opened with xdg-open, the desktop's own handler, detached; an
// executable file is started detached with the parameters split by Windows'
// command-line rules, in the given directory (empty: the current one). Neither
// is waited for. The result is, as on Windows, a value above 32 on success,
// else one of the SE_ERR_ codes.

#include "platform/kernel/ShowCommands.h"
#include "platform/shell/ShellTypes.h"

#include <string>
#include <string_view>

namespace win {

constexpr int SE_ERR_FNF = 2;
constexpr int SE_ERR_PNF = 3;
constexpr int SE_ERR_ACCESSDENIED = 5;
constexpr int SE_ERR_OOM = 8;
constexpr int SE_ERR_NOASSOC = 31;

HINSTANCE ShellExecute(HWND owner, std::string_view operation, std::string_view file,
                       std::string_view parameters, std::string_view directory, INT showCommand);

// The shell's reason for a failed ShellExecute, as a one-line text.
std::string ShellExecuteErrorText(int result);

} // namespace win

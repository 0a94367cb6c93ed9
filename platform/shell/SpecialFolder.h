#pragma once
// Special folders by CSIDL code, resolved the XDG way:
//   CSIDL_DESKTOP, CSIDL_DESKTOPDIRECTORY  the XDG desktop folder: XDG_DESKTOP_DIR
//       of $XDG_CONFIG_HOME/user-dirs.dirs (default ~/.config/user-dirs.dirs, the
//       file xdg-user-dir reads; may be localised, e.g. ~/桌面), else the
//       environment's XDG_DESKTOP_DIR, else ~/Desktop;
//   CSIDL_PERSONAL  the XDG documents folder, else the home folder;
//   CSIDL_PROFILE   the home folder ($HOME, else the password database);
//   CSIDL_APPDATA   $XDG_CONFIG_HOME (~/.config); CSIDL_LOCAL_APPDATA
//       $XDG_DATA_HOME (~/.local/share); CSIDL_PROGRAMS its "applications" folder.
// A folder that does not exist does not resolve (HRESULT_FROM_WIN32
// (ERROR_FILE_NOT_FOUND)) unless CSIDL_FLAG_CREATE asks to create it; an unknown
// code gives E_INVALIDARG.

#include "platform/kernel/WinError.h"
#include "platform/shell/ShellTypes.h"

#include <string>

namespace win {

constexpr int CSIDL_DESKTOP = 0x0000;
constexpr int CSIDL_PROGRAMS = 0x0002;
constexpr int CSIDL_PERSONAL = 0x0005;
constexpr int CSIDL_DESKTOPDIRECTORY = 0x0010;
constexpr int CSIDL_APPDATA = 0x001A;
constexpr int CSIDL_LOCAL_APPDATA = 0x001C;
constexpr int CSIDL_PROFILE = 0x0028;
constexpr int CSIDL_FLAG_CREATE = 0x8000;

// An item list naming a file-system folder; freed with ILFree.
struct ITEMIDLIST;
using PIDLIST_ABSOLUTE = ITEMIDLIST*;
using PCIDLIST_ABSOLUTE = const ITEMIDLIST*;

HRESULT SHGetSpecialFolderLocation(HWND owner, int folder, PIDLIST_ABSOLUTE* list);
// Writes the item list's file-system path; FALSE for a null list.
BOOL SHGetPathFromIDList(PCIDLIST_ABSOLUTE list, std::string* path);
void ILFree(PIDLIST_ABSOLUTE list);

} // namespace win

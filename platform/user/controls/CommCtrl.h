#pragma once
// The common controls (tab control, status bar, progress bar, track bar,
// up-down, header): class names, styles, messages, notifications and records
// with their Windows values. Strings are UTF-8; a message that Windows has in
// an ANSI and a wide form is accepted under both numbers, and the name without
// suffix carries the wide number, which is what skinners send.

#include "platform/user/controls/StandardControls.h"

namespace win {

inline constexpr const char* WC_TABCONTROL = "SysTabControl32";
inline constexpr const char* STATUSCLASSNAME = "msctls_statusbar32";
inline constexpr const char* PROGRESS_CLASS = "msctls_progress32";
inline constexpr const char* TRACKBAR_CLASS = "msctls_trackbar32";
inline constexpr const char* UPDOWN_CLASS = "msctls_updown32";
inline constexpr const char* WC_HEADER = "SysHeader32";

struct INITCOMMONCONTROLSEX {
    DWORD dwSize = sizeof(INITCOMMONCONTROLSEX);
    DWORD dwICC = 0;
};
constexpr DWORD ICC_LISTVIEW_CLASSES = 0x00000001;
constexpr DWORD ICC_TREEVIEW_CLASSES = 0x00000002;
constexpr DWORD ICC_BAR_CLASSES = 0x00000004;
constexpr DWORD ICC_TAB_CLASSES = 0x00000008;
constexpr DWORD ICC_UPDOWN_CLASS = 0x00000010;
constexpr DWORD ICC_PROGRESS_CLASS = 0x00000020;
constexpr DWORD ICC_WIN95_CLASSES = 0x000000FF;
constexpr DWORD ICC_STANDARD_CLASSES = 0x00004000;

// Registers every system control class (standard and common) once; later
// calls do nothing. Windows registers the standard classes by itself; here the
// window manager's class lookup or the program calls this.
void InitCommonControls();
BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init);

// Notifications.
struct NMHDR {
    HWND hwndFrom = nullptr;
    UINT_PTR idFrom = 0;
    UINT code = 0;
};

constexpr UINT NM_CLICK = UINT(-2);
constexpr UINT NM_DBLCLK = UINT(-3);
constexpr UINT NM_RETURN = UINT(-4);
constexpr UINT NM_RCLICK = UINT(-5);
constexpr UINT NM_SETFOCUS = UINT(-7);
constexpr UINT NM_KILLFOCUS = UINT(-8);
constexpr UINT NM_CUSTOMDRAW = UINT(-12);
constexpr UINT NM_RELEASEDCAPTURE = UINT(-16);

struct NMCUSTOMDRAW {
    NMHDR hdr;
    DWORD dwDrawStage = 0;
    HDC hdc = nullptr;
    RECT rc;
    std::uintptr_t dwItemSpec = 0;
    UINT uItemState = 0;
    LPARAM lItemlParam = 0;
};

constexpr DWORD CDDS_PREPAINT = 0x00000001;
constexpr DWORD CDDS_POSTPAINT = 0x00000002;
constexpr DWORD CDDS_PREERASE = 0x00000003;
constexpr DWORD CDDS_POSTERASE = 0x00000004;
constexpr DWORD CDDS_ITEM = 0x00010000;
constexpr DWORD CDDS_ITEMPREPAINT = CDDS_ITEM | CDDS_PREPAINT;
constexpr DWORD CDDS_ITEMPOSTPAINT = CDDS_ITEM | CDDS_POSTPAINT;
constexpr LRESULT CDRF_DODEFAULT = 0x00000000;
constexpr LRESULT CDRF_NEWFONT = 0x00000002;
constexpr LRESULT CDRF_SKIPDEFAULT = 0x00000004;
constexpr LRESULT CDRF_NOTIFYPOSTPAINT = 0x00000010;
constexpr LRESULT CDRF_NOTIFYITEMDRAW = 0x00000020;
constexpr UINT CDIS_SELECTED = 0x0001;
constexpr UINT CDIS_DISABLED = 0x0004;
constexpr UINT CDIS_FOCUS = 0x0010;
constexpr UINT CDIS_HOT = 0x0040;

constexpr UINT CCM_SETBKCOLOR = 0x2001;
constexpr COLORREF CLR_DEFAULT = 0xFF000000;

// Tab control.
constexpr DWORD TCS_SCROLLOPPOSITE = 0x0001;
constexpr DWORD TCS_BOTTOM = 0x0002;
constexpr DWORD TCS_RIGHT = 0x0002;
constexpr DWORD TCS_FLATBUTTONS = 0x0008;
constexpr DWORD TCS_HOTTRACK = 0x0040;
constexpr DWORD TCS_VERTICAL = 0x0080;
constexpr DWORD TCS_TABS = 0x0000;
constexpr DWORD TCS_BUTTONS = 0x0100;
constexpr DWORD TCS_SINGLELINE = 0x0000;
constexpr DWORD TCS_MULTILINE = 0x0200;
constexpr DWORD TCS_FIXEDWIDTH = 0x0400;
constexpr DWORD TCS_FOCUSONBUTTONDOWN = 0x1000;
constexpr DWORD TCS_OWNERDRAWFIXED = 0x2000;
constexpr DWORD TCS_FOCUSNEVER = 0x8000;

constexpr UINT TCM_FIRST = 0x1300;
constexpr UINT TCM_GETIMAGELIST = TCM_FIRST + 2;
constexpr UINT TCM_GETITEMCOUNT = TCM_FIRST + 4;
constexpr UINT TCM_GETITEMA = TCM_FIRST + 5;
constexpr UINT TCM_SETITEMA = TCM_FIRST + 6;
constexpr UINT TCM_INSERTITEMA = TCM_FIRST + 7;
constexpr UINT TCM_DELETEITEM = TCM_FIRST + 8;
constexpr UINT TCM_DELETEALLITEMS = TCM_FIRST + 9;
constexpr UINT TCM_GETITEMRECT = TCM_FIRST + 10;
constexpr UINT TCM_GETCURSEL = TCM_FIRST + 11;
constexpr UINT TCM_SETCURSEL = TCM_FIRST + 12;
constexpr UINT TCM_HITTEST = TCM_FIRST + 13;
constexpr UINT TCM_ADJUSTRECT = TCM_FIRST + 40;
constexpr UINT TCM_SETITEMSIZE = TCM_FIRST + 41;
constexpr UINT TCM_SETPADDING = TCM_FIRST + 43;
constexpr UINT TCM_GETROWCOUNT = TCM_FIRST + 44;
constexpr UINT TCM_GETCURFOCUS = TCM_FIRST + 47;
constexpr UINT TCM_SETCURFOCUS = TCM_FIRST + 48;
constexpr UINT TCM_GETITEMW = TCM_FIRST + 60;
constexpr UINT TCM_SETITEMW = TCM_FIRST + 61;
constexpr UINT TCM_INSERTITEMW = TCM_FIRST + 62;
constexpr UINT TCM_GETITEM = TCM_GETITEMW;
constexpr UINT TCM_SETITEM = TCM_SETITEMW;
constexpr UINT TCM_INSERTITEM = TCM_INSERTITEMW;

constexpr UINT TCIF_TEXT = 0x0001;
constexpr UINT TCIF_IMAGE = 0x0002;
constexpr UINT TCIF_PARAM = 0x0008;
constexpr UINT TCIF_STATE = 0x0010;

struct TCITEM {
    UINT mask = 0;
    DWORD dwState = 0;
    DWORD dwStateMask = 0;
    char* pszText = nullptr;
    int cchTextMax = 0;
    int iImage = -1;
    LPARAM lParam = 0;
};

constexpr UINT TCHT_NOWHERE = 0x0001;
constexpr UINT TCHT_ONITEMICON = 0x0002;
constexpr UINT TCHT_ONITEMLABEL = 0x0004;
constexpr UINT TCHT_ONITEM = TCHT_ONITEMICON | TCHT_ONITEMLABEL;

struct TCHITTESTINFO {
    POINT pt;
    UINT flags = 0;
};

constexpr UINT TCN_KEYDOWN = UINT(-550);
constexpr UINT TCN_SELCHANGE = UINT(-551);
constexpr UINT TCN_SELCHANGING = UINT(-552);

// Status bar.
constexpr DWORD SBARS_SIZEGRIP = 0x0100;
constexpr DWORD SBARS_TOOLTIPS = 0x0800;

constexpr UINT SB_SETTEXTA = WM_USER + 1;
constexpr UINT SB_GETTEXTA = WM_USER + 2;
constexpr UINT SB_GETTEXTLENGTHA = WM_USER + 3;
constexpr UINT SB_SETPARTS = WM_USER + 4;
constexpr UINT SB_GETPARTS = WM_USER + 6;
constexpr UINT SB_GETBORDERS = WM_USER + 7;
constexpr UINT SB_SETMINHEIGHT = WM_USER + 8;
constexpr UINT SB_SIMPLE = WM_USER + 9;
constexpr UINT SB_GETRECT = WM_USER + 10;
constexpr UINT SB_SETTEXTW = WM_USER + 11;
constexpr UINT SB_GETTEXTLENGTHW = WM_USER + 12;
constexpr UINT SB_GETTEXTW = WM_USER + 13;
constexpr UINT SB_ISSIMPLE = WM_USER + 14;
constexpr UINT SB_SETTEXT = SB_SETTEXTW;
constexpr UINT SB_GETTEXT = SB_GETTEXTW;
constexpr UINT SB_GETTEXTLENGTH = SB_GETTEXTLENGTHW;

constexpr WPARAM SBT_OWNERDRAW = 0x1000;
constexpr WPARAM SBT_NOBORDERS = 0x0100;
constexpr WPARAM SBT_POPOUT = 0x0200;
constexpr WPARAM SBT_RTLREADING = 0x0400;
constexpr WPARAM SB_SIMPLEID = 0x00FF;

// Progress bar.
constexpr DWORD PBS_SMOOTH = 0x0001;
constexpr DWORD PBS_VERTICAL = 0x0004;

constexpr UINT PBM_SETRANGE = WM_USER + 1;
constexpr UINT PBM_SETPOS = WM_USER + 2;
constexpr UINT PBM_DELTAPOS = WM_USER + 3;
constexpr UINT PBM_SETSTEP = WM_USER + 4;
constexpr UINT PBM_STEPIT = WM_USER + 5;
constexpr UINT PBM_SETRANGE32 = WM_USER + 6;
constexpr UINT PBM_GETRANGE = WM_USER + 7;
constexpr UINT PBM_GETPOS = WM_USER + 8;
constexpr UINT PBM_SETBARCOLOR = WM_USER + 9;
constexpr UINT PBM_SETBKCOLOR = CCM_SETBKCOLOR;

struct PBRANGE {
    int iLow = 0;
    int iHigh = 0;
};

// Track bar.
constexpr DWORD TBS_AUTOTICKS = 0x0001;
constexpr DWORD TBS_VERT = 0x0002;
constexpr DWORD TBS_HORZ = 0x0000;
constexpr DWORD TBS_TOP = 0x0004;
constexpr DWORD TBS_BOTTOM = 0x0000;
constexpr DWORD TBS_LEFT = 0x0004;
constexpr DWORD TBS_RIGHT = 0x0000;
constexpr DWORD TBS_BOTH = 0x0008;
constexpr DWORD TBS_NOTICKS = 0x0010;
constexpr DWORD TBS_ENABLESELRANGE = 0x0020;
constexpr DWORD TBS_NOTHUMB = 0x0080;

constexpr UINT TBM_GETPOS = WM_USER;
constexpr UINT TBM_GETRANGEMIN = WM_USER + 1;
constexpr UINT TBM_GETRANGEMAX = WM_USER + 2;
constexpr UINT TBM_SETTIC = WM_USER + 4;
constexpr UINT TBM_SETPOS = WM_USER + 5;
constexpr UINT TBM_SETRANGE = WM_USER + 6;
constexpr UINT TBM_SETRANGEMIN = WM_USER + 7;
constexpr UINT TBM_SETRANGEMAX = WM_USER + 8;
constexpr UINT TBM_CLEARTICS = WM_USER + 9;
constexpr UINT TBM_SETSEL = WM_USER + 10;
constexpr UINT TBM_SETSELSTART = WM_USER + 11;
constexpr UINT TBM_SETSELEND = WM_USER + 12;
constexpr UINT TBM_GETNUMTICS = WM_USER + 16;
constexpr UINT TBM_GETSELSTART = WM_USER + 17;
constexpr UINT TBM_GETSELEND = WM_USER + 18;
constexpr UINT TBM_CLEARSEL = WM_USER + 19;
constexpr UINT TBM_SETTICFREQ = WM_USER + 20;
constexpr UINT TBM_SETPAGESIZE = WM_USER + 21;
constexpr UINT TBM_GETPAGESIZE = WM_USER + 22;
constexpr UINT TBM_SETLINESIZE = WM_USER + 23;
constexpr UINT TBM_GETLINESIZE = WM_USER + 24;
constexpr UINT TBM_GETTHUMBRECT = WM_USER + 25;
constexpr UINT TBM_GETCHANNELRECT = WM_USER + 26;

constexpr WORD TB_LINEUP = 0;
constexpr WORD TB_LINEDOWN = 1;
constexpr WORD TB_PAGEUP = 2;
constexpr WORD TB_PAGEDOWN = 3;
constexpr WORD TB_THUMBPOSITION = 4;
constexpr WORD TB_THUMBTRACK = 5;
constexpr WORD TB_TOP = 6;
constexpr WORD TB_BOTTOM = 7;
constexpr WORD TB_ENDTRACK = 8;

// Custom-draw item numbers of the track bar.
constexpr std::uintptr_t TBCD_TICS = 1;
constexpr std::uintptr_t TBCD_THUMB = 2;
constexpr std::uintptr_t TBCD_CHANNEL = 3;

// Up-down.
constexpr DWORD UDS_WRAP = 0x0001;
constexpr DWORD UDS_SETBUDDYINT = 0x0002;
constexpr DWORD UDS_ALIGNRIGHT = 0x0004;
constexpr DWORD UDS_ALIGNLEFT = 0x0008;
constexpr DWORD UDS_AUTOBUDDY = 0x0010;
constexpr DWORD UDS_ARROWKEYS = 0x0020;
constexpr DWORD UDS_HORZ = 0x0040;
constexpr DWORD UDS_NOTHOUSANDS = 0x0080;

constexpr UINT UDM_SETRANGE = WM_USER + 101;
constexpr UINT UDM_GETRANGE = WM_USER + 102;
constexpr UINT UDM_SETPOS = WM_USER + 103;
constexpr UINT UDM_GETPOS = WM_USER + 104;
constexpr UINT UDM_SETBUDDY = WM_USER + 105;
constexpr UINT UDM_GETBUDDY = WM_USER + 106;
constexpr UINT UDM_SETRANGE32 = WM_USER + 111;
constexpr UINT UDM_GETRANGE32 = WM_USER + 112;
constexpr UINT UDM_SETPOS32 = WM_USER + 113;
constexpr UINT UDM_GETPOS32 = WM_USER + 114;

constexpr UINT UDN_DELTAPOS = UINT(-722);

struct NMUPDOWN {
    NMHDR hdr;
    int iPos = 0;
    int iDelta = 0;
};

// Header.
constexpr DWORD HDS_HORZ = 0x0000;
constexpr DWORD HDS_BUTTONS = 0x0002;
constexpr DWORD HDS_FLAT = 0x0200;

constexpr UINT HDM_FIRST = 0x1200;
constexpr UINT HDM_GETITEMCOUNT = HDM_FIRST + 0;
constexpr UINT HDM_INSERTITEMA = HDM_FIRST + 1;
constexpr UINT HDM_DELETEITEM = HDM_FIRST + 2;
constexpr UINT HDM_GETITEMA = HDM_FIRST + 3;
constexpr UINT HDM_SETITEMA = HDM_FIRST + 4;
constexpr UINT HDM_GETITEMRECT = HDM_FIRST + 7;
constexpr UINT HDM_SETIMAGELIST = HDM_FIRST + 8;
constexpr UINT HDM_GETIMAGELIST = HDM_FIRST + 9;
constexpr UINT HDM_INSERTITEMW = HDM_FIRST + 10;
constexpr UINT HDM_GETITEMW = HDM_FIRST + 11;
constexpr UINT HDM_SETITEMW = HDM_FIRST + 12;
constexpr UINT HDM_INSERTITEM = HDM_INSERTITEMW;
constexpr UINT HDM_GETITEM = HDM_GETITEMW;
constexpr UINT HDM_SETITEM = HDM_SETITEMW;

constexpr UINT HDI_WIDTH = 0x0001;
constexpr UINT HDI_TEXT = 0x0002;
constexpr UINT HDI_FORMAT = 0x0004;
constexpr UINT HDI_LPARAM = 0x0008;
constexpr UINT HDI_IMAGE = 0x0020;
constexpr int HDF_LEFT = 0x0000;
constexpr int HDF_RIGHT = 0x0001;
constexpr int HDF_CENTER = 0x0002;
constexpr int HDF_JUSTIFYMASK = 0x0003;

constexpr UINT HDN_ITEMCLICKA = UINT(-302);
constexpr UINT HDN_ITEMCLICKW = UINT(-322);
constexpr UINT HDN_ITEMCLICK = HDN_ITEMCLICKW;
constexpr UINT HDN_ITEMCHANGINGW = UINT(-320);
constexpr UINT HDN_ITEMCHANGEDW = UINT(-321);
constexpr UINT HDN_BEGINTRACKW = UINT(-326);
constexpr UINT HDN_ENDTRACKW = UINT(-327);
constexpr UINT HDN_TRACKW = UINT(-328);
constexpr UINT HDN_ITEMCHANGING = HDN_ITEMCHANGINGW;
constexpr UINT HDN_ITEMCHANGED = HDN_ITEMCHANGEDW;
constexpr UINT HDN_BEGINTRACK = HDN_BEGINTRACKW;
constexpr UINT HDN_ENDTRACK = HDN_ENDTRACKW;
constexpr UINT HDN_TRACK = HDN_TRACKW;

struct HDITEM;

struct NMHEADER {
    NMHDR hdr;
    int iItem = 0;
    int iButton = 0;
    HDITEM* pitem = nullptr;
};

struct HDITEM {
    UINT mask = 0;
    int cxy = 0;
    char* pszText = nullptr;
    HBITMAP hbm = nullptr;
    int cchTextMax = 0;
    int fmt = 0;
    LPARAM lParam = 0;
    int iImage = 0;
    int iOrder = 0;
};

} // namespace win

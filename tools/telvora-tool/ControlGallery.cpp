// Every standard control kind in one window, in several states: the picture
// that shows the classic look of the whole set at once.

#include "tools/telvora-tool/ControlGallery.h"

#include "platform/user/WinUser.h"
#include "platform/user/controls/CommCtrl.h"
#include "platform/user/controls/StandardControls.h"

#include <initializer_list>
#include <string>

namespace tool {

using namespace win;

namespace {

// Creates the children of one window with ids counting up from 101.
class ChildMaker {
public:
    explicit ChildMaker(HWND parent) : parent_(parent) {}

    HWND operator()(const char* className, const char* text, DWORD style, int x, int y, int w,
                    int h, DWORD exStyle = 0) {
        return CreateWindowEx(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                              parent_, reinterpret_cast<HMENU>(std::uintptr_t(++id_)), nullptr,
                              nullptr);
    }

private:
    HWND parent_;
    int id_ = 100;
};

void AddTabs(HWND tabs, std::initializer_list<const char*> pages) {
    for (const char* page : pages) {
        TCITEM item;
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(page);
        SendMessage(tabs, TCM_INSERTITEM, 99, reinterpret_cast<LPARAM>(&item));
    }
}

} // namespace

void FillControlGallery(HWND parent) {
    InitCommonControls();
    ChildMaker Add(parent);
    // Column 1: buttons.
    Add(WC_BUTTON, "确定", BS_DEFPUSHBUTTON, 10, 10, 75, 23);
    HWND pressed = Add(WC_BUTTON, "按下", BS_PUSHBUTTON, 95, 10, 75, 23);
    SendMessage(pressed, BM_SETSTATE, TRUE, 0);
    Add(WC_BUTTON, "禁用", BS_PUSHBUTTON | WS_DISABLED, 180, 10, 75, 23);
    HWND checked = Add(WC_BUTTON, "复选框 &Check", BS_AUTOCHECKBOX, 10, 40, 120, 18);
    SendMessage(checked, BM_SETCHECK, BST_CHECKED, 0);
    HWND grey = Add(WC_BUTTON, "三态", BS_AUTO3STATE, 135, 40, 60, 18);
    SendMessage(grey, BM_SETCHECK, BST_INDETERMINATE, 0);
    Add(WC_BUTTON, "禁用", BS_CHECKBOX | WS_DISABLED, 200, 40, 60, 18);
    HWND radio = Add(WC_BUTTON, "单选一", BS_AUTORADIOBUTTON | WS_GROUP, 10, 62, 80, 18);
    SendMessage(radio, BM_SETCHECK, BST_CHECKED, 0);
    Add(WC_BUTTON, "单选二", BS_AUTORADIOBUTTON, 95, 62, 80, 18);
    Add(WC_BUTTON, "左边文字", BS_AUTOCHECKBOX | BS_LEFTTEXT, 180, 62, 80, 18);
    Add(WC_BUTTON, "分组框 Group", BS_GROUPBOX, 10, 86, 250, 60);
    Add(WC_STATIC, "静态文字 Static text", SS_LEFT, 20, 106, 230, 14);
    Add(WC_STATIC, "居中", SS_CENTER | SS_SUNKEN, 20, 124, 110, 16);
    Add(WC_STATIC, "", SS_ETCHEDHORZ, 140, 132, 110, 2);

    // Edits.
    Add(WC_EDIT, "Ver 2.1 版本", ES_AUTOHSCROLL, 10, 156, 120, 21, WS_EX_CLIENTEDGE);
    HWND focused = Add(WC_EDIT, "选中的文字", ES_AUTOHSCROLL, 140, 156, 120, 21, WS_EX_CLIENTEDGE);
    Add(WC_EDIT, "只读", ES_READONLY, 10, 184, 120, 21, WS_EX_CLIENTEDGE);
    Add(WC_EDIT, "禁用", WS_DISABLED, 140, 184, 120, 21, WS_EX_CLIENTEDGE);
    std::string schedule;
    for (int hour = 6; hour < 24; ++hour)
        schedule += std::to_string(hour) + ":00 新闻联播 第" + std::to_string(hour) + "集\r\n";
    HWND memo = Add(WC_EDIT, schedule.c_str(), ES_MULTILINE | WS_VSCROLL | ES_AUTOVSCROLL, 10, 212,
                    250, 90, WS_EX_CLIENTEDGE);
    SendMessage(memo, WM_VSCROLL, SB_LINEDOWN, 0);

    // Column 2: lists, combo boxes, tabs.
    HWND list = Add(WC_LISTBOX, "", WS_VSCROLL | LBS_NOTIFY, 280, 10, 150, 110, WS_EX_CLIENTEDGE);
    for (const char* channel :
         {"CCTV-1 综合", "CCTV-2 财经", "CCTV-3 综艺", "CCTV-4 中文国际", "CCTV-5 体育",
          "CCTV-6 电影", "CCTV-7 军事农业", "CCTV-8 电视剧", "北京卫视", "上海东方卫视"})
        SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(channel));
    SendMessage(list, LB_SETCURSEL, 2, 0);
    HWND combo = Add(WC_COMBOBOX, "", CBS_DROPDOWNLIST | WS_VSCROLL, 280, 130, 150, 200);
    for (const char* category : {"中央台", "卫视", "地方台"})
        SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(category));
    SendMessage(combo, CB_SETCURSEL, 1, 0);
    Add(WC_COMBOBOX, "可编辑", CBS_DROPDOWN, 280, 160, 150, 200);
    HWND tabs = Add(WC_TABCONTROL, "", 0, 280, 192, 200, 110);
    AddTabs(tabs, {"节目表", "频道", "设置"});
    SendMessage(tabs, TCM_SETCURSEL, 1, 0);
    HWND overflow = Add(WC_TABCONTROL, "", TCS_BOTTOM, 440, 10, 190, 80);
    AddTabs(overflow, {"星期一", "星期二", "星期三", "星期四", "星期五", "星期六"});
    HWND buttons = Add(WC_TABCONTROL, "", TCS_BUTTONS, 440, 100, 190, 26);
    AddTabs(buttons, {"全部", "收藏"});

    // Bars.
    HWND progress = Add(PROGRESS_CLASS, "", 0, 440, 136, 190, 18);
    SendMessage(progress, PBM_SETPOS, 45, 0);
    HWND smooth = Add(PROGRESS_CLASS, "", PBS_SMOOTH, 440, 160, 190, 14);
    SendMessage(smooth, PBM_SETPOS, 70, 0);
    HWND vertical = Add(PROGRESS_CLASS, "", PBS_VERTICAL, 600, 180, 18, 100);
    SendMessage(vertical, PBM_SETPOS, 60, 0);
    HWND spin = Add(WC_EDIT, "5", ES_NUMBER, 490, 190, 60, 21, WS_EX_CLIENTEDGE);
    HWND updown = Add(UPDOWN_CLASS, "", UDS_SETBUDDYINT | UDS_ALIGNRIGHT, 0, 0, 16, 21);
    SendMessage(updown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(spin), 0);
    SendMessage(updown, UDM_SETRANGE32, 0, 10);
    SendMessage(updown, UDM_SETPOS32, 0, 5);

    HWND track = Add(TRACKBAR_CLASS, "", TBS_AUTOTICKS, 280, 310, 200, 32);
    SendMessage(track, TBM_SETRANGE, TRUE, MAKELONG(0, 10));
    SendMessage(track, TBM_SETPOS, TRUE, 4);

    HWND header = Add(WC_HEADER, "", HDS_BUTTONS, 10, 310, 250, 20);
    for (const char* title : {"时间", "节目名称", "频道"}) {
        HDITEM item;
        item.mask = HDI_TEXT | HDI_WIDTH;
        item.pszText = const_cast<char*>(title);
        item.cxy = 80;
        SendMessage(header, HDM_INSERTITEM, 99, reinterpret_cast<LPARAM>(&item));
    }
    HWND sizeBar = Add(WC_SCROLLBAR, "", SBS_HORZ, 10, 340, 250, 17);
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    info.nMax = 99;
    info.nPage = 20;
    info.nPos = 30;
    SendMessage(sizeBar, SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(&info));

    HWND status = Add(STATUSCLASSNAME, "", SBARS_SIZEGRIP, 0, 0, 0, 0);
    const int parts[] = {200, 420, -1};
    SendMessage(status, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts));
    SendMessage(status, SB_SETTEXT, 0, reinterpret_cast<LPARAM>("共 128 个频道"));
    SendMessage(status, SB_SETTEXT, 1 | SBT_POPOUT, reinterpret_cast<LPARAM>("\t正在更新"));
    SendMessage(status, SB_SETTEXT, 2, reinterpret_cast<LPARAM>("\t\t2026-12-10"));

    SetFocus(focused);
    SendMessage(focused, EM_SETSEL, 0, 6);
}

} // namespace tool

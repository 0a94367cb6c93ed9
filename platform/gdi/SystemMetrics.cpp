#include "platform/gdi/SystemMetrics.h"

#include "platform/gdi/Brush.h"
#include "platform/gdi/Gdi.h"

#include <array>
#include <cstring>

namespace win {

namespace {

constexpr int kColorCount = COLOR_MENUBAR + 1;

// The "Windows Standard" classic scheme.
constexpr std::array<COLORREF, kColorCount> kClassicColors = {
    RGB(212, 208, 200), // scroll bar
    RGB(58, 110, 165),  // desktop
    RGB(10, 36, 106),   // active caption
    RGB(128, 128, 128), // inactive caption
    RGB(212, 208, 200), // menu
    RGB(255, 255, 255), // window
    RGB(0, 0, 0),       // window frame
    RGB(0, 0, 0),       // menu text
    RGB(0, 0, 0),       // window text
    RGB(255, 255, 255), // caption text
    RGB(212, 208, 200), // active border
    RGB(212, 208, 200), // inactive border
    RGB(128, 128, 128), // application workspace
    RGB(10, 36, 106),   // highlight
    RGB(255, 255, 255), // highlight text
    RGB(212, 208, 200), // button face
    RGB(128, 128, 128), // button shadow
    RGB(128, 128, 128), // grey text
    RGB(0, 0, 0),       // button text
    RGB(212, 208, 200), // inactive caption text
    RGB(255, 255, 255), // button highlight
    RGB(64, 64, 64),    // 3D dark shadow
    RGB(212, 208, 200), // 3D light
    RGB(0, 0, 0),       // tooltip text
    RGB(255, 255, 225), // tooltip background
    RGB(181, 181, 181), // (unused index 25)
    RGB(0, 0, 128),     // hot-tracked item
    RGB(166, 202, 240), // active caption gradient
    RGB(192, 192, 192), // inactive caption gradient
    RGB(10, 36, 106),   // menu highlight
    RGB(212, 208, 200), // menu bar
};

int screenWidth = 1024;
int screenHeight = 768;

constexpr int kCaptionHeight = 18;
constexpr int kCaptionWidth = 18;
constexpr int kMenuHeight = 18;
constexpr int kScrollSize = 16;

} // namespace

DWORD GetSysColor(int index) {
    if (index < 0 || index >= kColorCount)
        return 0;
    return kClassicColors[std::size_t(index)];
}

HBRUSH GetSysColorBrush(int index) {
    static std::array<HBRUSH, kColorCount> brushes{};
    if (index < 0 || index >= kColorCount)
        return nullptr;
    HBRUSH& brush = brushes[std::size_t(index)];
    if (!brush) {
        auto object = Brush::Solid(kClassicColors[std::size_t(index)]);
        object->MarkStock();
        brush = static_cast<HBRUSH>(GdiHandleTable::Instance().Add(std::move(object)));
    }
    return brush;
}

void SetScreenSize(int width, int height) {
    screenWidth = width;
    screenHeight = height;
}

int GetSystemMetrics(int index) {
    switch (index) {
    case SM_CXSCREEN:
    case SM_CXFULLSCREEN:
    case SM_CXVIRTUALSCREEN:
    case SM_CXMAXTRACK:
        return screenWidth;
    case SM_CYSCREEN:
    case SM_CYVIRTUALSCREEN:
    case SM_CYMAXTRACK:
        return screenHeight;
    case SM_CYFULLSCREEN:
        return screenHeight - kCaptionHeight - 1;
    case SM_CXMAXIMIZED:
        return screenWidth + 8;
    case SM_CYMAXIMIZED:
        return screenHeight + 8;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
        return kScrollSize;
    case SM_CYCAPTION:
        return kCaptionHeight + 1;
    case SM_CXBORDER:
    case SM_CYBORDER:
    case SM_CXFOCUSBORDER:
    case SM_CYFOCUSBORDER:
    case SM_MOUSEPRESENT:
    case SM_CMONITORS:
        return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
        return 3;
    case SM_CXFRAME:
    case SM_CYFRAME:
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
    case SM_CXDRAG:
    case SM_CYDRAG:
        return 4;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
        return 32;
    case SM_CYMENU:
        return kMenuHeight + 1;
    case SM_CXMIN:
    case SM_CXMINTRACK:
        return 112;
    case SM_CYMIN:
    case SM_CYMINTRACK:
        return 27;
    case SM_CXSIZE:
    case SM_CYSIZE:
        return kCaptionWidth;
    case SM_CXICONSPACING:
    case SM_CYICONSPACING:
        return 75;
    case SM_CMOUSEBUTTONS:
        return 3;
    case SM_CXEDGE:
    case SM_CYEDGE:
        return 2;
    case SM_CXSMICON:
    case SM_CYSMICON:
        return 16;
    case SM_CYSMCAPTION:
        return 16;
    case SM_CXSMSIZE:
        return 12;
    case SM_CYSMSIZE:
        return 15;
    case SM_CXMENUSIZE:
    case SM_CYMENUSIZE:
        return kMenuHeight;
    case SM_CXMENUCHECK:
    case SM_CYMENUCHECK:
        return 13;
    default:
        return 0;
    }
}

LOGFONT ClassicFont(LONG weight) {
    LOGFONT lf;
    lf.lfHeight = -12;
    lf.lfWeight = weight;
    lf.lfCharSet = GB2312_CHARSET;
    std::strcpy(lf.lfFaceName, "宋体");
    return lf;
}

BOOL SystemParametersInfo(UINT action, UINT, void* data, UINT) {
    if (!data)
        return FALSE;
    switch (action) {
    case SPI_GETNONCLIENTMETRICS: {
        auto* m = static_cast<NONCLIENTMETRICS*>(data);
        if (m->cbSize < sizeof(NONCLIENTMETRICS) - sizeof(int))
            return FALSE;
        m->iBorderWidth = 1;
        m->iScrollWidth = kScrollSize;
        m->iScrollHeight = kScrollSize;
        m->iCaptionWidth = kCaptionWidth;
        m->iCaptionHeight = kCaptionHeight;
        m->lfCaptionFont = ClassicFont(FW_BOLD);
        m->iSmCaptionWidth = 12;
        m->iSmCaptionHeight = 15;
        m->lfSmCaptionFont = ClassicFont(FW_BOLD);
        m->iMenuWidth = kMenuHeight;
        m->iMenuHeight = kMenuHeight;
        m->lfMenuFont = ClassicFont(FW_NORMAL);
        m->lfStatusFont = ClassicFont(FW_NORMAL);
        m->lfMessageFont = ClassicFont(FW_NORMAL);
        if (m->cbSize >= sizeof(NONCLIENTMETRICS))
            m->iPaddedBorderWidth = 0;
        return TRUE;
    }
    case SPI_GETWORKAREA:
        *static_cast<RECT*>(data) = {0, 0, screenWidth, screenHeight};
        return TRUE;
    case SPI_GETICONTITLELOGFONT:
        *static_cast<LOGFONT*>(data) = ClassicFont(FW_NORMAL);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace win

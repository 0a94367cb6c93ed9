// Registration of the system control classes. An explicit call, not static
// initialisers: object files of a static library that nothing references
// would be dropped by the linker, and their classes with them.

#include "platform/user/controls/Button.h"
#include "platform/user/controls/ComboBox.h"
#include "platform/user/controls/Edit.h"
#include "platform/user/controls/Header.h"
#include "platform/user/controls/ListBox.h"
#include "platform/user/controls/ProgressBar.h"
#include "platform/user/controls/ScrollBar.h"
#include "platform/user/controls/Static.h"
#include "platform/user/controls/StatusBar.h"
#include "platform/user/controls/TabControl.h"
#include "platform/user/controls/ToolTip.h"
#include "platform/user/controls/TrackBar.h"
#include "platform/user/controls/UpDown.h"
#include "platform/user/menus/Mdi.h"

namespace win {

void InitCommonControls() {
    static const bool registered = [] {
        controls::Button::Register();
        controls::Static::Register();
        controls::Edit::Register();
        controls::Header::Register();
        controls::ListBox::Register();
        controls::ComboBox::Register();
        controls::ProgressBar::Register();
        controls::ScrollBar::Register();
        controls::StatusBar::Register();
        controls::TabControl::Register();
        controls::ToolTip::Register();
        controls::TrackBar::Register();
        controls::UpDown::Register();
        RegisterMenuAndDialogClasses();
        return true;
    }();
    (void)registered;
}

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init) {
    if (init == nullptr || init->dwSize != sizeof(INITCOMMONCONTROLSEX))
        return FALSE;
    InitCommonControls();
    return TRUE;
}

} // namespace win

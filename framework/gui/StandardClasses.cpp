#include "framework/gui/StandardClasses.h"

#include "framework/ClassRegistry.h"
#include "framework/gui/BitBtn.h"
#include "framework/gui/Button.h"
#include "framework/gui/CheckBox.h"
#include "framework/gui/ComboBox.h"
#include "framework/gui/Edit.h"
#include "framework/gui/HeaderControl.h"
#include "framework/gui/GroupBox.h"
#include "framework/gui/Image.h"
#include "framework/gui/ImageList.h"
#include "framework/gui/Label.h"
#include "framework/gui/ListBox.h"
#include "framework/gui/MenuItem.h"
#include "framework/gui/Menus.h"
#include "framework/gui/PageControl.h"
#include "framework/gui/Panel.h"
#include "framework/gui/PopupMenu.h"
#include "framework/gui/ProgressBar.h"
#include "framework/gui/RadioGroup.h"
#include "framework/gui/SpeedButton.h"
#include "framework/gui/StatusBar.h"
#include "framework/gui/TabControl.h"
#include "framework/gui/Timer.h"
#include "framework/gui/TrackBar.h"
#include "framework/gui/UpDown.h"

namespace fw {

void RegisterStandardClasses() {
    static const bool registered = [] {
        for (const TClassInfo* info : {
                 &TButton::StaticClass(),
                 &TBitBtn::StaticClass(),
                 &TSpeedButton::StaticClass(),
                 &TCheckBox::StaticClass(),
                 &TRadioButton::StaticClass(),
                 &TGroupBox::StaticClass(),
                 &TRadioGroup::StaticClass(),
                 &TComboBox::StaticClass(),
                 &TEdit::StaticClass(),
                 &TMemo::StaticClass(),
                 &TImage::StaticClass(),
                 &TLabel::StaticClass(),
                 &TListBox::StaticClass(),
                 &TPageControl::StaticClass(),
                 &TTabSheet::StaticClass(),
                 &TTabControl::StaticClass(),
                 &TPanel::StaticClass(),
                 &TProgressBar::StaticClass(),
                 &TStatusBar::StaticClass(),
                 &TTimer::StaticClass(),
                 &TImageList::StaticClass(),
                 &TMainMenu::StaticClass(),
                 &TPopupMenu::StaticClass(),
                 &TMenuItem::StaticClass(),
                 &TTrackBar::StaticClass(),
                 &TUpDown::StaticClass(),
                 &THeaderControl::StaticClass(),
             })
            RegisterClass(*info);
        return true;
    }();
    (void)registered;
}

} // namespace fw

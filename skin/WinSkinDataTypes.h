#pragma once
// The skin data component's vocabulary: which kinds of control are skinned
// (TSkinControlTypes), drawing options (TSkinOptions), the containers whose
// children are skinned (TWinContainers), the component's role (TSkinFormType),
// the colour scheme, and the events an application hangs on the component.
// Names and member order are fixed: sets are stored as bit masks by position.

#include "framework/Color.h"
#include "framework/EnumInfo.h"
#include "framework/Set.h"
#include "platform/user/UserTypes.h"

#include <array>
#include <functional>
#include <string>

namespace fw {
class TObject;
class TComponent;
class TControl;
class TForm;
} // namespace fw

namespace skin {

class TSkinData;

enum class TSkinControlType {
    xcMainMenu,
    xcPopupMenu,
    xcMenuItem,
    xcToolbar,
    xcControlbar,
    xcCombo,
    xcCheckBox,
    xcRadioButton,
    xcProgress,
    xcScrollbar,
    xcEdit,
    xcButton,
    xcBitBtn,
    xcSpeedButton,
    xcSpin,
    xcPanel,
    xcGroupBox,
    xcStatusBar,
    xcTab,
    xcTrackBar,
    xcSystemMenu,
    xcFastReport,
};
FW_ENUM_NAMES(TSkinControlType, "xcMainMenu", "xcPopupMenu", "xcMenuItem", "xcToolbar",
              "xcControlbar", "xcCombo", "xcCheckBox", "xcRadioButton", "xcProgress", "xcScrollbar",
              "xcEdit", "xcButton", "xcBitBtn", "xcSpeedButton", "xcSpin", "xcPanel", "xcGroupBox",
              "xcStatusBar", "xcTab", "xcTrackBar", "xcSystemMenu", "xcFastReport");
using TSkinControlTypes = fw::TSet<TSkinControlType>;

enum class TSkinOption {
    xoMDIScrollbar,
    xoMenuMerge,
    xoTransparent,
    xoPreview,
    xoParentBackGround,
    xoNoFocusRect,
    xoToolbarBK,
    xoToolbarButton,
    xoMDIChildBorder,
    xoMenuBG,
    xoCaptionButtonHint,
    xoFormScrollbar,
};
FW_ENUM_NAMES(TSkinOption, "xoMDIScrollbar", "xoMenuMerge", "xoTransparent", "xoPreview",
              "xoParentBackGround", "xoNoFocusRect", "xoToolbarBK", "xoToolbarButton",
              "xoMDIChildBorder", "xoMenuBG", "xoCaptionButtonHint", "xoFormScrollbar");
using TSkinOptions = fw::TSet<TSkinOption>;

enum class TWinContainer {
    xccForm,
    xccFrame,
    xccToolbar,
    xccCoolbar,
    xccControlbar,
    xccPanel,
    xccScrollBox,
    xccGroupBox,
    xccTabSheet,
    xccPageScroller,
};
FW_ENUM_NAMES(TWinContainer, "xccForm", "xccFrame", "xccToolbar", "xccCoolbar", "xccControlbar",
              "xccPanel", "xccScrollBox", "xccGroupBox", "xccTabSheet", "xccPageScroller");
using TWinContainers = fw::TSet<TWinContainer>;

// sfMainform skins the whole application; sfOnlyThisForm its owner form only;
// sfDialog the message boxes and standard dialogs; sfDLL a library's forms.
enum class TSkinFormType { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };
FW_ENUM_NAMES(TSkinFormType, "sfMainform", "sfOnlyThisForm", "sfDialog", "sfDLL");

// The twenty scheme colours, indexed as the skin loader fills them.
constexpr int kSchemeColorCount = 20;
using TShemeColors = std::array<fw::TColor, kSchemeColorCount>;

// aName is the window's class name; the handler may change DoSkin either way.
using TOnFormSkin =
    std::function<void(fw::TObject* Sender, const std::string& aName, bool& DoSkin)>;
using TOnSkinForm =
    std::function<void(fw::TObject* Sender, win::HWND ahwnd, const std::string& aName)>;
// Lets the application supply its own skinner for Control in SkinnedControl.
using TOnSkinControl = std::function<void(fw::TObject* Sender, TSkinData* SkinData, fw::TForm* Form,
                                          fw::TControl* Control, const std::string& ControlClass,
                                          fw::TComponent*& SkinnedControl)>;

} // namespace skin

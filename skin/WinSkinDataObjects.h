#pragma once
// The skin object model that every painter reads: one object per kind of
// skinned element, holding a bitmap of `frame` state images (side by side, or
// one above the other for the top and bottom window frame parts, the menu bar
// and the caption plate) and the few numbers needed to draw it. Every object
// owns its bitmaps; the skin data component owns the objects.

#include "framework/Color.h"
#include "framework/Object.h"
#include "framework/gui/Bitmap.h"
#include "platform/kernel/WinTypes.h"

#include <cstdint>
#include <memory>
#include <string>

namespace skin {

// A text colour "not given".
constexpr std::int32_t kNoTextColor = -1;
// A caption text colour "not given".
constexpr fw::TColor kNoCaptionColor = fw::clNone;

class TDataSkinObject : public fw::TObject {
    FW_CLASS(TDataSkinObject, fw::TObject)

    TDataSkinObject() = default;
    explicit TDataSkinObject(std::string name) : IDName(std::move(name)) {}

    // Mostly the nine-slice margins of one state image: left width, top
    // height, right width, bottom height.
    win::RECT r{};
    std::unique_ptr<fw::TBitmap> Map = std::make_unique<fw::TBitmap>();
    // 1: magenta is the transparent key colour.
    std::int32_t trans = 0;
    // 1: the middle parts are tiled, 0: stretched; the window frame parts keep
    // the skin's stretch flag here.
    std::int32_t Tile = 0;
    // The INI section (or frame part) the object came from.
    std::string IDName;
    // Number of state images in Map.
    std::int32_t frame = 0;
    std::int32_t style = 0;
    // Text colours for the normal, hot and pressed state as plain numbers.
    std::int32_t Normalcolor = kNoTextColor;
    std::int32_t Overcolor = kNoTextColor;
    std::int32_t Downcolor = kNoTextColor;
    // The same given as "R G B" text; the skin's button text colour when absent.
    fw::TColor Normalcolor2 = fw::clBlack;
    fw::TColor Overcolor2 = fw::clBlack;
    fw::TColor Downcolor2 = fw::clBlack;
};

class TDataSkinBorder : public TDataSkinObject {
    FW_CLASS(TDataSkinBorder, TDataSkinObject)
    using TDataSkinObject::TDataSkinObject;

    // A second image (a mask, a border, a mirrored copy: per object).
    std::unique_ptr<fw::TBitmap> MaskMap = std::make_unique<fw::TBitmap>();
};

// Caption text settings.
class TDataSkinTitle : public TDataSkinObject {
    FW_CLASS(TDataSkinTitle, TDataSkinObject)
    using TDataSkinObject::TDataSkinObject;

    std::int32_t Aligment = 0;
    std::int32_t BackGround = 0;
    std::int32_t FontHeight = 0;
    std::int32_t backleft = 0;
    std::int32_t backright = 0;
    fw::TColor activetext = kNoCaptionColor;
    fw::TColor inactivetext = kNoCaptionColor;
};

// Push buttons, with the check box and radio button images.
class TDataSkinButton : public TDataSkinObject {
    FW_CLASS(TDataSkinButton, TDataSkinObject)
    using TDataSkinObject::TDataSkinObject;

    std::unique_ptr<fw::TBitmap> CheckMap = std::make_unique<fw::TBitmap>();
    std::unique_ptr<fw::TBitmap> RadioMap = std::make_unique<fw::TBitmap>();
    std::int32_t radioframe = 0;
    std::int32_t checkframe = 0;
    // Whether the skin gave the matching colour of the second set.
    bool newnormal = false;
    bool newover = false;
    bool newdown = false;
};

// A title bar (or MDI) button; the title bar painter gives the numbers meaning.
class TDataSkinSysButton : public TDataSkinObject {
    FW_CLASS(TDataSkinSysButton, TDataSkinObject)
    using TDataSkinObject::TDataSkinObject;

    std::int32_t Action = 0;
    std::int32_t Align = 0;
    std::int32_t XCoord = 0;
    std::int32_t YCoord = 0;
    std::int32_t CombineOp = 0;
    std::int32_t Visibility = 0;
    std::int32_t Visibility1 = 0;
};

// The background of a group box's caption.
class TDataSkinBoxLabel : public TDataSkinObject {
    FW_CLASS(TDataSkinBoxLabel, TDataSkinObject)
    using TDataSkinObject::TDataSkinObject;

    std::int32_t LeftShift = 0;
    std::int32_t RightShift = 0;
    std::int32_t Alignment = 0;
};

} // namespace skin

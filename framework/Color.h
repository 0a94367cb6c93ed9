#pragma once
// The framework's colour: 0x00BBGGRR, or a system colour (top byte 0xFF, the
// system colour index in the low byte). An enumeration with a fixed underlying
// type, so colour properties are told apart from integers while the values still
// take part in arithmetic.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fw {

enum TColor : std::int32_t {
    clBlack = 0x000000,
    clMaroon = 0x000080,
    clGreen = 0x008000,
    clOlive = 0x008080,
    clNavy = 0x800000,
    clPurple = 0x800080,
    clTeal = 0x808000,
    clGray = 0x808080,
    clSilver = 0xC0C0C0,
    clRed = 0x0000FF,
    clLime = 0x00FF00,
    clYellow = 0x00FFFF,
    clBlue = 0xFF0000,
    clFuchsia = 0xFF00FF,
    clAqua = 0xFFFF00,
    clWhite = 0xFFFFFF,
    clMoneyGreen = 0xC0DCC0,
    clSkyBlue = 0xF0CAA6,
    clCream = 0xF0FBFF,
    clMedGray = 0xA4A0A0,
    clNone = 0x1FFFFFFF,
    clDefault = 0x20000000,
    clSystemColor = static_cast<std::int32_t>(0xFF000000u),
    clScrollBar = clSystemColor | 0,
    clBackground = clSystemColor | 1,
    clActiveCaption = clSystemColor | 2,
    clInactiveCaption = clSystemColor | 3,
    clMenu = clSystemColor | 4,
    clWindow = clSystemColor | 5,
    clWindowFrame = clSystemColor | 6,
    clMenuText = clSystemColor | 7,
    clWindowText = clSystemColor | 8,
    clCaptionText = clSystemColor | 9,
    clActiveBorder = clSystemColor | 10,
    clInactiveBorder = clSystemColor | 11,
    clAppWorkSpace = clSystemColor | 12,
    clHighlight = clSystemColor | 13,
    clHighlightText = clSystemColor | 14,
    clBtnFace = clSystemColor | 15,
    clBtnShadow = clSystemColor | 16,
    clGrayText = clSystemColor | 17,
    clBtnText = clSystemColor | 18,
    clInactiveCaptionText = clSystemColor | 19,
    clBtnHighlight = clSystemColor | 20,
    cl3DDkShadow = clSystemColor | 21,
    cl3DLight = clSystemColor | 22,
    clInfoText = clSystemColor | 23,
    clInfoBk = clSystemColor | 24,
    clHotLight = clSystemColor | 26,
    clGradientActiveCaption = clSystemColor | 27,
    clGradientInactiveCaption = clSystemColor | 28,
    clMenuHighlight = clSystemColor | 29,
    clMenuBar = clSystemColor | 30,
};

// "clBtnFace" for clBtnFace; nothing for a colour without a name.
std::optional<std::string> ColorToIdent(TColor color);
// The colour named ident (without regard to case), if there is one.
std::optional<TColor> IdentToColor(std::string_view ident);
// A colour's name, or its value as "$00BBGGRR" text, as a form definition writes it.
std::string ColorToString(TColor color);
// A colour name or an integer in any notation StrToInt reads; EConvertError otherwise.
TColor StringToColor(std::string_view text);

} // namespace fw

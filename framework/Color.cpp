#include "framework/Color.h"

#include "framework/Exception.h"
#include "framework/StringUtils.h"

#include <array>
#include <limits>

namespace fw {

namespace {

struct ColorName {
    TColor color;
    std::string_view name;
};

constexpr auto kColorNames = std::to_array<ColorName>({
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clNone, "clNone"},
    {clDefault, "clDefault"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
    {clHotLight, "clHotLight"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuBar, "clMenuBar"},
});

} // namespace

std::optional<std::string> ColorToIdent(TColor color) {
    for (const ColorName& entry : kColorNames)
        if (entry.color == color)
            return std::string(entry.name);
    return std::nullopt;
}

std::optional<TColor> IdentToColor(std::string_view ident) {
    for (const ColorName& entry : kColorNames)
        if (SameText(entry.name, ident))
            return entry.color;
    return std::nullopt;
}

std::string ColorToString(TColor color) {
    if (std::optional<std::string> ident = ColorToIdent(color))
        return *ident;
    return Format("$%.8x", static_cast<std::uint32_t>(color));
}

TColor StringToColor(std::string_view text) {
    if (std::optional<TColor> color = IdentToColor(text))
        return *color;
    // Colours are written as unsigned hexadecimal ("$FF00000F") as well as signed.
    const std::int64_t value = StrToInt64(text);
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::uint32_t>::max())
        RaiseFmt<EConvertError>("'%s' is not a valid integer value", text);
    return static_cast<TColor>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

} // namespace fw

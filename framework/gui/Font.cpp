#include "framework/gui/Font.h"

#include "framework/ClassBuilder.h"
#include "platform/gdi/Text.h"

#include <algorithm>
#include <cstring>

namespace fw {

namespace {

constexpr int PixelsPerInch = 96;

} // namespace

const TClassInfo& TFont::StaticClass() {
    static const TClassInfo info = TClassBuilder<TFont, TPersistent>("TFont")
                                       .Property("Charset", &TFont::Charset, &TFont::SetCharset)
                                       .Property("Color", &TFont::Color, &TFont::SetColor)
                                       .Property("Height", &TFont::Height, &TFont::SetHeight)
                                       .Property("Name", &TFont::Name, &TFont::SetName)
                                       .Property("Size", &TFont::Size, &TFont::SetSize)
                                       .Property("Style", &TFont::Style, &TFont::SetStyle)
                                       .Build();
    return info;
}

// The framework's default font: 8 points of the system's dialog face.
TFont::TFont() : FName("MS Sans Serif"), FHeight(-11), FCharset(win::DEFAULT_CHARSET) {}

TFont::~TFont() {
    FreeHandle();
}

void TFont::Assign(const TPersistent& source) {
    const auto* font = dynamic_cast<const TFont*>(&source);
    if (!font) {
        TPersistent::Assign(source);
        return;
    }
    FName = font->FName;
    FHeight = font->FHeight;
    FColor = font->FColor;
    FStyle = font->FStyle;
    FCharset = font->FCharset;
    Changed();
}

void TFont::SetName(const std::string& name) {
    if (name.empty() || name == FName)
        return;
    FName = name;
    Changed();
}

void TFont::SetHeight(int height) {
    if (height == FHeight)
        return;
    FHeight = height;
    Changed();
}

int TFont::Size() const {
    return -(FHeight * 72 + (FHeight < 0 ? -PixelsPerInch / 2 : PixelsPerInch / 2)) / PixelsPerInch;
}

void TFont::SetSize(int size) {
    SetHeight(-(size * PixelsPerInch + 36) / 72);
}

void TFont::SetColor(TColor color) {
    if (color == FColor)
        return;
    FColor = color;
    Changed();
}

void TFont::SetStyle(TFontStyles style) {
    if (style == FStyle)
        return;
    FStyle = style;
    Changed();
}

void TFont::SetCharset(int charset) {
    if (charset == FCharset)
        return;
    FCharset = charset;
    Changed();
}

win::HFONT TFont::Handle() const {
    if (!FHandle) {
        win::LOGFONT description;
        description.lfHeight = FHeight;
        description.lfWeight = FStyle.Contains(TFontStyle::fsBold) ? win::FW_BOLD : win::FW_NORMAL;
        description.lfItalic = FStyle.Contains(TFontStyle::fsItalic);
        description.lfUnderline = FStyle.Contains(TFontStyle::fsUnderline);
        description.lfStrikeOut = FStyle.Contains(TFontStyle::fsStrikeOut);
        description.lfCharSet = static_cast<win::BYTE>(FCharset);
        const std::size_t length = std::min(FName.size(), sizeof description.lfFaceName - 1);
        std::memcpy(description.lfFaceName, FName.data(), length);
        FHandle = win::CreateFontIndirect(&description);
    }
    return FHandle;
}

void TFont::SetHandle(win::HFONT font) {
    win::LOGFONT description;
    if (font && win::GetObject(font, sizeof description, &description) == sizeof description)
        AssignLogFont(description);
}

void TFont::AssignLogFont(const win::LOGFONT& description) {
    const std::size_t length = strnlen(description.lfFaceName, sizeof description.lfFaceName);
    if (length > 0)
        FName.assign(description.lfFaceName, length);
    FHeight = description.lfHeight;
    FStyle = TFontStyles();
    if (description.lfWeight >= win::FW_BOLD)
        FStyle.Include(TFontStyle::fsBold);
    if (description.lfItalic)
        FStyle.Include(TFontStyle::fsItalic);
    if (description.lfUnderline)
        FStyle.Include(TFontStyle::fsUnderline);
    if (description.lfStrikeOut)
        FStyle.Include(TFontStyle::fsStrikeOut);
    FCharset = description.lfCharSet;
    Changed();
}

void TFont::FreeHandle() const {
    if (FHandle)
        win::DeleteObject(FHandle);
    FHandle = nullptr;
}

void TFont::Changed() {
    FreeHandle();
    if (OnChange)
        OnChange(this);
}

} // namespace fw

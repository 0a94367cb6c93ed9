#pragma once
// A font description that makes its device font on demand. Controls own one each
// and follow their parent's while ParentFont is set. A description can also be
// taken from a LOGFONT or from an existing device font.

#include "framework/Color.h"
#include "framework/NotifyEvent.h"
#include "framework/Persistent.h"
#include "framework/Set.h"
#include "platform/gdi/Gdi.h"

#include <string>

namespace fw {

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
FW_ENUM_NAMES(TFontStyle, "fsBold", "fsItalic", "fsUnderline", "fsStrikeOut");
using TFontStyles = TSet<TFontStyle>;

class TFont : public TPersistent {
    FW_CLASS(TFont, TPersistent)

    TFont();
    ~TFont() override;

    void Assign(const TPersistent& source) override;

    const std::string& Name() const { return FName; }
    void SetName(const std::string& name);
    // Negative: character height in pixels; positive: cell height.
    int Height() const { return FHeight; }
    void SetHeight(int height);
    // Points at 96 pixels per inch.
    int Size() const;
    void SetSize(int size);
    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles style);
    int Charset() const { return FCharset; }
    void SetCharset(int charset);

    // The device font, made on first use and kept until the description changes.
    win::HFONT Handle() const;
    // Takes the description of a device font (the system's caption or menu
    // font, say): its face, height, style and character set. The handle stays
    // the caller's; the font makes its own from the description.
    void SetHandle(win::HFONT font);
    void AssignLogFont(const win::LOGFONT& description);

    TNotifyEvent OnChange;

private:
    void Changed();
    void FreeHandle() const;

    std::string FName;
    int FHeight;
    TColor FColor = clWindowText;
    TFontStyles FStyle;
    int FCharset;
    mutable win::HFONT FHandle = nullptr;
};

} // namespace fw

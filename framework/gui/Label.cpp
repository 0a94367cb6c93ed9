#include "framework/gui/Label.h"

#include "framework/ClassBuilder.h"
#include "framework/gui/WinControl.h"
#include "platform/gdi/Text.h"

namespace fw {

const TClassInfo& TLabel::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TLabel, TGraphicControl>("TLabel")
            .Property("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize)
            .Property("Transparent", &TLabel::Transparent, &TLabel::SetTransparent)
            .Property("Alignment", &TLabel::Alignment, &TLabel::SetAlignment)
            .Property("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap)
            .Build();
    return info;
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 65, 17);
    SetParentColor(true);
}

void TLabel::SetAutoSize(bool autoSize) {
    FAutoSize = autoSize;
    AdjustBounds();
}

void TLabel::SetTransparent(bool transparent) {
    FTransparent = transparent;
    Invalidate();
}

void TLabel::SetAlignment(TAlignment alignment) {
    FAlignment = alignment;
    Invalidate();
}

void TLabel::SetWordWrap(bool wordWrap) {
    FWordWrap = wordWrap;
    AdjustBounds();
}

void TLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustBounds();
}

win::UINT TLabel::TextFormat() const {
    win::UINT format = win::DT_EXPANDTABS;
    if (FWordWrap)
        format |= win::DT_WORDBREAK;
    if (FAlignment == TAlignment::taCenter)
        format |= win::DT_CENTER;
    else if (FAlignment == TAlignment::taRightJustify)
        format |= win::DT_RIGHT;
    return format;
}

// An auto-sized label takes the size of its text, measured with its own font.
void TLabel::AdjustBounds() {
    if (!FAutoSize || ComponentState().Contains(TComponentStateItem::csLoading))
        return;
    win::HDC dc = win::CreateCompatibleDC(nullptr);
    Canvas()->SetHandle(dc);
    Canvas()->Font()->Assign(*Font());
    win::RECT rect{0, 0, FWordWrap ? Width() : 0, 0};
    Canvas()->DrawText(Caption().empty() ? " " : Caption(), rect, TextFormat() | win::DT_CALCRECT);
    Canvas()->SetHandle(nullptr);
    win::DeleteDC(dc);
    SetBounds(Left(), Top(), rect.right, rect.bottom);
}

void TLabel::Paint() {
    win::RECT rect = ClientRect();
    if (!FTransparent) {
        Canvas()->Brush()->SetColor(Color());
        Canvas()->FillRect(rect);
    }
    Canvas()->Brush()->SetStyle(TBrushStyle::bsClear);
    if (!Enabled())
        Canvas()->Font()->SetColor(clGrayText);
    Canvas()->DrawText(Caption(), rect, TextFormat());
}

void TLabel::WndProc(TMessage& message) {
    TGraphicControl::WndProc(message);
    if (message.Msg == CM_TEXTCHANGED || message.Msg == CM_FONTCHANGED)
        AdjustBounds();
}

} // namespace fw

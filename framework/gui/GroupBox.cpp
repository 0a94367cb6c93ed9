#include "framework/gui/GroupBox.h"

#include "framework/ClassBuilder.h"
#include "framework/gui/DialogKeys.h"
#include "platform/gdi/Controls3D.h"
#include "platform/gdi/Text.h"

namespace fw {

namespace {

constexpr int kCaptionIndent = 8;

} // namespace

const TClassInfo& TGroupBox::StaticClass() {
    static const TClassInfo info = TClassBuilder<TGroupBox, TCustomControl>("TGroupBox").Build();
    return info;
}

TGroupBox::TGroupBox(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 185, 105);
    SetParentColor(true);
}

int TGroupBox::CaptionHeight() const {
    win::HDC dc = win::CreateCompatibleDC(nullptr);
    win::HGDIOBJ old = win::SelectObject(dc, Font()->Handle());
    win::SIZE size{0, 0};
    win::GetTextExtentPoint32(dc, "0", 1, &size);
    win::SelectObject(dc, old);
    win::DeleteDC(dc);
    return size.cy;
}

void TGroupBox::AlignControls(win::RECT& rect) {
    rect.top += CaptionHeight();
    rect = {rect.left + 2, rect.top + 2, rect.right - 2, rect.bottom - 2};
    TCustomControl::AlignControls(rect);
}

void TGroupBox::Paint() {
    TCanvas& canvas = *Canvas();
    const int height = canvas.TextHeight("0");
    win::RECT frame = ClientRect();
    frame.top += height / 2 - 1;
    win::DrawEdge(canvas.Handle(), &frame, win::EDGE_ETCHED, win::BF_RECT);
    const std::string caption = Caption();
    if (caption.empty())
        return;
    win::RECT text{kCaptionIndent, 0, ClientWidth() - kCaptionIndent, height};
    canvas.DrawText(caption, text, win::DT_CALCRECT | win::DT_SINGLELINE);
    // The caption sits in a gap of the frame line, on the box's own colour.
    canvas.Brush()->SetColor(Color());
    canvas.FillRect({text.left - 2, text.top, text.right + 2, text.bottom});
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    if (!Enabled())
        canvas.Font()->SetColor(clGrayText);
    canvas.DrawText(caption, text, win::DT_SINGLELINE);
}

void TGroupBox::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CM_DIALOGCHAR:
        if (IsAccelFor(message, *this)) {
            SelectFirst(*this);
            message.Result = 1;
            return;
        }
        break;
    case CM_TEXTCHANGED:
    case CM_ENABLEDCHANGED:
        Invalidate();
        break;
    case CM_FONTCHANGED:
        Realign();
        Invalidate();
        break;
    default:
        break;
    }
    TCustomControl::WndProc(message);
}

} // namespace fw

#include "framework/gui/StatusBar.h"

#include "framework/ClassBuilder.h"
#include "platform/user/controls/CommCtrl.h"

#include <vector>

namespace fw {

namespace {

// The part's look as SB_SETTEXT takes it in the high byte of wParam.
win::WPARAM PartType(const TStatusPanel& panel) {
    win::WPARAM type = 0;
    if (panel.Bevel() == TStatusPanelBevel::pbNone)
        type |= win::SBT_NOBORDERS;
    else if (panel.Bevel() == TStatusPanelBevel::pbRaised)
        type |= win::SBT_POPOUT;
    if (panel.Style() == TStatusPanelStyle::psOwnerDraw)
        type |= win::SBT_OWNERDRAW;
    return type;
}

// Text after one tab is centred by the bar, after two right-aligned.
std::string PartText(const TStatusPanel& panel) {
    switch (panel.Alignment()) {
    case TAlignment::taCenter:
        return "\t" + panel.Text();
    case TAlignment::taRightJustify:
        return "\t\t" + panel.Text();
    default:
        return panel.Text();
    }
}

} // namespace

const TClassInfo& TStatusPanel::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TStatusPanel, TCollectionItem>("TStatusPanel")
            .Property("Text", &TStatusPanel::Text, &TStatusPanel::SetText)
            .Property("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth)
            .Property("Bevel", &TStatusPanel::Bevel, &TStatusPanel::SetBevel)
            .Property("Alignment", &TStatusPanel::Alignment, &TStatusPanel::SetAlignment)
            .Property("Style", &TStatusPanel::Style, &TStatusPanel::SetStyle)
            .Build();
    return info;
}

const TClassInfo& TStatusPanels::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TStatusPanels, TCollection>("TStatusPanels").Build();
    return info;
}

const TClassInfo& TCustomStatusBar::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TCustomStatusBar, TWinControl>("TCustomStatusBar").Build();
    return info;
}

const TClassInfo& TStatusBar::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TStatusBar, TCustomStatusBar>("TStatusBar")
            .Property("Panels", &TStatusBar::Panels, &TStatusBar::SetPanels)
            .Property("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText)
            .Property("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel)
            .Property("OnDrawPanel", &TStatusBar::OnDrawPanel, &TStatusBar::OnDrawPanel)
            .Build();
    return info;
}

void TStatusPanel::SetText(const std::string& text) {
    if (text == FText)
        return;
    FText = text;
    Changed(false);
}

void TStatusPanel::SetWidth(int width) {
    if (width == FWidth)
        return;
    FWidth = width;
    Changed(true);
}

void TStatusPanel::SetBevel(TStatusPanelBevel bevel) {
    if (bevel == FBevel)
        return;
    FBevel = bevel;
    Changed(false);
}

void TStatusPanel::SetAlignment(TAlignment alignment) {
    if (alignment == FAlignment)
        return;
    FAlignment = alignment;
    Changed(false);
}

void TStatusPanel::SetStyle(TStatusPanelStyle style) {
    if (style == FStyle)
        return;
    FStyle = style;
    Changed(false);
}

TStatusPanels::TStatusPanels(TCustomStatusBar& bar)
    : TCollection(ItemFactory<TStatusPanel>(), &bar), FBar(bar) {}

void TStatusPanels::Update(TCollectionItem*) {
    FBar.UpdatePanels();
}

TCustomStatusBar::TCustomStatusBar(TComponent* owner)
    : TWinControl(owner), FPanels(std::make_unique<TStatusPanels>(*this)),
      FCanvas(std::make_unique<TCanvas>()) {
    SetBounds(0, 0, 200, 19);
    SetAlign(TAlign::alBottom);
    SetColor(clBtnFace);
}

TCustomStatusBar::~TCustomStatusBar() = default;

void TCustomStatusBar::SetPanels(TStatusPanels* panels) {
    if (panels)
        FPanels->Assign(*panels);
}

void TCustomStatusBar::SetSimpleText(const std::string& text) {
    FSimpleText = text;
    UpdatePanels();
}

void TCustomStatusBar::SetSimplePanel(bool simple) {
    FSimplePanel = simple;
    UpdatePanels();
}

void TCustomStatusBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = win::STATUSCLASSNAME;
}

void TCustomStatusBar::CreateWnd() {
    // The bar sizes itself from its font; the height it was given is its
    // minimum, so a defined height taller than the font's holds.
    const int wanted = Height();
    TWinControl::CreateWnd();
    win::SendMessage(Handle(), win::SB_SETMINHEIGHT, static_cast<win::WPARAM>(wanted), 0);
    UpdatePanels();
}

void TCustomStatusBar::UpdatePanels() {
    if (!HandleAllocated())
        return;
    win::HWND hwnd = Handle();
    win::SendMessage(hwnd, win::SB_SIMPLE, FSimplePanel, 0);
    if (FSimplePanel) {
        win::SendMessage(hwnd, win::SB_SETTEXT, win::SB_SIMPLEID,
                         reinterpret_cast<win::LPARAM>(FSimpleText.c_str()));
        return;
    }
    // Each part is given by its right edge; the last one runs to the end of the bar.
    std::vector<int> edges;
    int right = 0;
    for (int i = 0; i < FPanels->Count(); ++i) {
        right += FPanels->Items(i)->Width();
        edges.push_back(i + 1 == FPanels->Count() ? -1 : right);
    }
    if (edges.empty())
        return;
    win::SendMessage(hwnd, win::SB_SETPARTS, edges.size(),
                     reinterpret_cast<win::LPARAM>(edges.data()));
    for (int i = 0; i < FPanels->Count(); ++i) {
        const TStatusPanel& panel = *FPanels->Items(i);
        const std::string text = PartText(panel);
        // An owner-drawn part keeps a number instead of a text: its index.
        const win::LPARAM data = panel.Style() == TStatusPanelStyle::psOwnerDraw
                                     ? static_cast<win::LPARAM>(i)
                                     : reinterpret_cast<win::LPARAM>(text.c_str());
        win::SendMessage(hwnd, win::SB_SETTEXT, static_cast<win::WPARAM>(i) | PartType(panel),
                         data);
    }
}

void TCustomStatusBar::WndProc(TMessage& message) {
    if (message.Msg == CN_DRAWITEM) {
        DrawPanel(*reinterpret_cast<const win::DRAWITEMSTRUCT*>(message.LParam));
        message.Result = 1;
        return;
    }
    TWinControl::WndProc(message);
}

void TCustomStatusBar::DrawPanel(const win::DRAWITEMSTRUCT& item) {
    const int index = static_cast<int>(item.itemID);
    if (!OnDrawPanel || index < 0 || index >= FPanels->Count())
        return;
    const TCanvasDC lent(*FCanvas, item.hDC);
    FCanvas->Font()->Assign(*Font());
    FCanvas->Brush()->SetColor(Color());
    OnDrawPanel(this, FPanels->Items(index), item.rcItem);
}

} // namespace fw

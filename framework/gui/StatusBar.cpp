#include "framework/gui/StatusBar.h"

#include "framework/ClassBuilder.h"
#include "platform/user/controls/CommCtrl.h"

#include <vector>

namespace fw {

const TClassInfo& TStatusPanel::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TStatusPanel, TCollectionItem>("TStatusPanel")
            .Property("Text", &TStatusPanel::Text, &TStatusPanel::SetText)
            .Property("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth)
            .Build();
    return info;
}

const TClassInfo& TStatusPanels::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TStatusPanels, TCollection>("TStatusPanels").Build();
    return info;
}

const TClassInfo& TStatusBar::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TStatusBar, TWinControl>("TStatusBar")
            .Property("Panels", &TStatusBar::Panels, &TStatusBar::SetPanels)
            .Property("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText)
            .Property("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel)
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

TStatusPanels::TStatusPanels(TStatusBar& bar)
    : TCollection(ItemFactory<TStatusPanel>(), &bar), FBar(bar) {}

void TStatusPanels::Update(TCollectionItem*) {
    FBar.UpdatePanels();
}

TStatusBar::TStatusBar(TComponent* owner)
    : TWinControl(owner), FPanels(std::make_unique<TStatusPanels>(*this)) {
    SetBounds(0, 0, 200, 19);
    SetAlign(TAlign::alBottom);
    SetColor(clBtnFace);
}

TStatusBar::~TStatusBar() = default;

void TStatusBar::SetPanels(TStatusPanels* panels) {
    if (panels)
        FPanels->Assign(*panels);
}

void TStatusBar::SetSimpleText(const std::string& text) {
    FSimpleText = text;
    UpdatePanels();
}

void TStatusBar::SetSimplePanel(bool simple) {
    FSimplePanel = simple;
    UpdatePanels();
}

void TStatusBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = win::STATUSCLASSNAME;
}

void TStatusBar::CreateWnd() {
    // The bar sizes itself from its font; the height it was given is its
    // minimum, so a defined height taller than the font's holds.
    const int wanted = Height();
    TWinControl::CreateWnd();
    win::SendMessage(Handle(), win::SB_SETMINHEIGHT, static_cast<win::WPARAM>(wanted), 0);
    UpdatePanels();
}

void TStatusBar::UpdatePanels() {
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
    for (int i = 0; i < FPanels->Count(); ++i)
        win::SendMessage(hwnd, win::SB_SETTEXT, static_cast<win::WPARAM>(i),
                         reinterpret_cast<win::LPARAM>(FPanels->Items(i)->Text().c_str()));
}

} // namespace fw

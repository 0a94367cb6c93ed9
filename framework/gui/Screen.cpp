#include "framework/gui/Screen.h"

#include "framework/ClassBuilder.h"
#include "framework/gui/Form.h"
#include "platform/gdi/SystemMetrics.h"

#include <algorithm>

namespace fw {

const TClassInfo& TScreen::StaticClass() {
    static const TClassInfo info = TClassBuilder<TScreen, TComponent>("TScreen")
                                       .Property("FormCount", &TScreen::FormCount)
                                       .Property("ActiveForm", &TScreen::ActiveForm)
                                       .Property("MenuFont", &TScreen::MenuFont)
                                       .Property("HintFont", &TScreen::HintFont)
                                       .Build();
    return info;
}

TScreen::TScreen(TComponent* owner)
    : TComponent(owner), FMenuFont(std::make_unique<TFont>()),
      FHintFont(std::make_unique<TFont>()) {
    win::NONCLIENTMETRICS metrics;
    if (win::SystemParametersInfo(win::SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        FMenuFont->AssignLogFont(metrics.lfMenuFont);
        FHintFont->AssignLogFont(metrics.lfStatusFont);
    }
    FHintFont->SetColor(clInfoText);
}

TScreen::~TScreen() = default;

// Never freed, so that forms freed at any time can still leave its list.
TScreen& Screen() {
    static TScreen* const screen = MakeComponent<TScreen>().release();
    return *screen;
}

TCustomForm* TScreen::Forms(int index) const {
    if (index < 0 || index >= FormCount())
        throw CreateFmt<EListError>("List index out of bounds (%d)", index);
    return FForms[static_cast<std::size_t>(index)];
}

TCustomForm* TScreen::ActiveForm() const {
    win::HWND active = win::GetActiveWindow();
    for (TCustomForm* form : FForms)
        if (form->HandleAllocated() && form->Handle() == active)
            return form;
    return nullptr;
}

int TScreen::Width() const {
    return win::GetSystemMetrics(win::SM_CXSCREEN);
}
int TScreen::Height() const {
    return win::GetSystemMetrics(win::SM_CYSCREEN);
}

void TScreen::AddForm(TCustomForm& form) {
    if (std::find(FForms.begin(), FForms.end(), &form) == FForms.end())
        FForms.push_back(&form);
}

void TScreen::RemoveForm(TCustomForm& form) {
    std::erase(FForms, &form);
}

} // namespace fw

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
                                       .Build();
    return info;
}

// Never freed, so that forms freed at any time can still leave its list.
TScreen& Screen() {
    static TScreen* const screen = MakeComponent<TScreen>().release();
    return *screen;
}

TForm* TScreen::Forms(int index) const {
    if (index < 0 || index >= FormCount())
        throw CreateFmt<EListError>("List index out of bounds (%d)", index);
    return FForms[static_cast<std::size_t>(index)];
}

TForm* TScreen::ActiveForm() const {
    win::HWND active = win::GetActiveWindow();
    for (TForm* form : FForms)
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

void TScreen::AddForm(TForm& form) {
    if (std::find(FForms.begin(), FForms.end(), &form) == FForms.end())
        FForms.push_back(&form);
}

void TScreen::RemoveForm(TForm& form) {
    std::erase(FForms, &form);
}

} // namespace fw

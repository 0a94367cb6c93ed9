#pragma once
// The screen: the list of the program's forms, the active one, the size of
// the desktop, and the fonts the system uses for menus and hints.

#include "framework/Component.h"
#include "framework/gui/Font.h"

#include <memory>
#include <vector>

namespace fw {

class TCustomForm;

class TScreen : public TComponent {
    FW_CLASS(TScreen, TComponent)

    explicit TScreen(TComponent* owner);
    ~TScreen() override;

    int FormCount() const { return static_cast<int>(FForms.size()); }
    // Forms in the order they were created; EListError for a bad index.
    TCustomForm* Forms(int index) const;
    // The form holding the active window, or null when another program's is active.
    TCustomForm* ActiveForm() const;
    int Width() const;
    int Height() const;
    // The system's menu font and the font of hints (its status font).
    TFont* MenuFont() const { return FMenuFont.get(); }
    TFont* HintFont() const { return FHintFont.get(); }

    void AddForm(TCustomForm& form);
    void RemoveForm(TCustomForm& form);

private:
    std::vector<TCustomForm*> FForms;
    std::unique_ptr<TFont> FMenuFont;
    std::unique_ptr<TFont> FHintFont;
};

// The process's screen object, made on first use.
TScreen& Screen();

} // namespace fw

#pragma once
// The screen: the list of the program's forms, the active one, and the size of
// the desktop.

#include "framework/Component.h"

#include <vector>

namespace fw {

class TForm;

class TScreen : public TComponent {
    FW_CLASS(TScreen, TComponent)

    explicit TScreen(TComponent* owner) : TComponent(owner) {}

    int FormCount() const { return static_cast<int>(FForms.size()); }
    // Forms in the order they were created; EListError for a bad index.
    TForm* Forms(int index) const;
    // The form holding the active window, or null when another program's is active.
    TForm* ActiveForm() const;
    int Width() const;
    int Height() const;

    void AddForm(TForm& form);
    void RemoveForm(TForm& form);

private:
    std::vector<TForm*> FForms;
};

// The process's screen object, made on first use.
TScreen& Screen();

} // namespace fw

#pragma once
// A push button on the platform's Button class. Its click comes back from the
// window as a reflected BN_CLICKED; Click() in code runs the handler at once.

#include "framework/gui/WinControl.h"

namespace fw {

class TButton : public TWinControl {
    FW_CLASS(TButton, TWinControl)

    explicit TButton(TComponent* owner);

    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int result) { FModalResult = result; }

    void Click() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;

private:
    bool FDefault = false;
    bool FCancel = false;
    int FModalResult = 0;
};

} // namespace fw

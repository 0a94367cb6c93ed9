#pragma once
// An up-down control on the platform's msctls_updown32 class: two arrow
// buttons that move a position between Min and Max by Increment, optionally
// shown as a number in an associated control beside which the buttons sit.
// The window asks first (UDN_DELTAPOS, back here through CN_NOTIFY, where
// OnChanging may refuse) and reports the move after (WM_VSCROLL/WM_HSCROLL,
// back as CN_VSCROLL/CN_HSCROLL, where OnClick tells which arrow moved it).

#include "framework/gui/WinControl.h"

namespace fw {

enum class TUDAlignButton { udLeft, udRight };
FW_ENUM_NAMES(TUDAlignButton, "udLeft", "udRight");

enum class TUDOrientation { udHorizontal, udVertical };
FW_ENUM_NAMES(TUDOrientation, "udHorizontal", "udVertical");

enum class TUDBtnType { btNext, btPrev };
FW_ENUM_NAMES(TUDBtnType, "btNext", "btPrev");

using TUDClickEvent = std::function<void(TObject* sender, TUDBtnType button)>;
using TUDChangingEvent = std::function<void(TObject* sender, bool& allowChange)>;

class TUpDown : public TWinControl {
    FW_CLASS(TUpDown, TWinControl)

    explicit TUpDown(TComponent* owner);
    ~TUpDown() override;

    int Min() const { return FMin; }
    void SetMin(int min);
    int Max() const { return FMax; }
    void SetMax(int max);
    int Position() const;
    void SetPosition(int position);
    int Increment() const { return FIncrement; }
    void SetIncrement(int increment) { FIncrement = increment; }
    // The control whose text shows the position; the buttons move up against it.
    TWinControl* Associate() const { return FAssociate; }
    void SetAssociate(TWinControl* associate);
    TUDAlignButton AlignButton() const { return FAlignButton; }
    void SetAlignButton(TUDAlignButton align);
    TUDOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TUDOrientation orientation);
    bool Wrap() const { return FWrap; }
    void SetWrap(bool wrap);
    // The associate's up and down arrow keys move the position too.
    bool ArrowKeys() const { return FArrowKeys; }
    void SetArrowKeys(bool arrowKeys);
    // The associate shows thousands separators.
    bool Thousands() const { return FThousands; }
    void SetThousands(bool thousands);

    TUDClickEvent OnClick;
    TUDChangingEvent OnChanging;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;
    virtual bool CanChange();
    using TWinControl::Click;
    virtual void Click(TUDBtnType button);

private:
    void SendRange();
    void SendBuddy();
    void DeltaPos(TMessage& message);
    void Scrolled();

    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
    int FIncrement = 1;
    TWinControl* FAssociate = nullptr;
    TUDAlignButton FAlignButton = TUDAlignButton::udRight;
    TUDOrientation FOrientation = TUDOrientation::udVertical;
    bool FWrap = false;
    bool FArrowKeys = true;
    bool FThousands = true;
    // Which way the last step the window asked about went, for OnClick.
    TUDBtnType FLastStep = TUDBtnType::btNext;
};

} // namespace fw

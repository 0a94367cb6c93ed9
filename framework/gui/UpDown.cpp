#include "framework/gui/UpDown.h"

#include "framework/ClassBuilder.h"
#include "framework/gui/RangePosition.h"
#include "platform/user/controls/CommCtrl.h"
#include "platform/user/controls/StandardControls.h"

#include <algorithm>

namespace fw {

const TClassInfo& TUpDown::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TUpDown, TWinControl>("TUpDown")
            .Property("Min", &TUpDown::Min, &TUpDown::SetMin)
            .Property("Max", &TUpDown::Max, &TUpDown::SetMax)
            .Property("Position", &TUpDown::Position, &TUpDown::SetPosition)
            .Property("Increment", &TUpDown::Increment, &TUpDown::SetIncrement)
            .Property("Associate", &TUpDown::Associate, &TUpDown::SetAssociate)
            .Property("AlignButton", &TUpDown::AlignButton, &TUpDown::SetAlignButton)
            .Property("Orientation", &TUpDown::Orientation, &TUpDown::SetOrientation)
            .Property("Wrap", &TUpDown::Wrap, &TUpDown::SetWrap)
            .Property("ArrowKeys", &TUpDown::ArrowKeys, &TUpDown::SetArrowKeys)
            .Property("Thousands", &TUpDown::Thousands, &TUpDown::SetThousands)
            .Property("OnClick", &TUpDown::OnClick, &TUpDown::OnClick)
            .Property("OnChanging", &TUpDown::OnChanging, &TUpDown::OnChanging)
            .Build();
    return info;
}

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 17, 25);
    SetColor(clBtnFace);
    // The window reports its own clicks, by arrow.
    SetMouseClicks(false);
}

TUpDown::~TUpDown() {
    if (FAssociate)
        FAssociate->RemoveFreeNotification(*this);
}

void TUpDown::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = win::UPDOWN_CLASS;
    params.Style |= win::UDS_SETBUDDYINT;
    params.Style |=
        FAlignButton == TUDAlignButton::udLeft ? win::UDS_ALIGNLEFT : win::UDS_ALIGNRIGHT;
    if (FOrientation == TUDOrientation::udHorizontal)
        params.Style |= win::UDS_HORZ;
    if (FWrap)
        params.Style |= win::UDS_WRAP;
    if (FArrowKeys)
        params.Style |= win::UDS_ARROWKEYS;
    if (!FThousands)
        params.Style |= win::UDS_NOTHOUSANDS;
}

void TUpDown::CreateWnd() {
    TWinControl::CreateWnd();
    SendRange();
    win::SendMessage(Handle(), win::UDM_SETPOS32, 0, FPosition);
    SendBuddy();
}

void TUpDown::DestroyWnd() {
    FPosition = Position();
    TWinControl::DestroyWnd();
}

void TUpDown::SendRange() {
    if (HandleAllocated())
        win::SendMessage(Handle(), win::UDM_SETRANGE32, FMin, FMax);
}

void TUpDown::SendBuddy() {
    if (!HandleAllocated())
        return;
    win::HWND buddy = nullptr;
    // The associate's window needs a parent window; without one it waits for CreateWnd.
    if (FAssociate && FAssociate->Parent() && FAssociate->Parent()->HandleAllocated())
        buddy = FAssociate->Handle();
    win::SendMessage(Handle(), win::UDM_SETBUDDY, reinterpret_cast<win::WPARAM>(buddy), 0);
}

void TUpDown::SetMin(int min) {
    FMin = min;
    SendRange();
}

void TUpDown::SetMax(int max) {
    FMax = max;
    SendRange();
}

int TUpDown::Position() const {
    if (HandleAllocated())
        return WindowPosition(*this, win::UDM_GETPOS32);
    // The up-down's range may run either way.
    return StoredPosition(*this, FPosition, std::min(FMin, FMax), std::max(FMin, FMax));
}

void TUpDown::SetPosition(int position) {
    FPosition = position;
    if (HandleAllocated())
        win::SendMessage(Handle(), win::UDM_SETPOS32, 0, position);
}

void TUpDown::SetAssociate(TWinControl* associate) {
    if (associate == this)
        throw CreateFmt<EInvalidOperation>("%s cannot be associated with itself", Name());
    if (associate == FAssociate)
        return;
    if (FAssociate)
        FAssociate->RemoveFreeNotification(*this);
    FAssociate = associate;
    if (FAssociate)
        FAssociate->FreeNotification(*this);
    SendBuddy();
}

void TUpDown::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FAssociate) {
        FAssociate = nullptr;
        SendBuddy();
    }
}

void TUpDown::SetAlignButton(TUDAlignButton align) {
    if (align == FAlignButton)
        return;
    FAlignButton = align;
    RecreateWnd();
}

void TUpDown::SetOrientation(TUDOrientation orientation) {
    if (orientation == FOrientation)
        return;
    FOrientation = orientation;
    TurnBox(*this);
    RecreateWnd();
}

void TUpDown::SetWrap(bool wrap) {
    if (wrap == FWrap)
        return;
    FWrap = wrap;
    RecreateWnd();
}

void TUpDown::SetArrowKeys(bool arrowKeys) {
    if (arrowKeys == FArrowKeys)
        return;
    FArrowKeys = arrowKeys;
    RecreateWnd();
}

void TUpDown::SetThousands(bool thousands) {
    if (thousands == FThousands)
        return;
    FThousands = thousands;
    RecreateWnd();
}

void TUpDown::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CN_NOTIFY:
        if (reinterpret_cast<const win::NMHDR*>(message.LParam)->code == win::UDN_DELTAPOS) {
            DeltaPos(message);
            return;
        }
        break;
    case CN_HSCROLL:
    case CN_VSCROLL:
        Scrolled();
        message.Result = 0;
        return;
    default:
        break;
    }
    TWinControl::WndProc(message);
}

void TUpDown::DeltaPos(TMessage& message) {
    auto* notice = reinterpret_cast<win::NMUPDOWN*>(message.LParam);
    // The window steps by one; the step is Increment in the direction it chose.
    FLastStep = notice->iDelta > 0 ? TUDBtnType::btNext : TUDBtnType::btPrev;
    notice->iDelta = notice->iDelta > 0 ? FIncrement : -FIncrement;
    message.Result = CanChange() ? 0 : 1;
}

void TUpDown::Scrolled() {
    FPosition = Position();
    Click(FLastStep);
}

bool TUpDown::CanChange() {
    bool allow = true;
    if (OnChanging)
        OnChanging(this, allow);
    return allow;
}

void TUpDown::Click(TUDBtnType button) {
    if (OnClick)
        OnClick(this, button);
}

} // namespace fw

#pragma once
// A menu shown at a point, from code (Popup) or by a right click or the
// keyboard's context-menu keys on a control whose PopupMenu it is (AutoPopup).
// The menu is tracked for a hidden window of the framework's own, which takes
// the chosen command and the owner-draw messages and hands them to the items.

#include "framework/gui/Menus.h"

namespace fw {

enum class TPopupAlignment { paLeft, paRight, paCenter };
FW_ENUM_NAMES(TPopupAlignment, "paLeft", "paRight", "paCenter");

enum class TTrackButton { tbRightButton, tbLeftButton };
FW_ENUM_NAMES(TTrackButton, "tbRightButton", "tbLeftButton");

class TPopupMenu : public TMenu {
    FW_CLASS(TPopupMenu, TMenu)

    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;

    TPopupAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TPopupAlignment alignment) { FAlignment = alignment; }
    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool autoPopup) { FAutoPopup = autoPopup; }
    TTrackButton TrackButton() const { return FTrackButton; }
    void SetTrackButton(TTrackButton button) { FTrackButton = button; }
    // The control the menu was last shown for.
    TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* component);
    win::POINT PopupPoint() const { return FPopupPoint; }

    // Runs OnPopup, then shows the menu at screen point x, y until the user
    // chooses or leaves it; the chosen item's OnClick runs from the message
    // loop right after.
    virtual void Popup(int x, int y);

    TNotifyEvent OnPopup;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TPopupAlignment FAlignment = TPopupAlignment::paLeft;
    bool FAutoPopup = true;
    TTrackButton FTrackButton = TTrackButton::tbRightButton;
    TComponent* FPopupComponent = nullptr;
    win::POINT FPopupPoint{0, 0};
};

// The hidden window every popup menu is tracked for, made on first use; its
// procedure hands the menu messages to the items (HandleMenuMessage).
win::HWND PopupListWindow();

} // namespace fw

#pragma once
// The base of everything visible on a form: bounds within the parent, alignment,
// visibility, colour and font (inherited from the parent while ParentColor and
// ParentFont are set), text, mouse events, and the WindowProc method pointer
// through which every message reaches the control. WindowProc starts out as
// the control's own WndProc; a subclasser saves it, installs its own handler
// and passes on to the saved one, so handlers chain without touching the
// window procedure.

#include "framework/Component.h"
#include "framework/gui/ControlMessages.h"
#include "framework/gui/Font.h"

#include <functional>
#include <memory>
#include <string>

namespace fw {

class TWinControl;
class TPopupMenu;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
FW_ENUM_NAMES(TAlign, "alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient");

enum class TBiDiMode {
    bdLeftToRight,
    bdRightToLeft,
    bdRightToLeftNoAlign,
    bdRightToLeftReadingOnly
};
FW_ENUM_NAMES(TBiDiMode, "bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign",
              "bdRightToLeftReadingOnly");

// Where a line of text sits in its box.
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
FW_ENUM_NAMES(TAlignment, "taLeftJustify", "taRightJustify", "taCenter");

// Whether a control draws a line around itself (list boxes, edits).
enum class TBorderStyle { bsNone, bsSingle };
FW_ENUM_NAMES(TBorderStyle, "bsNone", "bsSingle");

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
FW_ENUM_NAMES(TMouseButton, "mbLeft", "mbRight", "mbMiddle");

enum class TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
FW_ENUM_NAMES(TShiftStateItem, "ssShift", "ssAlt", "ssCtrl", "ssLeft", "ssRight", "ssMiddle",
              "ssDouble");
using TShiftState = TSet<TShiftStateItem>;

using TWndMethod = std::function<void(TMessage& message)>;
using TMouseEvent =
    std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;

class TControl : public TComponent {
    FW_CLASS(TControl, TComponent)

    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* parent);

    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int left) { SetBounds(left, FTop, FWidth, FHeight); }
    void SetTop(int top) { SetBounds(FLeft, top, FWidth, FHeight); }
    void SetWidth(int width) { SetBounds(FLeft, FTop, width, FHeight); }
    void SetHeight(int height) { SetBounds(FLeft, FTop, FWidth, height); }
    virtual void SetBounds(int left, int top, int width, int height);
    win::RECT BoundsRect() const { return {FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
    virtual win::RECT ClientRect() const { return {0, 0, FWidth, FHeight}; }
    int ClientWidth() const { return ClientRect().right; }
    int ClientHeight() const { return ClientRect().bottom; }
    void SetClientWidth(int width);
    void SetClientHeight(int height);

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign align);
    bool Visible() const { return FVisible; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible here and in every parent up to a form that is showing.
    virtual bool Showing() const;
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);
    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool parentColor);
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* font);
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool parentFont);
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode mode) { FBiDiMode = mode; }
    // Shown by a right click or the context-menu keys when its AutoPopup is
    // set; without one the parent's is shown.
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* menu);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& hint) { FHint = hint; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool showHint) { FShowHint = showHint; }

    // Caption and Text are one value; controls publish whichever name fits them.
    virtual std::string Text() const { return FText; }
    void SetText(const std::string& text);
    std::string Caption() const { return Text(); }
    void SetCaption(const std::string& caption) { SetText(caption); }

    const TWndMethod& WindowProc() const { return FWindowProc; }
    void SetWindowProc(TWndMethod proc) { FWindowProc = std::move(proc); }
    // Sends a message straight to WindowProc, whether or not there is a window.
    win::LRESULT Perform(win::UINT msg, win::WPARAM wParam = 0, win::LPARAM lParam = 0);

    virtual void Invalidate();
    virtual void Update();
    void Repaint();
    void Refresh() { Repaint(); }
    void BringToFront();

    // Runs the click handler as a user's click would.
    virtual void Click();
    // What a press, release or move of the mouse does to the control (client
    // coordinates). Public, so that code painting a control in its place (a
    // skinner that takes the press) can hand the press on.
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);

    // Nested in a definition: the enclosing windowed control becomes the parent.
    void SetParentComponent(TComponent* parent) override;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    // The control's own message handling, where WindowProc starts out.
    virtual void WndProc(TMessage& message);
    // What is done with a message no class handles (a window: its class procedure).
    virtual void DefaultHandler(TMessage& message);
    // Text as stored; a windowed control keeps its window's text in step.
    virtual void SetTextBuf(const std::string& text);
    // Bounds changed by the control itself or by its window.
    void UpdateBoundsFields(int left, int top, int width, int height);
    // Asks the parent to realign its children after this one's bounds or alignment changed.
    void RequestAlign();
    // Follows the parent's colour and font when ParentColor/ParentFont say so.
    void ParentChanged();
    virtual void ColorChanged();
    virtual void FontChanged();
    // Draws into dc (in this control's client coordinates) what the parent shows
    // under the control: the parent's background and painting, sent to it as
    // WM_ERASEBKGND and WM_PAINT with the DC.
    void PaintParentBackground(win::HDC dc);
    // Whether a press and release of the left button inside the control clicks it;
    // controls whose window reports clicks itself turn this off.
    void SetMouseClicks(bool mouseClicks) { FMouseClicks = mouseClicks; }

private:
    void MouseMessage(TMessage& message);
    // WM_CONTEXTMENU: a graphic child under the point, then this control's popup menu.
    bool ContextMenu(TMessage& message);
    void FontOnChange();

    TWinControl* FParent = nullptr;
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    TAlign FAlign = TAlign::alNone;
    bool FVisible = true;
    bool FEnabled = true;
    TColor FColor = clWindow;
    bool FParentColor = false;
    std::unique_ptr<TFont> FFont;
    bool FParentFont = true;
    bool FFontFromParent = false;
    TBiDiMode FBiDiMode = TBiDiMode::bdLeftToRight;
    TPopupMenu* FPopupMenu = nullptr;
    std::string FHint;
    bool FShowHint = false;
    std::string FText;
    TWndMethod FWindowProc;
    bool FLeftPressed = false;
    bool FMouseClicks = true;

    friend class TWinControl;
};

TShiftState KeysToShiftState(win::WPARAM keys);

} // namespace fw

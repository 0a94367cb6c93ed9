#include "framework/gui/Control.h"

#include "framework/ClassBuilder.h"
#include "framework/gui/Menus.h"
#include "framework/gui/PopupMenu.h"
#include "framework/gui/WinControl.h"
#include "platform/user/Painting.h"

namespace fw {

namespace {

int MouseX(win::LPARAM lParam) {
    return static_cast<short>(lParam & 0xFFFF);
}
int MouseY(win::LPARAM lParam) {
    return static_cast<short>((lParam >> 16) & 0xFFFF);
}

} // namespace

const TClassInfo& TControl::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TControl, TComponent>("TControl")
            .Property("Left", &TControl::Left, &TControl::SetLeft)
            .Property("Top", &TControl::Top, &TControl::SetTop)
            .Property("Width", &TControl::Width, &TControl::SetWidth)
            .Property("Height", &TControl::Height, &TControl::SetHeight)
            .Property("Align", &TControl::Align, &TControl::SetAlign)
            .Property("Visible", &TControl::Visible, &TControl::SetVisible)
            .Property("Enabled", &TControl::Enabled, &TControl::SetEnabled)
            .Property("Color", &TControl::Color, &TControl::SetColor)
            .Property("ParentColor", &TControl::ParentColor, &TControl::SetParentColor)
            .Property("Font", &TControl::Font, &TControl::SetFont)
            .Property("ParentFont", &TControl::ParentFont, &TControl::SetParentFont)
            .Property("BiDiMode", &TControl::BiDiMode, &TControl::SetBiDiMode)
            .Property("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu)
            .Property("Hint", &TControl::Hint, &TControl::SetHint)
            .Property("ShowHint", &TControl::ShowHint, &TControl::SetShowHint)
            .Property("Caption", &TControl::Caption, &TControl::SetCaption)
            .Property("Text", &TControl::Text, &TControl::SetText)
            .Property("OnClick", &TControl::OnClick, &TControl::OnClick)
            .Property("OnDblClick", &TControl::OnDblClick, &TControl::OnDblClick)
            .Property("OnMouseDown", &TControl::OnMouseDown, &TControl::OnMouseDown)
            .Property("OnMouseUp", &TControl::OnMouseUp, &TControl::OnMouseUp)
            .Property("OnMouseMove", &TControl::OnMouseMove, &TControl::OnMouseMove)
            .Build();
    return info;
}

TShiftState KeysToShiftState(win::WPARAM keys) {
    TShiftState shift;
    if (keys & win::MK_SHIFT)
        shift.Include(TShiftStateItem::ssShift);
    if (keys & win::MK_CONTROL)
        shift.Include(TShiftStateItem::ssCtrl);
    if (keys & win::MK_LBUTTON)
        shift.Include(TShiftStateItem::ssLeft);
    if (keys & win::MK_RBUTTON)
        shift.Include(TShiftStateItem::ssRight);
    if (keys & win::MK_MBUTTON)
        shift.Include(TShiftStateItem::ssMiddle);
    return shift;
}

TControl::TControl(TComponent* owner)
    : TComponent(owner), FFont(std::make_unique<TFont>()),
      FWindowProc([this](TMessage& message) { WndProc(message); }) {
    FFont->OnChange = [this](TObject*) { FontOnChange(); };
}

TControl::~TControl() {
    if (TWinControl::MouseControl() == this)
        TWinControl::MouseControl() = nullptr;
    if (FParent)
        FParent->RemoveControl(*this);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == FParent)
        return;
    if (parent == this)
        throw EInvalidOperation("A control cannot have itself as its parent");
    if (FParent)
        FParent->RemoveControl(*this);
    if (parent)
        parent->InsertControl(*this);
    ParentChanged();
}

void TControl::SetParentComponent(TComponent* parent) {
    SetParent(dynamic_cast<TWinControl*>(parent));
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
    if (menu != FPopupMenu)
        SetComponentReference(*this, FPopupMenu, menu);
}

void TControl::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FPopupMenu)
        FPopupMenu = nullptr;
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (left == FLeft && top == FTop && width == FWidth && height == FHeight)
        return;
    Invalidate();
    UpdateBoundsFields(left, top, width, height);
    Invalidate();
    RequestAlign();
}

void TControl::UpdateBoundsFields(int left, int top, int width, int height) {
    FLeft = left;
    FTop = top;
    FWidth = width < 0 ? 0 : width;
    FHeight = height < 0 ? 0 : height;
}

void TControl::RequestAlign() {
    if (FParent && FAlign != TAlign::alNone)
        FParent->Realign();
}

void TControl::SetClientWidth(int width) {
    SetWidth(FWidth - ClientWidth() + width);
}

void TControl::SetClientHeight(int height) {
    SetHeight(FHeight - ClientHeight() + height);
}

void TControl::SetAlign(TAlign align) {
    if (align == FAlign)
        return;
    FAlign = align;
    if (FParent)
        FParent->Realign();
}

void TControl::SetVisible(bool visible) {
    if (visible == FVisible)
        return;
    if (!visible)
        Invalidate();
    FVisible = visible;
    Perform(CM_VISIBLECHANGED, visible);
    if (visible)
        Invalidate();
    if (FParent && FAlign != TAlign::alNone)
        FParent->Realign();
}

bool TControl::Showing() const {
    return FVisible && FParent && FParent->Showing();
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == FEnabled)
        return;
    FEnabled = enabled;
    Perform(CM_ENABLEDCHANGED);
    Invalidate();
}

void TControl::SetColor(TColor color) {
    FParentColor = false;
    if (color == FColor)
        return;
    FColor = color;
    ColorChanged();
}

void TControl::SetParentColor(bool parentColor) {
    if (parentColor == FParentColor)
        return;
    FParentColor = parentColor;
    ParentChanged();
}

void TControl::SetFont(TFont* font) {
    if (font)
        FFont->Assign(*font);
}

void TControl::SetParentFont(bool parentFont) {
    if (parentFont == FParentFont)
        return;
    FParentFont = parentFont;
    ParentChanged();
}

void TControl::ParentChanged() {
    if (!FParent)
        return;
    if (FParentColor && FColor != FParent->Color()) {
        FColor = FParent->Color();
        ColorChanged();
    }
    if (FParentFont) {
        FFontFromParent = true;
        FFont->Assign(*FParent->Font());
        FFontFromParent = false;
    }
}

void TControl::FontOnChange() {
    // A font set on the control itself stops it following its parent's.
    if (!FFontFromParent)
        FParentFont = false;
    FontChanged();
}

void TControl::ColorChanged() {
    Perform(CM_COLORCHANGED);
    Invalidate();
}

void TControl::FontChanged() {
    Perform(CM_FONTCHANGED);
    Invalidate();
}

void TControl::SetText(const std::string& text) {
    if (text == Text())
        return;
    SetTextBuf(text);
    Perform(CM_TEXTCHANGED);
}

void TControl::SetTextBuf(const std::string& text) {
    FText = text;
    Invalidate();
}

win::LRESULT TControl::Perform(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    TMessage message{msg, wParam, lParam, 0};
    FWindowProc(message);
    return message.Result;
}

void TControl::Invalidate() {
    if (FVisible && FParent && FParent->HandleAllocated()) {
        const win::RECT bounds = BoundsRect();
        win::InvalidateRect(FParent->Handle(), &bounds, win::TRUE);
    }
}

void TControl::Update() {
    if (FParent)
        FParent->Update();
}

void TControl::Repaint() {
    Invalidate();
    Update();
}

void TControl::PaintParentBackground(win::HDC dc) {
    if (!FParent || !FParent->HandleAllocated())
        return;
    // Where this control's client area lies in the parent's client area.
    win::POINT origin{FLeft, FTop};
    if (auto* self = dynamic_cast<TWinControl*>(this); self && self->HandleAllocated()) {
        origin = {0, 0};
        win::MapWindowPoints(self->Handle(), FParent->Handle(), &origin, 1);
    }
    const win::RECT client = ClientRect();
    const int saved = win::SaveDC(dc);
    win::OffsetViewportOrgEx(dc, -origin.x, -origin.y, nullptr);
    win::IntersectClipRect(dc, origin.x, origin.y, origin.x + client.right,
                           origin.y + client.bottom);
    const auto wParam = reinterpret_cast<win::WPARAM>(dc);
    win::SendMessage(FParent->Handle(), win::WM_ERASEBKGND, wParam, 0);
    win::SendMessage(FParent->Handle(), win::WM_PAINT, wParam, 0);
    win::RestoreDC(dc, saved);
}

void TControl::BringToFront() {
    if (FParent)
        FParent->BringControlToFront(*this);
}

void TControl::Click() {
    if (OnClick)
        OnClick(this);
}

void TControl::WndProc(TMessage& message) {
    switch (message.Msg) {
    case win::WM_LBUTTONDOWN:
    case win::WM_LBUTTONUP:
    case win::WM_LBUTTONDBLCLK:
    case win::WM_RBUTTONDOWN:
    case win::WM_RBUTTONUP:
    case win::WM_MOUSEMOVE:
        MouseMessage(message);
        break;
    case win::WM_CONTEXTMENU:
        if (ContextMenu(message))
            return;
        break;
    case win::WM_KEYDOWN:
    case win::WM_SYSKEYDOWN:
        // Menu shortcuts come before the control's own use of the key.
        if (DispatchShortCut(*this, message))
            return;
        break;
    default:
        break;
    }
    DefaultHandler(message);
}

bool TControl::ContextMenu(TMessage& message) {
    const bool fromKeyboard = message.LParam == -1;
    win::POINT screen{MouseX(message.LParam), MouseY(message.LParam)};
    auto* self = dynamic_cast<TWinControl*>(this);
    if (self && self->HandleAllocated() && !fromKeyboard) {
        win::POINT client = screen;
        win::ScreenToClient(self->Handle(), &client);
        if (TControl* child = self->ControlAtPos(client);
            child && child->Perform(win::WM_CONTEXTMENU, message.WParam, message.LParam)) {
            message.Result = 1;
            return true;
        }
    }
    if (!FPopupMenu || !FPopupMenu->AutoPopup())
        return false;
    if (fromKeyboard) {
        // From the keyboard the menu opens at the control's top-left corner.
        screen = {0, 0};
        if (self && self->HandleAllocated())
            win::ClientToScreen(self->Handle(), &screen);
        else if (FParent && FParent->HandleAllocated()) {
            screen = {FLeft, FTop};
            win::ClientToScreen(FParent->Handle(), &screen);
        }
    }
    FPopupMenu->SetPopupComponent(this);
    FPopupMenu->Popup(screen.x, screen.y);
    message.Result = 1;
    return true;
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::MouseMessage(TMessage& message) {
    const TShiftState shift = KeysToShiftState(message.WParam);
    const int x = MouseX(message.LParam);
    const int y = MouseY(message.LParam);
    switch (message.Msg) {
    case win::WM_LBUTTONDOWN:
        FLeftPressed = true;
        MouseDown(TMouseButton::mbLeft, shift, x, y);
        break;
    case win::WM_LBUTTONDBLCLK:
        FLeftPressed = true;
        if (OnDblClick)
            OnDblClick(this);
        MouseDown(TMouseButton::mbLeft, shift + TShiftState{TShiftStateItem::ssDouble}, x, y);
        break;
    case win::WM_LBUTTONUP: {
        const bool inside = x >= 0 && y >= 0 && x < FWidth && y < FHeight;
        const bool clicked = FLeftPressed && inside && FMouseClicks;
        FLeftPressed = false;
        if (clicked)
            Click();
        MouseUp(TMouseButton::mbLeft, shift, x, y);
        break;
    }
    case win::WM_RBUTTONDOWN:
        MouseDown(TMouseButton::mbRight, shift, x, y);
        break;
    case win::WM_RBUTTONUP:
        MouseUp(TMouseButton::mbRight, shift, x, y);
        break;
    default:
        MouseMove(shift, x, y);
        break;
    }
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

} // namespace fw

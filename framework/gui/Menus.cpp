#include "framework/gui/Menus.h"

#include "framework/ClassBuilder.h"
#include "framework/Format.h"
#include "framework/gui/Canvas.h"
#include "framework/gui/Form.h"
#include "framework/gui/ImageList.h"
#include "framework/gui/MenuCommands.h"
#include "framework/gui/MenuItemLook.h"
#include "framework/gui/PopupMenu.h"
#include "platform/user/VirtualKeys.h"
#include "platform/user/controls/StandardControls.h"
#include "platform/user/menus/Menus.h"

namespace fw {

namespace {

std::string KeyName(int key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        return std::string(1, static_cast<char>(key));
    if (key >= win::VK_F1 && key < win::VK_F1 + 24)
        return Format("F%d", key - win::VK_F1 + 1);
    switch (key) {
    case win::VK_BACK:
        return "BkSp";
    case win::VK_TAB:
        return "Tab";
    case win::VK_RETURN:
        return "Enter";
    case win::VK_ESCAPE:
        return "Esc";
    case win::VK_SPACE:
        return "Space";
    case win::VK_PRIOR:
        return "PgUp";
    case win::VK_NEXT:
        return "PgDn";
    case win::VK_END:
        return "End";
    case win::VK_HOME:
        return "Home";
    case win::VK_LEFT:
        return "Left";
    case win::VK_UP:
        return "Up";
    case win::VK_RIGHT:
        return "Right";
    case win::VK_DOWN:
        return "Down";
    case win::VK_INSERT:
        return "Ins";
    case win::VK_DELETE:
        return "Del";
    default:
        return {};
    }
}

TMenuItem* FindIn(TMenuItem& item, const std::function<bool(const TMenuItem&)>& wanted) {
    if (wanted(item))
        return &item;
    for (int i = 0; i < item.Count(); ++i)
        if (TMenuItem* found = FindIn(*item.Items(i), wanted))
            return found;
    return nullptr;
}

// Shown and enabled here and in every item above it up to the menu.
bool Reachable(const TMenuItem& item) {
    for (const TMenuItem* at = &item; at && at->Parent(); at = at->Parent())
        if (!at->Visible() || !at->Enabled())
            return false;
    return true;
}

TOwnerDrawState DrawState(win::UINT itemState) {
    static constexpr std::pair<win::UINT, TOwnerDrawStateItem> bits[] = {
        {win::ODS_SELECTED, TOwnerDrawStateItem::odSelected},
        {win::ODS_GRAYED, TOwnerDrawStateItem::odGrayed},
        {win::ODS_DISABLED, TOwnerDrawStateItem::odDisabled},
        {win::ODS_CHECKED, TOwnerDrawStateItem::odChecked},
        {win::ODS_FOCUS, TOwnerDrawStateItem::odFocused},
        {win::ODS_DEFAULT, TOwnerDrawStateItem::odDefault},
        {win::ODS_HOTLIGHT, TOwnerDrawStateItem::odHotLight},
        {win::ODS_INACTIVE, TOwnerDrawStateItem::odInactive},
        {win::ODS_NOACCEL, TOwnerDrawStateItem::odNoAccel},
        {win::ODS_NOFOCUSRECT, TOwnerDrawStateItem::odNoFocusRect},
    };
    TOwnerDrawState state;
    for (const auto& [bit, element] : bits)
        if (itemState & bit)
            state.Include(element);
    return state;
}

bool OnMenuBar(const TMenuItem& item) {
    const TMenu* menu = item.GetParentMenu();
    return menu && menu->IsMenuBar() && item.Parent() == menu->Items();
}

// A canvas on dc with the menu font, handed back before the caller's DC state
// is restored.
class TMenuCanvas {
public:
    explicit TMenuCanvas(win::HDC dc) {
        AssignMenuFont(*FCanvas.Font());
        FCanvas.SetHandle(dc);
    }
    ~TMenuCanvas() { FCanvas.SetHandle(nullptr); }
    TCanvas& Canvas() { return FCanvas; }

private:
    TCanvas FCanvas;
};

void MeasureItem(win::MEASUREITEMSTRUCT& measure, TMenuItem& item) {
    const win::HDC dc = win::CreateCompatibleDC(nullptr);
    {
        TMenuCanvas canvas(dc);
        int width = static_cast<int>(measure.itemWidth);
        int height = static_cast<int>(measure.itemHeight);
        item.MeasureItem(canvas.Canvas(), width, height);
        measure.itemWidth = static_cast<win::UINT>(std::max(width, 0));
        measure.itemHeight = static_cast<win::UINT>(std::max(height, 0));
    }
    win::DeleteDC(dc);
}

void DrawItem(const win::DRAWITEMSTRUCT& draw, TMenuItem& item) {
    const int saved = win::SaveDC(draw.hDC);
    {
        TMenuCanvas canvas(draw.hDC);
        item.AdvancedDrawItem(canvas.Canvas(), draw.rcItem, DrawState(draw.itemState),
                              OnMenuBar(item));
    }
    win::RestoreDC(draw.hDC, saved);
}

// The command of the item selected in the open menu; 0 once it closed. Kept
// as an id, so an item freed meanwhile is simply not found.
win::UINT& LastSelected() {
    static win::UINT command = 0;
    return command;
}

void MenuSelect(win::WPARAM wParam, win::LPARAM lParam) {
    const auto flags = static_cast<win::UINT>(win::HIWORD(wParam));
    const auto menu = reinterpret_cast<win::HMENU>(lParam);
    if (flags == 0xFFFF && !menu) {
        LastSelected() = 0;
        return;
    }
    const int key = win::LOWORD(wParam);
    TMenuItem* item = (flags & win::MF_POPUP) ? FindMenuItemByHandle(win::GetSubMenu(menu, key))
                                              : FindMenuItem(static_cast<win::UINT>(key));
    LastSelected() = item ? item->Command() : 0;
}

} // namespace

TShortCut ShortCut(int key, TShiftState shift) {
    TShortCut result = static_cast<TShortCut>(key & 0xFF);
    if (shift.Contains(TShiftStateItem::ssShift))
        result |= scShift;
    if (shift.Contains(TShiftStateItem::ssCtrl))
        result |= scCtrl;
    if (shift.Contains(TShiftStateItem::ssAlt))
        result |= scAlt;
    return result;
}

std::string ShortCutToText(TShortCut shortCut) {
    const std::string key = KeyName(shortCut & 0xFF);
    if (key.empty())
        return {};
    std::string text;
    if (shortCut & scShift)
        text += "Shift+";
    if (shortCut & scCtrl)
        text += "Ctrl+";
    if (shortCut & scAlt)
        text += "Alt+";
    return text + key;
}

const TClassInfo& TMenu::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TMenu, TComponent>("TMenu")
            .Property("Images", &TMenu::Images, &TMenu::SetImages)
            .Property("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw)
            .Build();
    return info;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), FItems(MakeComponent<TMenuItem>()) {
    FItems->SetMenu(this);
}

TMenu::~TMenu() = default;

void TMenu::SetImages(TImageList* images) {
    if (images == FImages)
        return;
    SetComponentReference(*this, FImages, images);
    RebuildAll();
}

void TMenu::SetOwnerDraw(bool ownerDraw) {
    if (ownerDraw == FOwnerDraw)
        return;
    FOwnerDraw = ownerDraw;
    RebuildAll();
}

void TMenu::RebuildAll() {
    const std::function<void(TMenuItem&)> rebuild = [&rebuild](TMenuItem& item) {
        item.RebuildHandle();
        for (TMenuItem* child : item.FItems)
            rebuild(*child);
    };
    rebuild(*FItems);
    MenuChanged(nullptr, true);
}

void TMenu::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FImages) {
        FImages = nullptr;
        RebuildAll();
    }
}

TMenuItem* TMenu::FindItem(win::UINT command) const {
    TMenuItem* item = FindMenuItem(command);
    return item && item->GetParentMenu() == this ? item : nullptr;
}

TMenuItem* TMenu::FindItem(win::HMENU submenu) const {
    TMenuItem* item = FindMenuItemByHandle(submenu);
    return item && item->GetParentMenu() == this ? item : nullptr;
}

TMenuItem* TMenu::SelectedItem() const {
    return LastSelected() == 0 ? nullptr : FindItem(LastSelected());
}

bool TMenu::DispatchCommand(win::UINT command) {
    TMenuItem* item = FindItem(command);
    if (!item)
        return false;
    item->Click();
    return true;
}

bool TMenu::IsShortCut(TShortCut shortCut) {
    if (shortCut == scNone)
        return false;
    TMenuItem* item = FindIn(*FItems, [shortCut](const TMenuItem& candidate) {
        return candidate.ShortCut() == shortCut && Reachable(candidate);
    });
    if (!item)
        return false;
    item->Click();
    return true;
}

void TMenu::MenuChanged(TMenuItem* source, bool rebuild) {
    if (OnChange)
        OnChange(this, source, rebuild);
}

const TClassInfo& TMainMenu::StaticClass() {
    static const TClassInfo info = TClassBuilder<TMainMenu, TMenu>("TMainMenu").Build();
    return info;
}

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) {}

void TMainMenu::SetWindowHandle(win::HWND hwnd) {
    FWindowHandle = hwnd;
    if (hwnd)
        win::SetMenu(hwnd, Handle());
}

void TMainMenu::MenuChanged(TMenuItem* source, bool rebuild) {
    TMenu::MenuChanged(source, rebuild);
    if (!FWindowHandle || !win::IsWindow(FWindowHandle))
        return;
    win::DrawMenuBar(FWindowHandle);
    win::SendMessage(FWindowHandle, CM_MENUCHANGED, 0, 0);
}

bool HandleMenuMessage(TMessage& message) {
    switch (message.Msg) {
    case win::WM_COMMAND: {
        // Menus send 0 in the high word and no control; accelerators send 1.
        if (message.LParam != 0 || win::HIWORD(message.WParam) > 1)
            return false;
        TMenuItem* item = FindMenuItem(win::LOWORD(message.WParam));
        if (!item)
            return false;
        item->Click();
        message.Result = 0;
        return true;
    }
    case win::WM_INITMENUPOPUP: {
        // The item whose submenu opens runs OnClick first, so it can bring
        // its children up to date before they are measured.
        TMenuItem* item = FindMenuItemByHandle(reinterpret_cast<win::HMENU>(message.WParam));
        if (!item)
            return false;
        if (item->Enabled() && item->OnClick)
            item->OnClick(item);
        message.Result = 0;
        return true;
    }
    case win::WM_MENUSELECT:
        MenuSelect(message.WParam, message.LParam);
        return false;
    case win::WM_MEASUREITEM: {
        auto& measure = *reinterpret_cast<win::MEASUREITEMSTRUCT*>(message.LParam);
        TMenuItem* item = measure.CtlType == win::ODT_MENU ? FindMenuItem(measure.itemID) : nullptr;
        if (!item)
            return false;
        MeasureItem(measure, *item);
        message.Result = 1;
        return true;
    }
    case win::WM_DRAWITEM: {
        const auto& draw = *reinterpret_cast<const win::DRAWITEMSTRUCT*>(message.LParam);
        TMenuItem* item = draw.CtlType == win::ODT_MENU ? FindMenuItem(draw.itemID) : nullptr;
        if (!item)
            return false;
        DrawItem(draw, *item);
        message.Result = 1;
        return true;
    }
    default:
        return false;
    }
}

bool DispatchShortCut(TControl& control, const TMessage& message) {
    const int key = static_cast<int>(message.WParam);
    if (key == win::VK_SHIFT || key == win::VK_CONTROL || key == win::VK_MENU)
        return false;
    TShiftState shift;
    if (win::GetKeyState(win::VK_SHIFT) & 0x8000)
        shift.Include(TShiftStateItem::ssShift);
    if (win::GetKeyState(win::VK_CONTROL) & 0x8000)
        shift.Include(TShiftStateItem::ssCtrl);
    if (message.LParam & (win::LPARAM(1) << 29))
        shift.Include(TShiftStateItem::ssAlt);
    const TShortCut shortCut = ShortCut(key, shift);
    if (control.PopupMenu() && control.PopupMenu()->IsShortCut(shortCut))
        return true;
    TControl* top = &control;
    while (top->Parent())
        top = top->Parent();
    auto* form = dynamic_cast<TCustomForm*>(top);
    return form && form->Menu() && form->Menu()->IsShortCut(shortCut);
}

} // namespace fw

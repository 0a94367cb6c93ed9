#include "framework/gui/MenuItem.h"

#include "framework/ClassBuilder.h"
#include "framework/gui/Bitmap.h"
#include "framework/gui/ImageList.h"
#include "framework/gui/MenuCommands.h"
#include "framework/gui/MenuItemLook.h"
#include "framework/gui/Menus.h"
#include "platform/user/menus/Menus.h"

#include <algorithm>

namespace fw {

const TClassInfo& TMenuItem::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TMenuItem, TComponent>("TMenuItem")
            .Property("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
            .Property("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked)
            .Property("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem)
            .Property("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex)
            .Property("AutoCheck", &TMenuItem::AutoCheck, &TMenuItem::SetAutoCheck)
            .Property("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled)
            .Property("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible)
            .Property("Default", &TMenuItem::Default, &TMenuItem::SetDefault)
            .Property("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut)
            .Property("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex)
            .Property("Bitmap", &TMenuItem::Bitmap, &TMenuItem::SetBitmap)
            .Property("Hint", &TMenuItem::Hint, &TMenuItem::SetHint)
            .Property("OnClick", &TMenuItem::OnClick, &TMenuItem::OnClick)
            .Property("OnDrawItem", &TMenuItem::OnDrawItem, &TMenuItem::OnDrawItem)
            .Property("OnAdvancedDrawItem", &TMenuItem::OnAdvancedDrawItem,
                      &TMenuItem::OnAdvancedDrawItem)
            .Property("OnMeasureItem", &TMenuItem::OnMeasureItem, &TMenuItem::OnMeasureItem)
            .Build();
    return info;
}

TMenuItem::TMenuItem(TComponent* owner)
    : TComponent(owner), FBitmap(std::make_unique<TBitmap>()),
      FCommand(AllocateMenuCommand(*this)) {}

TMenuItem::~TMenuItem() {
    FDestroying = true;
    if (FParent)
        FParent->Remove(this);
    DestroyHandle();
    while (!FItems.empty())
        FItems.back()->Free();
    ReleaseMenuCommand(FCommand);
}

void TMenuItem::SetParentComponent(TComponent* parent) {
    if (auto* item = dynamic_cast<TMenuItem*>(parent))
        item->Add(this);
    else if (auto* menu = dynamic_cast<TMenu*>(parent))
        menu->Items()->Add(this);
    else
        throw CreateFmt<EMenuError>("Menu item %s is not inside a menu", Name());
}

void TMenuItem::SetCaption(const std::string& caption) {
    Update(FCaption, caption, false);
}

void TMenuItem::SetChecked(bool checked) {
    if (checked == FChecked)
        return;
    FChecked = checked;
    if (checked && FRadioItem)
        UncheckGroup();
    Changed(false);
}

void TMenuItem::UncheckGroup() {
    if (!FParent)
        return;
    for (TMenuItem* sibling : FParent->FItems)
        if (sibling != this && sibling->FRadioItem && sibling->FGroupIndex == FGroupIndex)
            sibling->FChecked = false;
}

void TMenuItem::SetRadioItem(bool radioItem) {
    if (radioItem == FRadioItem)
        return;
    FRadioItem = radioItem;
    if (FChecked && FRadioItem)
        UncheckGroup();
    Changed(false);
}

void TMenuItem::SetGroupIndex(int groupIndex) {
    if (groupIndex == FGroupIndex)
        return;
    FGroupIndex = groupIndex;
    if (FChecked && FRadioItem)
        UncheckGroup();
    Changed(false);
}

void TMenuItem::SetEnabled(bool enabled) {
    Update(FEnabled, enabled, false);
}

void TMenuItem::SetVisible(bool visible) {
    Update(FVisible, visible, true);
}

void TMenuItem::SetDefault(bool isDefault) {
    if (isDefault == FDefault)
        return;
    // A menu has one default item.
    if (isDefault && FParent)
        for (TMenuItem* sibling : FParent->FItems)
            sibling->FDefault = false;
    FDefault = isDefault;
    Changed(false);
}

void TMenuItem::SetShortCut(TShortCut shortCut) {
    Update(FShortCut, shortCut, false);
}

void TMenuItem::SetImageIndex(int index) {
    Update(FImageIndex, index, false);
}

void TMenuItem::SetBitmap(TBitmap* bitmap) {
    if (bitmap)
        FBitmap->Assign(*bitmap);
    else
        FBitmap = std::make_unique<TBitmap>();
    Changed(false);
}

TMenuItem* TMenuItem::Items(int index) const {
    if (index < 0 || index >= Count())
        throw EMenuError("Menu index out of range");
    return FItems[static_cast<std::size_t>(index)];
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    const auto found = std::find(FItems.begin(), FItems.end(), item);
    return found == FItems.end() ? -1 : static_cast<int>(found - FItems.begin());
}

void TMenuItem::Add(TMenuItem* item) {
    Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (!item)
        return;
    if (item->FParent)
        throw EMenuError("Menu inserted twice");
    if (index < 0 || index > Count())
        throw EMenuError("Menu index out of range");
    for (const TMenuItem* above = this; above; above = above->FParent)
        if (above == item)
            throw EMenuError("Menu inserted twice");
    FItems.insert(FItems.begin() + index, item);
    item->FParent = this;
    if (item->FChecked && item->FRadioItem)
        item->UncheckGroup();
    RebuildHandle();
    Changed(true);
}

void TMenuItem::Remove(TMenuItem* item) {
    const int index = IndexOf(item);
    if (index < 0)
        throw EMenuError("Sub-menu is not in menu");
    FItems.erase(FItems.begin() + index);
    item->FParent = nullptr;
    if (FDestroying)
        return;
    RebuildHandle();
    Changed(true);
}

void TMenuItem::Delete(int index) {
    TMenuItem* item = Items(index);
    Remove(item);
    item->Free();
}

void TMenuItem::Clear() {
    while (!FItems.empty())
        Delete(Count() - 1);
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* root = this;
    while (root->FParent)
        root = root->FParent;
    return root->FMenu;
}

void TMenuItem::Changed(bool rebuild) {
    if (FDestroying)
        return;
    // The item's look is kept in its parent's menu.
    if (FParent)
        FParent->RebuildHandle();
    if (TMenu* menu = GetParentMenu())
        menu->MenuChanged(this, rebuild);
}

win::HMENU TMenuItem::Handle() {
    if (!FHandle) {
        const TMenu* menu = FParent ? nullptr : FMenu;
        FHandle = menu && menu->IsMenuBar() ? win::CreateMenu() : win::CreatePopupMenu();
        RegisterMenuHandle(FHandle, *this);
        RebuildHandle();
    }
    return FHandle;
}

void TMenuItem::RebuildHandle() {
    if (!FHandle || FDestroying)
        return;
    // Removing keeps the children's submenus; they belong to the children.
    while (win::GetMenuItemCount(FHandle) > 0)
        win::RemoveMenu(FHandle, 0, win::MF_BYPOSITION);
    for (TMenuItem* item : FItems)
        if (item->FVisible)
            item->AppendTo(FHandle);
}

void TMenuItem::AppendTo(win::HMENU menu) {
    std::string text = FCaption;
    if (FShortCut != scNone)
        text += '\t' + ShortCutToText(FShortCut);
    win::MENUITEMINFO info;
    info.fMask = win::MIIM_FTYPE | win::MIIM_STATE | win::MIIM_ID | win::MIIM_SUBMENU;
    info.fType = IsLine() ? win::MFT_SEPARATOR : win::MFT_STRING;
    if (!IsLine())
        info.fMask |= win::MIIM_STRING;
    if (FRadioItem)
        info.fType |= win::MFT_RADIOCHECK;
    if (IsOwnerDrawn())
        info.fType |= win::MFT_OWNERDRAW;
    info.fState = (FEnabled ? win::MFS_ENABLED : win::MFS_GRAYED) |
                  (FChecked ? win::MFS_CHECKED : 0) | (FDefault ? win::MFS_DEFAULT : 0);
    info.wID = FCommand;
    info.hSubMenu = FItems.empty() ? nullptr : Handle();
    info.dwTypeData = text.data();
    win::InsertMenuItem(menu, static_cast<win::UINT>(win::GetMenuItemCount(menu)), win::TRUE,
                        &info);
}

// Items of a menu with images are all drawn by the framework, so that their
// captions line up after the image column; the bar itself only when asked.
bool TMenuItem::IsOwnerDrawn() const {
    const TMenu* menu = GetParentMenu();
    if (!menu)
        return false;
    if (menu->OwnerDraw())
        return true;
    const bool onBar = menu->IsMenuBar() && FParent == menu->Items();
    return !onBar && (menu->Images() || !FBitmap->Empty());
}

void TMenuItem::DestroyHandle() {
    if (!FHandle)
        return;
    while (win::GetMenuItemCount(FHandle) > 0)
        win::RemoveMenu(FHandle, 0, win::MF_BYPOSITION);
    UnregisterMenuHandle(FHandle);
    win::DestroyMenu(FHandle);
    FHandle = nullptr;
}

void TMenuItem::Click() {
    if (!FEnabled)
        return;
    if (FAutoCheck)
        SetChecked(FRadioItem || !FChecked);
    if (OnClick)
        OnClick(this);
}

void TMenuItem::MeasureItem(TCanvas& canvas, int& width, int& height) {
    const TMenu* menu = GetParentMenu();
    const bool onBar = menu && menu->IsMenuBar() && FParent == menu->Items();
    const win::SIZE size = MeasureMenuItemLook(*this, canvas, onBar);
    width = size.cx;
    height = size.cy;
    if (OnMeasureItem)
        OnMeasureItem(this, &canvas, width, height);
}

void TMenuItem::AdvancedDrawItem(TCanvas& canvas, const win::RECT& rect, TOwnerDrawState state,
                                 bool topLevel) {
    if (OnAdvancedDrawItem)
        OnAdvancedDrawItem(this, &canvas, rect, state);
    else if (OnDrawItem)
        OnDrawItem(this, &canvas, rect, state.Contains(TOwnerDrawStateItem::odSelected));
    else
        DrawMenuItemLook(*this, canvas, rect, state, topLevel);
}

} // namespace fw

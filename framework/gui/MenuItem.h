#pragma once
// One item of a menu: a command, a separator (Caption "-") or a submenu of the
// items it holds. "&" in the caption marks the accelerator, "&&" a plain "&".
// An item with children owns the platform submenu that shows them, built on
// demand and rebuilt in place (same handle) whenever a child changes, so a
// menu bar or an open parent keeps pointing at it. Children are freed with
// their parent; a child keeps its owner (the form that read it, usually).

#include "framework/Component.h"
#include "framework/NotifyEvent.h"
#include "framework/Set.h"
#include "platform/user/WinUser.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace fw {

class TBitmap;
class TCanvas;
class TMenu;

using TShortCut = std::uint16_t;

enum class TOwnerDrawStateItem {
    odSelected,
    odGrayed,
    odDisabled,
    odChecked,
    odFocused,
    odDefault,
    odHotLight,
    odInactive,
    odNoAccel,
    odNoFocusRect,
};
FW_ENUM_NAMES(TOwnerDrawStateItem, "odSelected", "odGrayed", "odDisabled", "odChecked", "odFocused",
              "odDefault", "odHotLight", "odInactive", "odNoAccel", "odNoFocusRect");
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;

using TMenuDrawItemEvent =
    std::function<void(TObject* sender, TCanvas* canvas, win::RECT rect, bool selected)>;
using TAdvancedMenuDrawItemEvent =
    std::function<void(TObject* sender, TCanvas* canvas, win::RECT rect, TOwnerDrawState state)>;
using TMenuMeasureItemEvent =
    std::function<void(TObject* sender, TCanvas* canvas, int& width, int& height)>;

class TMenuItem : public TComponent {
    FW_CLASS(TMenuItem, TComponent)

    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& caption);
    bool Checked() const { return FChecked; }
    // Checking a radio item unchecks the radio items of its group among its siblings.
    void SetChecked(bool checked);
    bool RadioItem() const { return FRadioItem; }
    void SetRadioItem(bool radioItem);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int groupIndex);
    // A click checks the item (a radio item) or toggles it before OnClick runs.
    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool autoCheck) { FAutoCheck = autoCheck; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);
    bool Visible() const { return FVisible; }
    void SetVisible(bool visible);
    bool Default() const { return FDefault; }
    void SetDefault(bool isDefault);
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut shortCut);
    // Index into the menu's image list; -1 for none.
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int index);
    // A picture of the item's own, used when the menu's list gives none.
    TBitmap* Bitmap() const { return FBitmap.get(); }
    void SetBitmap(TBitmap* bitmap);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& hint) { FHint = hint; }

    int Count() const { return static_cast<int>(FItems.size()); }
    // EMenuError "Menu index out of range" for a bad index.
    TMenuItem* Items(int index) const;
    int IndexOf(const TMenuItem* item) const;
    // EMenuError "Menu inserted twice" when item already has a parent.
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    // Takes the child out without freeing it.
    void Remove(TMenuItem* item);
    // Takes the child at index out and frees it.
    void Delete(int index);
    void Clear();
    TMenuItem* Parent() const { return FParent; }
    int MenuIndex() const { return FParent ? FParent->IndexOf(this) : -1; }
    // The menu this item is (or is below) the root of; null when in none.
    TMenu* GetParentMenu() const;

    bool IsLine() const { return FCaption == "-"; }
    // The id WM_COMMAND and the owner-draw messages carry for this item.
    win::UINT Command() const { return FCommand; }
    // The platform menu holding the children (a bar for a main menu's root).
    win::HMENU Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }

    // Runs the click as a user's choice would (AutoCheck first, then OnClick).
    virtual void Click();
    // The size the item's owner-drawn row needs.
    void MeasureItem(TCanvas& canvas, int& width, int& height);
    // Draws the owner-drawn row: the draw events when set, else the framework's look.
    void AdvancedDrawItem(TCanvas& canvas, const win::RECT& rect, TOwnerDrawState state,
                          bool topLevel);

    // Nested in a definition: added to the enclosing item or menu.
    void SetParentComponent(TComponent* parent) override;

    TNotifyEvent OnClick;
    TMenuDrawItemEvent OnDrawItem;
    TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;
    TMenuMeasureItemEvent OnMeasureItem;

private:
    // The root item of a menu knows its menu; other items ask their parent.
    void SetMenu(TMenu* menu) { FMenu = menu; }
    // This item's look changed (rebuild: also whether it is shown).
    void Changed(bool rebuild);
    template <class V> void Update(V& field, const V& value, bool rebuild) {
        if (field == value)
            return;
        field = value;
        Changed(rebuild);
    }
    // Puts the children into the handle again, keeping the handle.
    void RebuildHandle();
    void AppendTo(win::HMENU menu);
    bool IsOwnerDrawn() const;
    void UncheckGroup();
    void DestroyHandle();

    std::string FCaption;
    bool FChecked = false;
    bool FRadioItem = false;
    int FGroupIndex = 0;
    bool FAutoCheck = false;
    bool FEnabled = true;
    bool FVisible = true;
    bool FDefault = false;
    TShortCut FShortCut = 0;
    int FImageIndex = -1;
    std::unique_ptr<TBitmap> FBitmap;
    std::string FHint;

    TMenuItem* FParent = nullptr;
    TMenu* FMenu = nullptr;
    std::vector<TMenuItem*> FItems;
    win::HMENU FHandle = nullptr;
    win::UINT FCommand = 0;
    // Set while the item goes: its children leave without rebuilding menus.
    bool FDestroying = false;

    friend class TMenu;
};

} // namespace fw

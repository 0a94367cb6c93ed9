#pragma once
// TSkinData, the component an application puts on its main window to have its
// windows skinned. It carries the skin (the bytes of a skin file, stored in
// the form as the binary property "SkinStream", and the skin objects built
// from them), the configuration the painters read (SkinControls, Options,
// Skin3rd, DisableTag, SkinFormtype, the events), and the switch Active.
// Once its form is loaded it registers with the process-wide skin manager
// (WinSkinDataManagerLink.h), which does the skinning.
//
// The skin objects and scheme colours are public fields: every painter reads
// them. Every object field except Title, Button and border may be null.

#include "framework/Component.h"
#include "framework/MemoryStream.h"
#include "framework/NotifyEvent.h"
#include "framework/StringList.h"
#include "framework/gui/Bitmap.h"
#include "framework/gui/Font.h"
#include "framework/gui/ImageList.h"
#include "skin/SkinRead.h"
#include "skin/WinSkinDataObjects.h"
#include "skin/WinSkinDataTypes.h"
#include "skin/WinSkinIni.h"
#include "skin/WinSkinStore.h"

#include <array>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace fw {
class TControl;
class TForm;
} // namespace fw

namespace skin {

struct TBrushDeleter {
    void operator()(win::HBRUSH brush) const;
};
using TOwnedBrush = std::unique_ptr<std::remove_pointer_t<win::HBRUSH>, TBrushDeleter>;

class TSkinData : public fw::TComponent {
    FW_CLASS(TSkinData, fw::TComponent)

    explicit TSkinData(fw::TComponent* AOwner);
    ~TSkinData() override;

    // Published properties.
    bool Active() const { return factive; }
    void SetActive(bool value);
    std::int32_t DisableTag() const { return fdisableTag; }
    void SetDisableTag(std::int32_t value) { fdisableTag = value; }
    TSkinControlTypes SkinControls() const { return FSkinControls; }
    void SetSkinControls(TSkinControlTypes value) { FSkinControls = value; }
    TSkinOptions Options() const { return fSkinOptions; }
    void SetOptions(TSkinOptions value) { fSkinOptions = value; }
    fw::TStrings* Skin3rd() const { return f3rdControls.get(); }
    // Copies the lines.
    void SetSkin3rd(fw::TStrings* value);
    const std::string& SkinFile() const { return fskinfile; }
    // At run time loads the named file (LoadFromFile).
    void SetSkinFile(const std::string& value);
    // A design-time indicator: "(Good)" while designing with a skin held.
    std::string SkinStore() const;
    void SetSkinStore(const std::string&) {}
    TSkinFormType SkinFormtype() const { return ftype; }
    void SetSkinFormtype(TSkinFormType value) { ftype = value; }
    const std::string& Version() const { return fversion; }
    void SetVersion(const std::string&) {}
    bool MenuUpdate() const { return fmenuauto; }
    void SetMenuUpdate(bool value) { fmenuauto = value; }
    bool MenuMerge() const { return fmenumerge; }
    void SetMenuMerge(bool value) { fmenumerge = value; }
    const TOnFormSkin& OnFormSkin() const { return fOnFormSkin; }
    void SetOnFormSkin(TOnFormSkin value) { fOnFormSkin = std::move(value); }
    const fw::TNotifyEvent& OnSkinChanged() const { return fOnSkinChanged; }
    void SetOnSkinChanged(fw::TNotifyEvent value) { fOnSkinChanged = std::move(value); }
    const TOnSkinControl& OnSkinControl() const { return FOnSkinControl; }
    void SetOnSkinControl(TOnSkinControl value) { FOnSkinControl = std::move(value); }
    const TOnSkinForm& OnBeforeSkinForm() const { return fOnBeforeSkinForm; }
    void SetOnBeforeSkinForm(TOnSkinForm value) { fOnBeforeSkinForm = std::move(value); }
    const TOnSkinForm& OnAfterSkinForm() const { return fOnAfterSkinForm; }
    void SetOnAfterSkinForm(TOnSkinForm value) { fOnAfterSkinForm = std::move(value); }
    TWinContainers Containers() const { return FContainers; }

    // The skin file's bytes.
    fw::TMemoryStream& Data() const { return *data; }

    void Loaded() override;

    // Loading a skin. Each marks the component Empty first; a skin that does
    // not load leaves it Empty.
    void LoadFromFile(const std::string& value);
    void LoadFromStream(fw::TStream& Stream);
    // Nothing for an index outside the store.
    void LoadFromCollection(TSkinStore& astore, int aindex);
    // Fills bmp from the skin entry fname while a skin is being loaded.
    void Readbmp(fw::TBitmap& bmp, const std::string& fname);

    // False, leaving acolor, when n is outside ColorPreset.
    bool GetPrecolor(fw::TColor& acolor, int n) const;
    // The part of s before its first "."; empty when s has none.
    static std::string GetFileName(const std::string& s);
    // The pixel a third into the first state image of the "Top" frame part;
    // Colors[3] when there is no such image.
    fw::TColor GetCaptionColor() const;

    // Requests to the skin manager; nothing while there is none.
    void Install();
    void Uninstall();
    void InstallThread(win::DWORD aThreadID);
    void UnInstallThread(win::DWORD aThreadID);
    void SkinForm(win::HWND ahwnd);
    void ChangeForm(fw::TForm* aform);
    void EnableSkin(bool b);
    void AddNestForm(fw::TForm* fParent, fw::TForm* fNested);
    void UpdateSkinControl(fw::TForm* fParent, fw::TControl* acontrol);
    void DeleteGraphicControl(fw::TForm* fParent, fw::TControl* acontrol);
    void UpdateMenu(fw::TForm* fParent);
    void UpdateMainMenu(bool done);

    // The per-window decision: OnFormSkin when assigned, else the default rule.
    void DoFormSkin(win::HWND ahwnd, const std::string& aname, bool& Doskin);
    void DoSkinChanged();

    // Whether a caption-button hint is showing.
    bool IsHint() const { return hashint; }

    // Whether the platform offers GetScrollBarInfo, and its answer.
    bool GetScrollBarInfo(win::HWND hwnd, win::LONG idObject, win::SCROLLBARINFO& psbi) const;
    // Sets the enumeration property aprop of control to the member named value.
    static void ChangeProperty(fw::TObject* control, const std::string& aprop,
                               const std::string& value);

    // The skin model, filled by the skin loader.
    bool Empty = true;
    TShemeColors Colors{};
    std::array<bool, kSchemeColorCount> hasColors{};
    std::vector<fw::TColor> ColorPreset;
    std::unique_ptr<fw::TBitmap> SysIcon = std::make_unique<fw::TBitmap>();
    std::unique_ptr<TDataSkinTitle> Title = std::make_unique<TDataSkinTitle>();
    std::vector<std::unique_ptr<TDataSkinSysButton>> SysBtn;
    std::unique_ptr<TDataSkinButton> Button = std::make_unique<TDataSkinButton>();
    std::unique_ptr<TDataSkinBorder> tab, HSpin, VSpin;
    std::unique_ptr<TDataSkinObject> Comboxborder, ExtraImages;
    std::unique_ptr<TDataSkinBorder> combox;
    std::unique_ptr<TDataSkinObject> comboxarrow, Box, Toolbar, Toolbarbtn;
    std::unique_ptr<TDataSkinBorder> progress;
    std::unique_ptr<TDataSkinObject> progresschunk;
    std::unique_ptr<TDataSkinBoxLabel> boxlabel;
    std::unique_ptr<TDataSkinObject> StatusBar, TabSheet, Header, Menubar, MenuItem, MenuitemBG;
    std::unique_ptr<TDataSkinObject> SArrow, HBar, VBar, HSlider, VSlider;
    std::unique_ptr<TDataSkinObject> TrackHorz, TrackVert, TrackBar, TrackBarVert, TrackLeft,
        Trackright, Tracktop, Trackbottom;
    std::unique_ptr<TDataSkinObject> MinCaption;
    // The window frame parts "Left", "Right", "Top", "Bottom".
    std::array<std::unique_ptr<TDataSkinBorder>, 4> border;
    // Solid brush of Colors[3], the control background.
    TOwnedBrush BGBrush;
    // While false the form skinners do not redraw the menu bar on menu changes.
    bool MenuMsg = true;
    // 16 x 16 glyphs of the system menu.
    fw::TComponentPtr<fw::TImageList> bmpmenu;
    std::string SkinName;
    std::unique_ptr<fw::TFont> CaptionFont = std::make_unique<fw::TFont>();
    // How long a caption-button hint has been pending, in ms.
    std::int32_t hintcount = 0;

    // Only while a skin is being loaded.
    std::unique_ptr<TQuickIni> ini;
    std::unique_ptr<fw::TMemoryStream> ms;
    std::unique_ptr<TSkinReader> reader;
    std::unique_ptr<fw::TStringList> sectionlist;

private:
    // The "SkinStream" binary property: a 32-bit little-endian count, then the
    // skin file's bytes.
    void ReadSkinStream(fw::TStream& stream);
    void WriteSkinStream(fw::TStream& stream) const;

    bool Designing() const;
    bool Loading() const;
    // Builds the skin objects from data; Empty stays true when it fails.
    void LoadSkin();
    // Once a new skin is built at run time, the skinned forms take it up.
    void AfterNewSkin();
    void SetupCaptionFont();
    void GetAppIcon();

    std::string fskinfile;
    bool factive = false;
    std::int32_t fdisableTag = 99;
    TWinContainers FContainers;
    TSkinControlTypes FSkinControls;
    TSkinOptions fSkinOptions;
    TSkinFormType ftype = TSkinFormType::sfMainform;
    TOnFormSkin fOnFormSkin;
    TOnSkinForm fOnBeforeSkinForm;
    TOnSkinForm fOnAfterSkinForm;
    fw::TNotifyEvent fOnSkinChanged;
    TOnSkinControl FOnSkinControl;
    std::unique_ptr<fw::TStringList> f3rdControls = std::make_unique<fw::TStringList>();
    bool fmenuauto = true;
    std::string fversion = "2.11.09.12";
    bool fmenumerge = false;
    bool hashint = false;
    std::unique_ptr<fw::TMemoryStream> data = std::make_unique<fw::TMemoryStream>();
};

} // namespace skin

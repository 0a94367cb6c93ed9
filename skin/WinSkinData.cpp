#include "skin/WinSkinData.h"

#include "framework/ClassBuilder.h"
#include "framework/Exception.h"
#include "framework/FileNames.h"
#include "framework/TypInfo.h"
#include "framework/gui/Form.h"
#include "platform/gdi/Gdi.h"
#include "platform/user/WinUser.h"
#include "skin/WinSkinData3rd.h"
#include "skin/WinSkinDataLoader.h"
#include "skin/WinSkinDataManagerLink.h"
#include "skin/WinSkinDataReaders.h"
#include "skin/WinSkinDataResources.h"

#include <cstdint>
#include <filesystem>

namespace skin {

namespace {

const char* const kFramePartNames[4] = {"Left", "Right", "Top", "Bottom"};

TSkinControlTypes AllControlTypes() {
    TSkinControlTypes all;
    for (int i = 0; i < fw::EnumInfoOf<TSkinControlType>().Count(); ++i)
        all.Include(static_cast<TSkinControlType>(i));
    return all;
}

TWinContainers AllContainers() {
    TWinContainers all;
    for (int i = 0; i < fw::EnumInfoOf<TWinContainer>().Count(); ++i)
        all.Include(static_cast<TWinContainer>(i));
    return all;
}

// The loader's scratch state lives only for one load, whatever way it ends.
class TLoadScope {
public:
    explicit TLoadScope(TSkinData& data) : FData(data) {
        FData.reader = std::make_unique<TSkinReader>();
        FData.ms = std::make_unique<fw::TMemoryStream>();
        FData.ini = std::make_unique<TQuickIni>();
    }
    ~TLoadScope() {
        FData.sectionlist.reset();
        FData.ini.reset();
        FData.ms.reset();
        FData.reader.reset();
    }
    TLoadScope(const TLoadScope&) = delete;
    TLoadScope& operator=(const TLoadScope&) = delete;

private:
    TSkinData& FData;
};

} // namespace

void TBrushDeleter::operator()(win::HBRUSH brush) const {
    win::DeleteObject(brush);
}

const fw::TClassInfo& TSkinData::StaticClass() {
    static const fw::TClassInfo info =
        fw::TClassBuilder<TSkinData, fw::TComponent>("TSkinData")
            .Property("Active", &TSkinData::Active, &TSkinData::SetActive)
            .Property("DisableTag", &TSkinData::DisableTag, &TSkinData::SetDisableTag)
            .Property("SkinControls", &TSkinData::SkinControls, &TSkinData::SetSkinControls)
            .Property("Options", &TSkinData::Options, &TSkinData::SetOptions)
            .Property("Skin3rd", &TSkinData::Skin3rd, &TSkinData::SetSkin3rd)
            .Property("SkinFile", &TSkinData::SkinFile, &TSkinData::SetSkinFile)
            .Property("SkinStore", &TSkinData::SkinStore, &TSkinData::SetSkinStore)
            .Property("SkinFormtype", &TSkinData::SkinFormtype, &TSkinData::SetSkinFormtype)
            .Property("Version", &TSkinData::Version, &TSkinData::SetVersion)
            .Property("MenuUpdate", &TSkinData::MenuUpdate, &TSkinData::SetMenuUpdate)
            .Property("MenuMerge", &TSkinData::MenuMerge, &TSkinData::SetMenuMerge)
            .Property("OnFormSkin", &TSkinData::OnFormSkin, &TSkinData::SetOnFormSkin)
            .Property("OnSkinChanged", &TSkinData::OnSkinChanged, &TSkinData::SetOnSkinChanged)
            .Property("OnSkinControl", &TSkinData::OnSkinControl, &TSkinData::SetOnSkinControl)
            .Property("OnBeforeSkinForm", &TSkinData::OnBeforeSkinForm,
                      &TSkinData::SetOnBeforeSkinForm)
            .Property("OnAfterSkinForm", &TSkinData::OnAfterSkinForm,
                      &TSkinData::SetOnAfterSkinForm)
            .Binary("SkinStream", &TSkinData::ReadSkinStream, &TSkinData::WriteSkinStream)
            .Build();
    return info;
}

TSkinData::TSkinData(fw::TComponent* AOwner)
    : fw::TComponent(AOwner), bmpmenu(fw::MakeComponent<fw::TImageList>()),
      FContainers(AllContainers()), FSkinControls(AllControlTypes()
                                                      .Exclude(TSkinControlType::xcMenuItem)
                                                      .Exclude(TSkinControlType::xcFastReport)),
      fSkinOptions{TSkinOption::xoPreview, TSkinOption::xoToolbarBK,
                   TSkinOption::xoCaptionButtonHint} {
    for (const std::string& line : DefaultSkin3rd())
        f3rdControls->Add(line);
    for (std::size_t i = 0; i < border.size(); ++i)
        border[i] = std::make_unique<TDataSkinBorder>(kFramePartNames[i]);
    LoadSystemMenuGlyphs(*bmpmenu);
}

TSkinData::~TSkinData() {
    if (ISkinManager* manager = SkinManager())
        manager->RemoveSkinData(*this);
}

bool TSkinData::Designing() const {
    return ComponentState().Contains(fw::TComponentStateItem::csDesigning);
}

bool TSkinData::Loading() const {
    return ComponentState().Contains(fw::TComponentStateItem::csLoading);
}

void TSkinData::SetSkin3rd(fw::TStrings* value) {
    if (value)
        f3rdControls->Assign(*value);
}

void TSkinData::SetSkinFile(const std::string& value) {
    fskinfile = value;
    if (!Loading())
        LoadFromFile(value);
}

std::string TSkinData::SkinStore() const {
    return Designing() && data->Size() > 0 ? "(Good)" : "(none)";
}

void TSkinData::ReadSkinStream(fw::TStream& stream) {
    std::uint8_t count[4];
    stream.ReadBuffer(count, 4);
    const std::int64_t size = std::int64_t(count[0]) | std::int64_t(count[1]) << 8 |
                              std::int64_t(count[2]) << 16 | std::int64_t(count[3]) << 24;
    if (size > 0x7FFFFFFF || size > stream.Size() - stream.Position())
        throw fw::EReadError("SkinStream holds fewer bytes than its count says");
    data->Clear();
    if (size > 0)
        data->CopyFrom(stream, size);
    data->SetPosition(0);
    if (!Designing())
        LoadSkin();
}

void TSkinData::WriteSkinStream(fw::TStream& stream) const {
    const auto size = static_cast<std::uint32_t>(data->Size());
    const std::uint8_t count[4] = {std::uint8_t(size), std::uint8_t(size >> 8),
                                   std::uint8_t(size >> 16), std::uint8_t(size >> 24)};
    stream.WriteBuffer(count, 4);
    if (size > 0)
        stream.WriteBuffer(data->Memory(), data->Size());
}

void TSkinData::LoadSkin() {
    Empty = true;
    if (Designing() || data->Size() == 0)
        return;
    const TLoadScope scope(*this);
    try {
        data->SetPosition(0);
        if (!reader->Loadfromstream(*data))
            return;
        std::string fname;
        reader->readIni(".ini", *ms, fname);
        ms->SetPosition(0);
        ini->LoadFromStream(ms.get());
        LoadSkinObjects(*this);
    } catch (const fw::Exception&) {
        // A damaged skin leaves the component Empty: the program keeps the
        // platform's look.
        Empty = true;
    }
}

void TSkinData::AfterNewSkin() {
    if (Designing() || Loading())
        return;
    if (!SkinManager())
        Loaded();
    ISkinManager* manager = SkinManager();
    if (!manager)
        return;
    manager->DeleteSysbtn(*this);
    if (manager->State() == 1)
        manager->RequestAction(*this, TSkinAction::ApplySkin);
}

void TSkinData::LoadFromFile(const std::string& value) {
    Empty = true;
    fskinfile = value;
    if (Designing()) {
        if (!value.empty())
            data->Clear();
        return;
    }
    std::error_code error;
    if (value.empty() || !std::filesystem::is_regular_file(value, error))
        return;
    data->LoadFromFile(value);
    LoadSkin();
    AfterNewSkin();
}

void TSkinData::LoadFromStream(fw::TStream& Stream) {
    Empty = true;
    data->Clear();
    const std::int64_t remaining = Stream.Size() - Stream.Position();
    if (remaining > 0)
        data->CopyFrom(Stream, remaining);
    LoadSkin();
    if (ftype == TSkinFormType::sfMainform)
        AfterNewSkin();
}

void TSkinData::LoadFromCollection(TSkinStore& astore, int aindex) {
    TSkinCollection& items = *astore.Store();
    if (aindex < 0 || aindex >= items.Count())
        return;
    fw::TMemoryStream bytes;
    items.Items(aindex)->CopyData(bytes);
    bytes.SetPosition(0);
    LoadFromStream(bytes);
}

void TSkinData::Readbmp(fw::TBitmap& bmp, const std::string& fname) {
    ReadSkinBitmap(reader.get(), bmp, fname);
}

bool TSkinData::GetPrecolor(fw::TColor& acolor, int n) const {
    if (n < 0 || n >= static_cast<int>(ColorPreset.size()))
        return false;
    acolor = ColorPreset[static_cast<std::size_t>(n)];
    return true;
}

std::string TSkinData::GetFileName(const std::string& s) {
    const std::size_t dot = s.find('.');
    return dot == std::string::npos ? std::string() : s.substr(0, dot);
}

fw::TColor TSkinData::GetCaptionColor() const {
    const TDataSkinBorder& top = *border[2];
    if (top.Map->Empty())
        return Colors[3];
    const fw::TBitmap::TSelectedDC image(*top.Map);
    const int frames = top.frame > 0 ? top.frame : 1;
    return static_cast<fw::TColor>(
        win::GetPixel(image.dc, top.Map->Width() / 3, top.Map->Height() / frames / 3));
}

void TSkinData::SetActive(bool value) {
    if (Loading() || Designing()) {
        factive = value;
        return;
    }
    if (value == factive)
        return;
    if (ftype == TSkinFormType::sfDialog || ftype == TSkinFormType::sfDLL) {
        factive = value;
        return;
    }
    if (value && Empty)
        return;
    factive = value;
    ISkinManager* manager = SkinManager();
    if (!manager)
        return;
    manager->RequestAction(*this, value ? TSkinAction::SkinAll : TSkinAction::UnskinAll);
    if (ftype == TSkinFormType::sfMainform && value)
        manager->SetState(1);
}

void TSkinData::Loaded() {
    fw::TComponent::Loaded();
    if (Designing())
        return;
    // The platform layer always answers GetScrollBarInfo, so xcScrollbar stays.
    ISkinManager* manager = EnsureSkinManager();
    if (manager)
        manager->AddSkinData(*this);
    SetupCaptionFont();
    if (ftype != TSkinFormType::sfMainform) {
        if (manager) {
            manager->SetActive(true);
            manager->SetState(manager->State() + 1);
            auto* form = dynamic_cast<fw::TForm*>(Owner());
            if (form && factive)
                manager->AddForm(form->Handle(), false);
        }
        return;
    }
    if (manager)
        manager->InstallHook();
    if (factive) {
        if (Empty)
            factive = false;
        else if (manager)
            manager->RequestAction(*this, TSkinAction::SkinAll);
    }
    if (FSkinControls.Contains(TSkinControlType::xcMainMenu))
        FSkinControls.Exclude(TSkinControlType::xcMenuItem);
    else
        FSkinControls.Exclude(TSkinControlType::xcSystemMenu);
    GetAppIcon();
}

void TSkinData::Install() {
    if (ISkinManager* manager = SkinManager())
        manager->RequestAction(*this, TSkinAction::SkinAll);
}

void TSkinData::Uninstall() {
    if (ISkinManager* manager = SkinManager())
        manager->RequestAction(*this, TSkinAction::UnskinAll);
}

void TSkinData::InstallThread(win::DWORD aThreadID) {
    if (ISkinManager* manager = SkinManager())
        manager->InstallThread(aThreadID);
}

void TSkinData::UnInstallThread(win::DWORD aThreadID) {
    if (ISkinManager* manager = SkinManager())
        manager->UnInstallThread(aThreadID);
}

void TSkinData::SkinForm(win::HWND ahwnd) {
    if (ISkinManager* manager = SkinManager())
        manager->AddForm(ahwnd, true);
}

void TSkinData::ChangeForm(fw::TForm* aform) {
    ISkinManager* manager = SkinManager();
    if (manager && aform)
        manager->RequestAction(*this, TSkinAction::ReskinForm, aform->Handle());
}

void TSkinData::EnableSkin(bool b) {
    if (ISkinManager* manager = SkinManager())
        manager->SetActive(b);
}

void TSkinData::AddNestForm(fw::TForm* fParent, fw::TForm* fNested) {
    ISkinManager* manager = SkinManager();
    if (manager && fParent && fNested)
        manager->AddNestForm(*fParent, *fNested);
}

void TSkinData::UpdateSkinControl(fw::TForm* fParent, fw::TControl* acontrol) {
    ISkinManager* manager = SkinManager();
    if (manager && fParent)
        manager->UpdateSkinControl(*fParent, acontrol);
}

void TSkinData::DeleteGraphicControl(fw::TForm* fParent, fw::TControl* acontrol) {
    ISkinManager* manager = SkinManager();
    if (manager && fParent && acontrol)
        manager->DeleteGraphicControl(*fParent, *acontrol);
}

void TSkinData::UpdateMenu(fw::TForm* fParent) {
    ISkinManager* manager = SkinManager();
    if (manager && fParent)
        manager->UpdateMenu(*fParent);
}

void TSkinData::UpdateMainMenu(bool done) {
    MenuMsg = done;
    ISkinManager* manager = SkinManager();
    if (manager && done)
        manager->RefreshMenuBars();
}

void TSkinData::DoFormSkin(win::HWND, const std::string& aname, bool& Doskin) {
    if (fOnFormSkin) {
        fOnFormSkin(this, aname, Doskin);
        return;
    }
    if (aname == "SysMonthCal32" ||
        (FSkinControls.Contains(TSkinControlType::xcFastReport) && aname.starts_with("Tfr")))
        Doskin = false;
}

void TSkinData::DoSkinChanged() {
    if (fOnSkinChanged)
        fOnSkinChanged(this);
}

bool TSkinData::GetScrollBarInfo(win::HWND hwnd, win::LONG idObject,
                                 win::SCROLLBARINFO& psbi) const {
    return win::GetScrollBarInfo(hwnd, idObject, &psbi) != 0;
}

void TSkinData::ChangeProperty(fw::TObject* control, const std::string& aprop,
                               const std::string& value) {
    if (!control)
        return;
    const fw::TPropInfo* info = fw::GetPropInfo(*control, aprop);
    if (!info || info->Kind() != fw::TTypeKind::tkEnumeration || !info->EnumType() ||
        !info->EnumType()->Value(value))
        return;
    fw::SetEnumProp(*control, aprop, value);
}

void TSkinData::SetupCaptionFont() {
    win::NONCLIENTMETRICS metrics;
    if (!win::SystemParametersInfo(win::SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return;
    // Framework fonts are made from their description, so the caption font's
    // face, height, weight and slant are what carries over.
    const win::LOGFONT& font = metrics.lfCaptionFont;
    CaptionFont->SetName(font.lfFaceName);
    CaptionFont->SetHeight(font.lfHeight);
    CaptionFont->SetCharset(font.lfCharSet);
    fw::TFontStyles style;
    if (font.lfWeight >= 700)
        style.Include(fw::TFontStyle::fsBold);
    if (font.lfItalic)
        style.Include(fw::TFontStyle::fsItalic);
    CaptionFont->SetStyle(style);
}

void TSkinData::GetAppIcon() {}

} // namespace skin

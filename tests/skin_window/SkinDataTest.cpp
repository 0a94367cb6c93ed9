// The skin data component: its state at creation, its published properties
// as a form definition sets them, the "SkinStream" property, its small
// methods, and what it asks of the skin manager while loading and switching.

#include "framework/ClassRegistry.h"
#include "framework/MemoryStream.h"
#include "framework/TypInfo.h"
#include "framework/gui/FormReader.h"
#include "framework/gui/Label.h"
#include "skin/SkinMessageBox.h"
#include "skin/WinSkinClasses.h"
#include "skin/WinSkinData.h"
#include "skin/WinSkinDataManagerLink.h"
#include "tests/skin_window/support/SkinFiles.h"

#include <gtest/gtest.h>

namespace skin::test {
namespace {

const std::string kMinimalIni = "[TitlebarSkin]\r\nSkinName=Test\r\n";

Bytes MinimalSkin() {
    return SkinFile({}, kMinimalIni);
}

TEST(SkinData, StartsEmptyWithTheDocumentedDefaults) {
    const auto data = fw::MakeComponent<TSkinData>();
    const struct {
        const char* property;
        const char* text;
    } properties[] = {
        {"Active", "False"},
        {"DisableTag", "99"},
        {"SkinControls",
         "[xcMainMenu,xcPopupMenu,xcToolbar,xcControlbar,xcCombo,xcCheckBox,xcRadioButton,"
         "xcProgress,xcScrollbar,xcEdit,xcButton,xcBitBtn,xcSpeedButton,xcSpin,xcPanel,"
         "xcGroupBox,xcStatusBar,xcTab,xcTrackBar,xcSystemMenu]"},
        {"Options", "[xoPreview,xoToolbarBK,xoCaptionButtonHint]"},
        {"SkinFile", ""},
        {"SkinStore", "(none)"},
        {"SkinFormtype", "sfMainform"},
        {"Version", "2.11.09.12"},
        {"MenuUpdate", "True"},
        {"MenuMerge", "False"},
    };
    for (const auto& p : properties)
        EXPECT_EQ(fw::GetPropText(*data, p.property), p.text) << p.property;
    for (const char* event :
         {"OnFormSkin", "OnSkinChanged", "OnSkinControl", "OnBeforeSkinForm", "OnAfterSkinForm"}) {
        const auto handler = fw::GetMethodProp(*data, event);
        ASSERT_TRUE(handler.has_value()) << event;
        EXPECT_FALSE(handler->has_value()) << event;
    }
    EXPECT_EQ(data->Containers().Bits(), 0x3FFu);

    EXPECT_TRUE(data->Empty);
    EXPECT_TRUE(data->MenuMsg);
    for (int i = 0; i < kSchemeColorCount; ++i) {
        EXPECT_EQ(data->Colors[std::size_t(i)], 0) << i;
        EXPECT_FALSE(data->hasColors[std::size_t(i)]) << i;
    }
    EXPECT_TRUE(data->ColorPreset.empty());
    EXPECT_TRUE(data->SysBtn.empty());
    EXPECT_TRUE(data->SysIcon->Empty());
    EXPECT_EQ(data->SysIcon->PixelFormat(), fw::TPixelFormat::pf24bit);
    // Only the objects that are always present exist.
    EXPECT_EQ(data->tab, nullptr);
    EXPECT_EQ(data->Toolbar, nullptr);
    EXPECT_EQ(data->TrackBar, nullptr);
    const std::vector<TDataSkinObject*> present = {data->Title.get(),     data->Button.get(),
                                                   data->border[0].get(), data->border[1].get(),
                                                   data->border[2].get(), data->border[3].get()};
    for (TDataSkinObject* object : present) {
        ASSERT_NE(object, nullptr);
        EXPECT_TRUE(object->Map->Empty());
        EXPECT_EQ(object->Normalcolor, -1);
        EXPECT_EQ(object->Overcolor, -1);
        EXPECT_EQ(object->Downcolor, -1);
        EXPECT_EQ(object->Normalcolor2, 0);
        EXPECT_EQ(object->Overcolor2, 0);
        EXPECT_EQ(object->Downcolor2, 0);
    }
    EXPECT_EQ(data->border[0]->IDName, "Left");
    EXPECT_EQ(data->border[3]->IDName, "Bottom");
    EXPECT_EQ(data->Title->activetext, fw::clNone);
}

TEST(SkinData, CarriesTheBuiltInListOfOtherComponentClasses) {
    const auto data = fw::MakeComponent<TSkinData>();
    const fw::TStrings& lines = *data->Skin3rd();
    ASSERT_EQ(lines.Count(), 118);
    EXPECT_EQ(lines.Strings(0), "TCategoryButtons=scrollbar");
    EXPECT_EQ(lines.Strings(117), "TOVCDBNUMERICFIELD=Edit");
    // Lines marked twice stand twice in a row.
    EXPECT_EQ(lines.IndexOf("TDBCheckboxEh=Checkbox") + 1,
              lines.IndexOf("TLMDCHECKBOX=Checkbox") - 1);
    EXPECT_EQ(lines.Strings(lines.IndexOf("TDBCheckboxEh=Checkbox") + 1), "TDBCheckboxEh=Checkbox");
}

TEST(SkinData, WritingTheVersionOrTheStoreIndicatorIsIgnored) {
    const auto data = fw::MakeComponent<TSkinData>();
    EXPECT_TRUE(fw::SetStrProp(*data, "Version", "9"));
    EXPECT_TRUE(fw::SetStrProp(*data, "SkinStore", "x"));
    EXPECT_EQ(data->Version(), "2.11.09.12");
    EXPECT_EQ(data->SkinStore(), "(none)");
}

TEST(SkinData, SkinStreamIsACountFollowedByTheSkinFile) {
    const Bytes file = MinimalSkin();
    auto data = LoadSkinData(file);
    ASSERT_FALSE(data->Empty);
    EXPECT_EQ(data->SkinName, "Test");

    fw::TMemoryStream written;
    data->ClassType().FindBinaryProperty("SkinStream")->Write(*data, written);
    Bytes expected;
    AppendInt32(expected, static_cast<std::int32_t>(file.size()));
    expected.insert(expected.end(), file.begin(), file.end());
    EXPECT_EQ(Contents(written), expected);

    const auto copy = fw::MakeComponent<TSkinData>();
    written.SetPosition(0);
    copy->ClassType().FindBinaryProperty("SkinStream")->Read(*copy, written);
    EXPECT_FALSE(copy->Empty);
    EXPECT_EQ(copy->SkinName, "Test");

    const auto none = fw::MakeComponent<TSkinData>();
    fw::TMemoryStream zero;
    Fill(zero, {0, 0, 0, 0});
    none->ClassType().FindBinaryProperty("SkinStream")->Read(*none, zero);
    EXPECT_TRUE(none->Empty);
    EXPECT_EQ(none->Data().Size(), 0);
}

TEST(SkinData, ACountLargerThanTheBytesIsAReadError) {
    const auto data = fw::MakeComponent<TSkinData>();
    fw::TMemoryStream stream;
    Fill(stream, {9, 0, 0, 0, 1, 2});
    EXPECT_THROW(data->ClassType().FindBinaryProperty("SkinStream")->Read(*data, stream),
                 fw::EReadError);
    EXPECT_TRUE(data->Empty);
}

std::string HexBytes(const Bytes& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (std::uint8_t b : bytes) {
        text += digits[b >> 4];
        text += digits[b & 15];
    }
    return text;
}

std::string SkinStreamText(const Bytes& file) {
    Bytes stream;
    AppendInt32(stream, static_cast<std::int32_t>(file.size()));
    stream.insert(stream.end(), file.begin(), file.end());
    return "x\"" + HexBytes(stream) + "\"";
}

// A definition whose root is a plain component holding one skin data component.
fw::TComponentPtr<fw::TComponent> ReadDefinition(const std::string& members) {
    RegisterSkinClasses();
    auto root = fw::MakeComponent<fw::TComponent>();
    fw::ReadComponentDefinition(*root,
                                "TComponent Root { TSkinData SkinData1 { " + members + " } }");
    return root;
}

TSkinData& SkinData1(fw::TComponent& root) {
    auto* data = dynamic_cast<TSkinData*>(root.FindComponent("SkinData1"));
    EXPECT_NE(data, nullptr);
    return *data;
}

TEST(SkinData, AFormDefinitionCreatesItWithItsStoredProperties) {
    const auto root = ReadDefinition(
        "Active = True DisableTag = 7 SkinControls = [xcMainMenu, xcMenuItem, xcButton] "
        "Options = [xoPreview] SkinFormtype = sfMainform MenuUpdate = False MenuMerge = True "
        "Skin3rd = (\"TMyButton=button\" \"TMyGrid=scrollbar\") SkinStream = " +
        SkinStreamText(MinimalSkin()));
    const TSkinData& data = SkinData1(*root);
    EXPECT_FALSE(data.Empty);
    // Without a skin manager nothing is skinned, and the switch stays as stored.
    EXPECT_TRUE(data.Active());
    EXPECT_EQ(data.DisableTag(), 7);
    EXPECT_FALSE(data.MenuUpdate());
    EXPECT_TRUE(data.MenuMerge());
    ASSERT_EQ(data.Skin3rd()->Count(), 2);
    EXPECT_EQ(data.Skin3rd()->Strings(1), "TMyGrid=scrollbar");
    // With the main menu skinned, its items are not skinned on their own.
    EXPECT_EQ(data.SkinControls(),
              (TSkinControlTypes{TSkinControlType::xcMainMenu, TSkinControlType::xcButton}));
}

TEST(SkinData, WithoutASkinStoredActiveEndsUpOff) {
    const auto root = ReadDefinition("Active = True SkinControls = [xcButton, xcSystemMenu]");
    const TSkinData& data = SkinData1(*root);
    EXPECT_TRUE(data.Empty);
    EXPECT_FALSE(data.Active());
    // Without the main menu skinned, the system menu is not skinned either.
    EXPECT_EQ(data.SkinControls(), TSkinControlTypes{TSkinControlType::xcButton});
}

TEST(SkinData, ASkinOfAnUnknownVersionShowsTheReadersMessageAndStaysEmpty) {
    std::string shown;
    const auto previous = SetSkinMessageBoxHandler([&shown](const std::string& t) { shown += t; });
    const auto data = LoadSkinData(Pack(SkinContainer(10000, 0, {{"skin.ini", ToBytes("")}})));
    SetSkinMessageBoxHandler(previous);
    EXPECT_TRUE(data->Empty);
    EXPECT_EQ(shown, "This is Older Skin File\rPlease update to new version !");
}

TEST(SkinData, ADamagedSkinLeavesItEmpty) {
    Bytes cutShort = SkinContainer(70000, 69, {{"skin.ini", ToBytes(kMinimalIni)}});
    cutShort.resize(90);
    for (const Bytes& file : {Bytes{1, 2, 3}, Block(1000, {0xFF, 0xFF}), Pack(cutShort)}) {
        const auto data = LoadSkinData(file);
        EXPECT_TRUE(data->Empty);
    }
}

TEST(SkinData, LoadsFromFilesAndStoresAndIgnoresWhatIsNotThere) {
    const auto data = LoadSkinData(MinimalSkin());
    ASSERT_FALSE(data->Empty);
    data->LoadFromFile("/nonexistent/skin.skn");
    EXPECT_TRUE(data->Empty);
    EXPECT_EQ(data->SkinFile(), "/nonexistent/skin.skn");
    EXPECT_GT(data->Data().Size(), 0) << "the bytes stay as they were";

    const auto store = fw::MakeComponent<TSkinStore>();
    TSkinCollectionItem& item = *store->Store()->Add();
    fw::TMemoryStream bytes;
    Fill(bytes, MinimalSkin());
    item.ClassType().FindBinaryProperty("DataStream")->Read(item, bytes);
    data->LoadFromCollection(*store, 1);
    EXPECT_TRUE(data->Empty) << "an index equal to the item count does nothing";
    data->LoadFromCollection(*store, -1);
    EXPECT_TRUE(data->Empty);
    data->LoadFromCollection(*store, 0);
    EXPECT_FALSE(data->Empty);
}

TEST(SkinData, SmallQueries) {
    const auto data = fw::MakeComponent<TSkinData>();
    data->ColorPreset = {fw::clRed, fw::clBlue};
    struct Preset {
        int n;
        bool found;
        fw::TColor color;
    };
    for (const Preset p : {Preset{-1, false, fw::clLime}, Preset{0, true, fw::clRed},
                           Preset{1, true, fw::clBlue}, Preset{2, false, fw::clLime}}) {
        fw::TColor color = fw::clLime;
        EXPECT_EQ(data->GetPrecolor(color, p.n), p.found) << p.n;
        EXPECT_EQ(color, p.color) << p.n;
    }
    struct Name {
        const char* s;
        const char* expected;
    };
    for (const Name n :
         {Name{"skin.bmp", "skin"}, Name{"a.b.c", "a"}, Name{"noext", ""}, Name{".hidden", ""}})
        EXPECT_EQ(TSkinData::GetFileName(n.s), n.expected) << n.s;
}

TEST(SkinData, DecidesPerWindowClassUnlessAHandlerDoes) {
    const auto data = fw::MakeComponent<TSkinData>();
    struct Case {
        const char* rule;
        const char* name;
        bool fastReport;
        bool skinned;
    };
    const Case cases[] = {
        {"the month calendar is never skinned", "SysMonthCal32", false, false},
        {"report windows are skinned by default", "TfrPreviewForm", false, true},
        {"with xcFastReport they are not", "TfrPreviewForm", true, false},
        {"the prefix is case-sensitive", "TFRPreviewForm", true, true},
        {"other windows keep the decision", "TForm1", true, true},
    };
    for (const Case& c : cases) {
        TSkinControlTypes controls = data->SkinControls();
        if (c.fastReport)
            controls.Include(TSkinControlType::xcFastReport);
        else
            controls.Exclude(TSkinControlType::xcFastReport);
        data->SetSkinControls(controls);
        bool skin = true;
        data->DoFormSkin(nullptr, c.name, skin);
        EXPECT_EQ(skin, c.skinned) << c.rule;
    }
    std::vector<std::string> asked;
    data->SetOnFormSkin([&asked](fw::TObject*, const std::string& name, bool& skin) {
        asked.push_back(name);
        skin = name != "TForm1";
    });
    bool skin = false;
    data->DoFormSkin(nullptr, "SysMonthCal32", skin);
    EXPECT_TRUE(skin) << "the handler alone decides";
    data->DoFormSkin(nullptr, "TForm1", skin);
    EXPECT_FALSE(skin);
    EXPECT_EQ(asked, (std::vector<std::string>{"SysMonthCal32", "TForm1"}));
}

TEST(SkinData, ChangesEnumerationPropertiesByName) {
    auto label = fw::MakeComponent<fw::TLabel>();
    TSkinData::ChangeProperty(label.get(), "Alignment", "taCenter");
    EXPECT_EQ(fw::GetEnumProp(*label, "Alignment"), "taCenter");
    TSkinData::ChangeProperty(label.get(), "Alignment", "taNowhere");
    TSkinData::ChangeProperty(label.get(), "Caption", "taRightJustify");
    TSkinData::ChangeProperty(label.get(), "NoSuchProperty", "taRightJustify");
    TSkinData::ChangeProperty(nullptr, "Alignment", "taRightJustify");
    EXPECT_EQ(fw::GetEnumProp(*label, "Alignment"), "taCenter");
    EXPECT_EQ(label->Caption(), "");
}

// A manager that writes down what it is asked.
class RecordingManager : public ISkinManager {
public:
    explicit RecordingManager(std::vector<std::string>& log) : FLog(log) {}
    void AddSkinData(TSkinData&) override { FLog.push_back("AddSkinData"); }
    void RemoveSkinData(TSkinData&) override { FLog.push_back("RemoveSkinData"); }
    void InstallHook() override { FLog.push_back("InstallHook"); }
    void InstallThread(win::DWORD id) override { FLog.push_back("InstallThread " + Id(id)); }
    void UnInstallThread(win::DWORD id) override { FLog.push_back("UnInstallThread " + Id(id)); }
    int State() const override { return FState; }
    void SetState(int state) override {
        FState = state;
        FLog.push_back("SetState " + std::to_string(state));
    }
    void SetActive(bool active) override {
        FLog.push_back(std::string("SetActive ") + (active ? "1" : "0"));
    }
    void RequestAction(TSkinData&, TSkinAction action, win::HWND) override {
        FLog.push_back("RequestAction " + std::to_string(int(action)));
    }
    void DeleteSysbtn(TSkinData&) override { FLog.push_back("DeleteSysbtn"); }
    bool AddForm(win::HWND, bool childForms) override {
        FLog.push_back(std::string("AddForm ") + (childForms ? "1" : "0"));
        return true;
    }
    void AddNestForm(fw::TForm&, fw::TForm&) override { FLog.push_back("AddNestForm"); }
    void UpdateSkinControl(fw::TForm&, fw::TControl*) override {
        FLog.push_back("UpdateSkinControl");
    }
    void DeleteGraphicControl(fw::TForm&, fw::TControl&) override {
        FLog.push_back("DeleteGraphicControl");
    }
    void UpdateMenu(fw::TForm&) override { FLog.push_back("UpdateMenu"); }
    void RefreshMenuBars() override { FLog.push_back("RefreshMenuBars"); }

private:
    static std::string Id(win::DWORD id) { return std::to_string(id); }
    std::vector<std::string>& FLog;
    int FState = 0;
};

class SkinDataWithManager : public ::testing::Test {
protected:
    void SetUp() override {
        SetSkinManagerFactory([this] { return std::make_unique<RecordingManager>(log); });
    }
    void TearDown() override {
        DestroySkinManager();
        SetSkinManagerFactory(nullptr);
    }
    std::vector<std::string> log;
};

TEST_F(SkinDataWithManager, LoadingTheMainComponentRegistersHooksAndAsksToSkinEverything) {
    const auto root = ReadDefinition("Active = True SkinStream = " + SkinStreamText(MinimalSkin()));
    EXPECT_EQ(log, (std::vector<std::string>{"AddSkinData", "InstallHook", "RequestAction 1"}));
    EXPECT_TRUE(SkinData1(*root).Active());
}

TEST_F(SkinDataWithManager, AnEmptyMainComponentSwitchesItselfOff) {
    const auto root = ReadDefinition("Active = True");
    EXPECT_EQ(log, (std::vector<std::string>{"AddSkinData", "InstallHook"}));
    EXPECT_FALSE(SkinData1(*root).Active());
}

TEST_F(SkinDataWithManager, AComponentOfAnotherRoleSwitchesTheManagerOn) {
    const auto root = ReadDefinition("Active = True SkinFormtype = sfDialog");
    EXPECT_EQ(log, (std::vector<std::string>{"AddSkinData", "SetActive 1", "SetState 1"}));
    EXPECT_TRUE(SkinData1(*root).Active()) << "a dialog component keeps its switch";
}

TEST_F(SkinDataWithManager, SwitchingAtRunTimeGoesThroughTheManager) {
    const auto root = ReadDefinition("SkinStream = " + SkinStreamText(MinimalSkin()));
    TSkinData& data = SkinData1(*root);
    log.clear();
    data.SetActive(true);
    data.SetActive(true);
    data.SetActive(false);
    EXPECT_EQ(log, (std::vector<std::string>{"RequestAction 1", "SetState 1", "RequestAction 2"}));

    log.clear();
    data.LoadFromStream(*std::make_unique<fw::TMemoryStream>());
    EXPECT_TRUE(data.Empty);
    data.SetActive(true);
    EXPECT_FALSE(data.Active()) << "turning on does nothing while Empty";
    EXPECT_EQ(log, (std::vector<std::string>{"DeleteSysbtn", "RequestAction 3"}));

    log.clear();
    data.SetSkinFormtype(TSkinFormType::sfDLL);
    data.SetActive(true);
    EXPECT_TRUE(data.Active());
    EXPECT_TRUE(log.empty()) << "a library's component only stores the value";
}

TEST_F(SkinDataWithManager, PassesRequestsOn) {
    const auto root = ReadDefinition("");
    TSkinData& data = SkinData1(*root);
    log.clear();
    data.Install();
    data.Uninstall();
    data.InstallThread(42);
    data.UnInstallThread(42);
    data.SkinForm(nullptr);
    data.EnableSkin(false);
    data.UpdateMainMenu(false);
    EXPECT_FALSE(data.MenuMsg);
    data.UpdateMainMenu(true);
    EXPECT_TRUE(data.MenuMsg);
    data.AddNestForm(nullptr, nullptr);
    data.UpdateMenu(nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"RequestAction 1", "RequestAction 2",
                                             "InstallThread 42", "UnInstallThread 42", "AddForm 1",
                                             "SetActive 0", "RefreshMenuBars"}));
    log.clear();
    root->RemoveComponent(data);
    data.Free();
    EXPECT_EQ(log, std::vector<std::string>{"RemoveSkinData"});
}

} // namespace
} // namespace skin::test

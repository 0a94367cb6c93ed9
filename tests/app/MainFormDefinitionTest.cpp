// The main window's definition as the build fills it in: well-formed, with
// the configured package address and the catalogue's welcome line; and read
// into the window, every control in its place with its contents.
#include "catalogue/function_module.h"
#include "framework/gui/FormLexer.h"
#include "framework/gui/Icon.h"
#include "tests/app/MainWindowFixture.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

namespace {

std::vector<fw::TFormTokenValue> Tokens(const std::string& text) {
    fw::TFormLexer lexer(text);
    std::vector<fw::TFormTokenValue> tokens;
    for (auto token = lexer.Next(); token.kind != fw::TFormToken::End; token = lexer.Next())
        tokens.push_back(token);
    return tokens;
}

// The string value assigned to the first property of that name.
std::string StringProperty(const std::vector<fw::TFormTokenValue>& tokens,
                           const std::string& name) {
    for (std::size_t i = 0; i + 2 < tokens.size(); ++i)
        if (tokens[i].kind == fw::TFormToken::Identifier && tokens[i].text == name &&
            tokens[i + 1].text == "=" && tokens[i + 2].kind == fw::TFormToken::String)
            return tokens[i + 2].text;
    return "";
}

TEST(MainFormDefinition, FilledInAndWellFormed) {
    std::ifstream in(TELVORA_MAIN_FORM, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    ASSERT_FALSE(text.empty());
    const auto tokens = Tokens(text);
    int depth = 0;
    for (const auto& token : tokens) {
        if (token.kind == fw::TFormToken::Symbol && token.text == "{")
            ++depth;
        if (token.kind == fw::TFormToken::Symbol && token.text == "}") {
            ASSERT_GT(depth, 0) << "line " << token.line;
            --depth;
        }
    }
    EXPECT_EQ(depth, 0);
    EXPECT_EQ(text.find('@'), std::string::npos) << "a placeholder was left unfilled";
    EXPECT_EQ(StringProperty(tokens, "Text"),
              std::string(catalogue::kWelcomeNotice) + "   win7系统下请在非系统盘运行");
    EXPECT_NE(text.find("Text = \"" TELVORA_PACKAGE_URL "\""), std::string::npos);
}

struct ControlPlace {
    const char* name;
    const char* parent;
    int left, top, width, height; // in the parent's client area; -1: the control's own
};

// Hidden controls lie right of the 624-pixel client area, Button_UpDate under
// Button_R. The label, the drop-down and the status bar take the height their
// text needs; the status bar sits at the bottom.
const ControlPlace kPlaces[] = {
    {"Image1", "Form1", 0, 0, 624, 84},
    {"Label5", "Form1", 263, 68, -1, -1},
    {"Button3", "Form1", 529, 504, 87, 29},
    {"SB", "Form1", 0, -1, 624, -1},
    {"PageControl1", "Form1", 0, 84, 624, 392},
    {"TVList", "TabSheet1", 0, 26, 129, 335},
    {"TVListBox", "TabSheet1", 132, 0, 485, 361},
    {"ComboBox_Class", "TabSheet1", 0, 0, 129, -1},
    {"LoadData", "Form1", 664, 160, 75, 25},
    {"filepathList", "Form1", 664, 8, 177, 57},
    {"TVFilepathList", "Form1", 664, 72, 409, 73},
    {"Button1", "Form1", 435, 504, 87, 29},
    {"Button_UpDate", "Form1", 342, 504, 87, 29},
    {"ProgressBar1", "Form1", 0, 476, 624, 22},
    {"PageControl2", "Form1", 637, 242, 400, 160},
    {"Button_R", "Form1", 342, 504, 87, 29},
    {"Edit_Ver", "Form1", 287, 67, 121, 17},
    {"Button2", "Form1", 249, 504, 87, 29},
};

class MainWindowDefinition : public app_test::MainWindowTest {};

TEST_F(MainWindowDefinition, EveryControlInItsPlace) {
    TForm1& f = Start({"--no-catalogue"});
    EXPECT_EQ(f.ClientWidth(), 624);
    EXPECT_EQ(f.ClientHeight(), 564);
    EXPECT_EQ(f.BorderStyle(), fw::TFormBorderStyle::bsSingle);
    EXPECT_EQ(f.BorderIcons(), fw::TBorderIcons{fw::TBorderIcon::biSystemMenu});
    for (const ControlPlace& place : kPlaces) {
        SCOPED_TRACE(place.name);
        auto* control = dynamic_cast<fw::TControl*>(f.FindComponent(place.name));
        ASSERT_NE(control, nullptr);
        ASSERT_NE(control->Parent(), nullptr);
        EXPECT_EQ(control->Parent()->Name(), place.parent);
        const win::RECT r = control->BoundsRect();
        EXPECT_EQ(r.left, place.left);
        for (const auto& [expected, actual] : {std::pair{place.top, r.top},
                                               {place.width, r.right - r.left},
                                               {place.height, r.bottom - r.top}})
            if (expected >= 0) {
                EXPECT_EQ(actual, expected);
            }
    }
    EXPECT_EQ(f.SB->BoundsRect().bottom, 564);
    // The user clicks Button_R, created after the button it covers.
    EXPECT_GT(f.Button_R->ComponentIndex(), f.Button_UpDate->ComponentIndex());
}

TEST_F(MainWindowDefinition, ContentsAndComponents) {
    TForm1& f = Start({"--no-catalogue"});
    EXPECT_EQ(f.Image1->Picture()->Width(), 624);
    EXPECT_EQ(f.Image1->Picture()->Height(), 84);
    EXPECT_FALSE(f.Icon()->Empty());
    EXPECT_EQ(f.Label5->Caption(), "Ver");
    EXPECT_EQ(f.Edit_Ver->Text(), "1.30.2011912");
    EXPECT_EQ(f.Edit_Url->Text(), TELVORA_PACKAGE_URL);
    EXPECT_EQ(f.Edit_SaveFile->Text(), "orvo.zip");
    EXPECT_EQ(f.ComboBox_Class->Items()->Count(), 5);
    EXPECT_EQ(f.ComboBox_Class->Text(), "央视频道");
    EXPECT_EQ(f.Memo1->Lines()->Count(), 3);
    EXPECT_EQ(f.Memo1->Lines()->Strings(0), "V1.30.2011912");
    EXPECT_EQ(f.PageControl1->ActivePage(), f.TabSheet1);
    EXPECT_EQ(f.TabSheet1->Caption(), "中国电视节目列表");
    EXPECT_EQ(f.TabSheet2->Caption(), "更新说明");
    EXPECT_EQ(f.PageControl2->ActivePage(), f.TabSheet4);
    EXPECT_EQ(f.TabSheet4->Caption(), "数据更新");
    EXPECT_EQ(f.Button_R->Caption(), "更新电视节目");
    EXPECT_EQ(f.Button_UpDate->Caption(), "更新电视节目");
    EXPECT_FALSE(f.Timer_Load->Enabled());
    EXPECT_EQ(f.Timer_Load->Interval(), 3000u);
    EXPECT_FALSE(f.Timer1->Enabled());
    EXPECT_EQ(f.Timer1->Interval(), 2000u);
    EXPECT_EQ(f.ProgressBar1->Step(), 1);
    // The download components, in their place between the visible controls and
    // the timers.
    ASSERT_NE(f.NetHTTP1, nullptr);
    ASSERT_NE(f.NetAntiFreeze1, nullptr);
    EXPECT_GT(f.NetHTTP1->ComponentIndex(), f.Button2->ComponentIndex());
    EXPECT_EQ(f.NetAntiFreeze1->ComponentIndex(), f.NetHTTP1->ComponentIndex() + 1);
    EXPECT_LT(f.NetAntiFreeze1->ComponentIndex(), f.Timer_Load->ComponentIndex());
    EXPECT_TRUE(f.NetHTTP1->AllowCookies());
    EXPECT_EQ(f.NetHTTP1->Request().Accept(), "text/html, */*");
    EXPECT_EQ(f.NetHTTP1->Request().UserAgent(), "Mozilla/3.0 (compatible; Telvora)");
    EXPECT_TRUE(f.NetHTTP1->OnWorkBegin() && f.NetHTTP1->OnWork() && f.NetHTTP1->OnWorkEnd());
    EXPECT_EQ(TNetAntiFreezeBase::Current(), f.NetAntiFreeze1);
    EXPECT_TRUE(f.NetAntiFreeze1->Active());
    EXPECT_EQ(f.NetAntiFreeze1->IdleTimeOut(), 250);
    EXPECT_EQ(f.ProbeUrl(), TELVORA_PROBE_URL);
}

TEST_F(MainWindowDefinition, TheSkinDataComponentHoldsOurSkin) {
    TForm1& f = Start({"--no-catalogue"});
    ASSERT_NE(f.SkinData1, nullptr);
    const skin::TSkinData& data = *f.SkinData1;
    // After Button2, before the download components.
    EXPECT_EQ(data.ComponentIndex(), f.Button2->ComponentIndex() + 1);
    EXPECT_EQ(f.NetHTTP1->ComponentIndex(), data.ComponentIndex() + 1);
    EXPECT_FALSE(data.Empty);
    EXPECT_TRUE(data.Active()) << "stays on until a skin manager takes it up";
    EXPECT_EQ(data.Colors[3], static_cast<fw::TColor>(0xFDEEE3));
    EXPECT_EQ(data.DisableTag(), 99);
    EXPECT_EQ(data.SkinFormtype(), skin::TSkinFormType::sfMainform);
    EXPECT_EQ(data.Skin3rd()->Count(), 95);
    using enum skin::TSkinControlType;
    EXPECT_EQ(data.SkinControls(),
              (skin::TSkinControlTypes{xcMainMenu, xcPopupMenu, xcToolbar, xcControlbar, xcCombo,
                                       xcCheckBox, xcRadioButton, xcProgress, xcScrollbar, xcEdit,
                                       xcButton, xcBitBtn, xcSpeedButton, xcPanel, xcGroupBox,
                                       xcStatusBar, xcTab}));
    using enum skin::TSkinOption;
    EXPECT_EQ(data.Options(), (skin::TSkinOptions{xoPreview, xoToolbarBK, xoCaptionButtonHint}));
    EXPECT_TRUE(data.MenuUpdate());
    EXPECT_FALSE(data.MenuMerge());
    // The skin file itself.
    EXPECT_GT(data.Data().Size(), 20000);
}

} // namespace

// Reading form definitions: the test form from its resource, then one-line
// errors for definitions that name what does not exist or break the syntax.

#include "GuiTestSupport.h"
#include "framework/TypInfo.h"
#include "framework/gui/FormReader.h"
#include "platform/user/controls/StandardControls.h"

namespace fw::test {
namespace {

class FormDefinitionTest : public GuiTest {};

TEST_F(FormDefinitionTest, ControlsHaveTheDefinedBoundsTextsAndParents) {
    TTestForm& f = ShowTestForm();
    const struct {
        TControl* control;
        win::RECT bounds;
        std::string text;
        TWinControl* parent;
    } cases[] = {
        {f.Edit1, {60, 6, 180, 27}, "1.30.2011912", &f}, {f.Button1, {200, 6, 287, 35}, "更新", &f},
        {f.Panel1, {8, 60, 208, 180}, "", &f},           {f.List1, {4, 4, 124, 84}, "", f.Panel1},
        {f.Check1, {8, 200, 105, 217}, "选项", &f},
    };
    for (const auto& c : cases) {
        ASSERT_NE(c.control, nullptr);
        const win::RECT r = c.control->BoundsRect();
        EXPECT_EQ((std::vector<int>{r.left, r.top, r.right, r.bottom}),
                  (std::vector<int>{c.bounds.left, c.bounds.top, c.bounds.right, c.bounds.bottom}))
            << c.control->Name();
        EXPECT_EQ(c.control->Text(), c.text) << c.control->Name();
        EXPECT_EQ(c.control->Parent(), c.parent) << c.control->Name();
    }
    char caption[64] = {};
    win::GetWindowText(f.Button1->Handle(), caption, sizeof caption);
    EXPECT_STREQ(caption, "更新");
    EXPECT_EQ(f.Caption(), "测试窗口");
    EXPECT_EQ(f.ClientWidth(), 640);
    EXPECT_EQ(f.ClientHeight(), 300);
    EXPECT_EQ(f.events, std::vector<std::string>{"FormCreate"});
}

TEST_F(FormDefinitionTest, ListsSetsFontsAndEnumerationsArriveInTheirControls) {
    TTestForm& f = ShowTestForm();
    EXPECT_EQ(win::SendMessage(f.List1->Handle(), win::LB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(f.List1->Items()->Strings(2), "三");
    EXPECT_EQ(f.List1->ItemHeight(), 14);
    EXPECT_EQ(f.Combo1->ItemIndex(), 1);
    EXPECT_EQ(f.Combo1->Text(), "央视频道");
    EXPECT_EQ(f.Combo1->Style(), TComboBoxStyle::csDropDownList);
    EXPECT_EQ(f.Memo1->Lines()->Count(), 2);
    EXPECT_EQ(f.Memo1->Lines()->Strings(1), "第二行");
    EXPECT_TRUE(f.Check1->Checked());
    EXPECT_EQ(f.BorderIcons(), TBorderIcons{TBorderIcon::biSystemMenu});
    EXPECT_EQ(win::GetWindowLong(f.Handle(), win::GWL_STYLE) & win::WS_MAXIMIZEBOX, 0);
    // Fonts follow the form's unless a control sets its own.
    EXPECT_EQ(f.Button1->Font()->Height(), -12);
    EXPECT_TRUE(f.Button1->ParentFont());
    EXPECT_EQ(f.Combo1->Font()->Color(), clRed);
    EXPECT_FALSE(f.Combo1->ParentFont());
    EXPECT_FALSE(f.Timer1->Enabled());
    EXPECT_EQ(f.Timer1->Interval(), 2000u);
}

TEST_F(FormDefinitionTest, BinaryPropertiesReferencesAndLoadedAfterTheWholeDefinition) {
    TTestForm& f = ShowTestForm();
    EXPECT_EQ(f.Blob1->Data(), std::string("\x0A\x0B\x0C\x0D\x0E\x0F"));
    EXPECT_EQ(f.Blob2->Data(), "resource bytes\n");
    EXPECT_EQ(f.Blob1->Peer(), f.Button1);
    // Blob1 is read before Blob2, yet is told it is loaded only after Blob2 is read.
    EXPECT_EQ(f.Blob1->SiblingDataAtLoaded, "resource bytes\n");
    EXPECT_EQ(f.Blob1->LoadedCalls, 1);
    EXPECT_FALSE(f.Blob1->ComponentState().Contains(TComponentStateItem::csLoading));
}

TEST_F(FormDefinitionTest, PropertiesReadAndWriteByName) {
    TTestForm& f = ShowTestForm();
    EXPECT_EQ(GetStrProp(*f.Button1, "Caption"), "更新");
    EXPECT_EQ(GetEnumProp(f, "BorderStyle"), "bsSingle");
    EXPECT_EQ(GetOrdProp(*f.List1, "ItemIndex"), -1);
    EXPECT_TRUE(SetStrProp(*f.Button1, "Caption", "下载"));
    char caption[64] = {};
    win::GetWindowText(f.Button1->Handle(), caption, sizeof caption);
    EXPECT_STREQ(caption, "下载");
    EXPECT_TRUE(SetPropText(*f.Edit1, "Left", "70"));
    EXPECT_EQ(f.Edit1->Left(), 70);
    win::RECT r;
    win::GetWindowRect(f.Edit1->Handle(), &r);
    win::POINT origin{0, 0};
    win::ClientToScreen(f.Handle(), &origin);
    EXPECT_EQ(r.left - origin.x, 70);
    EXPECT_FALSE(GetStrProp(*f.Timer1, "Caption").has_value());
}

TEST_F(FormDefinitionTest, DefinitionsThatNameUnknownThingsOrBreakTheSyntaxFailOnOneLine) {
    const struct {
        std::string text;
        std::string message;
    } cases[] = {
        {"TTestForm F { TNoSuch X { } }", "Line 1: Class TNoSuch not found"},
        {"TTestForm F { Colour = clRed }", "Line 1: property TTestForm.Colour does not exist"},
        {"TTestForm F { Font.Weight = 3 }", "Line 1: property TFont.Weight does not exist"},
        {"TTestForm F { OnCreate = Missing }", "Line 1: handler Missing not found in TTestForm"},
        {"TTestForm F { OnClose = FormCreate }",
         "Line 1: handler FormCreate does not suit TTestForm.OnClose"},
        {"TTestForm F {\n  Left = abc }", "Line 2: invalid value abc for TTestForm.Left"},
        {"TTestForm F { BorderStyle = bsRound }",
         "Line 1: invalid value bsRound for TTestForm.BorderStyle"},
        {"TOther F { }", "Line 1: the definition is for TOther, not TTestForm"},
        {"TTestForm F {\n Caption = \"x\n}", "Line 2: line break inside a string"},
        {"TTestForm F { Left = 1", "Line 1: property or class name expected"},
        {"TTestForm F { Caption = \"a\\q\" }", "Line 1: unknown escape \\q in a string"},
        {"TTestForm F { TBlobHolder B { Data = x\"0A0\" } }",
         "Line 1: hex bytes with an odd number of digits"},
        {"TTestForm F { TBlobHolder B { Data = resource(\"BIN\", \"NONE\") } }",
         "Line 1: TBlobHolder.Data: Resource NONE not found"},
        {"TTestForm F { TBlobHolder B { Peer = Nobody } }", "Line 1: component Nobody not found"},
        {"TTestForm F { TBlobHolder B { Peer = F } }", "Line 1: Peer: Invalid property value"},
        {"TTestForm F { } }", "Line 1: text after the end of the definition"},
        {"TTestForm F { Left = 12x }", "Line 1: malformed number 12x"},
        {"TTestForm F { TPanel P { } TPanel P { } }", "Line 1: A component named P already exists"},
    };
    for (const auto& c : cases) {
        auto form = MakeComponent<TTestForm>();
        try {
            ReadComponentDefinition(*form, c.text);
            ADD_FAILURE() << "no error for " << c.text;
        } catch (const EFilerError& error) {
            EXPECT_EQ(error.Message(), c.message) << c.text;
        }
    }
}

TEST_F(FormDefinitionTest, NestingBeyondTheLimitIsRefusedWithoutExhaustingTheStack) {
    std::string text = "TTestForm F {";
    for (int i = 0; i < 200; ++i)
        text += " TPanel P" + std::to_string(i) + " {";
    auto form = MakeComponent<TTestForm>();
    try {
        ReadComponentDefinition(*form, text);
        ADD_FAILURE() << "no error";
    } catch (const EReadError& error) {
        EXPECT_EQ(error.Message(), "Line 1: definition nested too deeply");
    }
}

} // namespace
} // namespace fw::test

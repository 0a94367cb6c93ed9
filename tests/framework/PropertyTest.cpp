#include "framework/ClassBuilder.h"
#include "framework/ClassRegistry.h"
#include "framework/Component.h"
#include "framework/MemoryStream.h"
#include "framework/NotifyEvent.h"
#include "framework/TypInfo.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace fw {
namespace {

enum class TButtonKind { bkCustom, bkOK, bkCancel };
FW_ENUM_NAMES(TButtonKind, "bkCustom", "bkOK", "bkCancel");
enum class TFontStyle { fsBold, fsItalic, fsUnderline };
FW_ENUM_NAMES(TFontStyle, "fsBold", "fsItalic", "fsUnderline");
using TFontStyles = TSet<TFontStyle>;

class TGlyph : public TPersistent {
    FW_CLASS(TGlyph, TPersistent)
};
const TClassInfo& TGlyph::StaticClass() {
    static const TClassInfo info = TClassBuilder<TGlyph, TPersistent>("TGlyph").Build();
    return info;
}

// A control-like class publishing one property of every kind.
class TSample : public TComponent {
    FW_CLASS(TSample, TComponent)
    using TComponent::TComponent;

    int Width() const { return FWidth; }
    void SetWidth(int width) { FWidth = width; }
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& caption) { FCaption = caption; }
    TButtonKind Kind() const { return FKind; }
    void SetKind(TButtonKind kind) { FKind = kind; }
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles style) { FStyle = style; }
    TColor Color() const { return FColor; }
    void SetColor(TColor color) { FColor = color; }
    TGlyph* Glyph() const { return FGlyph; }
    void SetGlyph(TGlyph* glyph) { FGlyph = glyph; }
    const TNotifyEvent& OnClick() const { return FOnClick; }
    void SetOnClick(TNotifyEvent handler) { FOnClick = std::move(handler); }

    bool FChecked = false;
    unsigned char FSmall = 0;
    int FReadOnlyCount = 7;

    std::string FData;
    void ReadData(TStream& stream) {
        FData.resize(static_cast<std::size_t>(stream.Size()));
        stream.ReadBuffer(FData.data(), stream.Size());
    }
    void WriteData(TStream& stream) const {
        stream.WriteBuffer(FData.data(), static_cast<std::int64_t>(FData.size()));
    }

private:
    int FWidth = 0;
    std::string FCaption;
    TButtonKind FKind = TButtonKind::bkCustom;
    TFontStyles FStyle;
    TColor FColor = clBtnFace;
    TGlyph* FGlyph = nullptr;
    TNotifyEvent FOnClick;
};

const TClassInfo& TSample::StaticClass() {
    static const TClassInfo info = TClassBuilder<TSample, TComponent>("TSample")
                                       .Property("Width", &TSample::Width, &TSample::SetWidth)
                                       .Property("Caption", &TSample::Caption, &TSample::SetCaption)
                                       .Property("Kind", &TSample::Kind, &TSample::SetKind)
                                       .Property("Style", &TSample::Style, &TSample::SetStyle)
                                       .Property("Color", &TSample::Color, &TSample::SetColor)
                                       .Property("Glyph", &TSample::Glyph, &TSample::SetGlyph)
                                       .Property("OnClick", &TSample::OnClick, &TSample::SetOnClick)
                                       .Property("Checked", &TSample::FChecked, &TSample::FChecked)
                                       .Property("Small", &TSample::FSmall, &TSample::FSmall)
                                       .Property("Count", &TSample::FReadOnlyCount)
                                       .Binary("Data", &TSample::ReadData, &TSample::WriteData)
                                       .Build();
    return info;
}

// Inherits everything and adds one property.
class TDerived : public TSample {
    FW_CLASS(TDerived, TSample)
    using TSample::TSample;
    std::string FHint;
};

const TClassInfo& TDerived::StaticClass() {
    static const TClassInfo info = TClassBuilder<TDerived, TSample>("TDerived")
                                       .Property("Hint", &TDerived::FHint, &TDerived::FHint)
                                       .Build();
    return info;
}

// A form-like owner publishing a component field and an event handler.
class TOwnerForm : public TComponent {
    FW_CLASS(TOwnerForm, TComponent)
    using TComponent::TComponent;
    TSample* Button1 = nullptr;
    int Clicks = 0;
    void Button1Click(TObject*) { ++Clicks; }
};

const TClassInfo& TOwnerForm::StaticClass() {
    static const TClassInfo info = TClassBuilder<TOwnerForm, TComponent>("TOwnerForm")
                                       .Field("Button1", &TOwnerForm::Button1)
                                       .Method("Button1Click", &TOwnerForm::Button1Click)
                                       .Build();
    return info;
}

TEST(Properties, EveryKindReadsAndWritesByName) {
    TDerived sample(nullptr);
    TGlyph glyph;
    struct Case {
        const char* name;
        const char* text;
        TTypeKind kind;
    };
    const Case cases[] = {
        {"Width", "120", TTypeKind::tkInteger},
        {"Caption", "更新", TTypeKind::tkString},
        {"Kind", "bkOK", TTypeKind::tkEnumeration},
        {"Style", "[fsBold,fsUnderline]", TTypeKind::tkSet},
        {"Color", "clRed", TTypeKind::tkColor},
        {"Checked", "True", TTypeKind::tkBoolean},
        {"Name", "Button1", TTypeKind::tkString},
        {"Tag", "-5", TTypeKind::tkInteger},
        {"Hint", "inherited and added", TTypeKind::tkString},
    };
    for (const Case& c : cases) {
        const TPropInfo* info = GetPropInfo(sample, c.name);
        ASSERT_NE(info, nullptr) << c.name;
        EXPECT_EQ(info->Kind(), c.kind) << c.name;
        EXPECT_TRUE(SetPropText(sample, c.name, c.text)) << c.name;
        EXPECT_EQ(GetPropText(sample, c.name), c.text) << c.name;
    }
    EXPECT_EQ(sample.Width(), 120);
    EXPECT_EQ(sample.Kind(), TButtonKind::bkOK);
    EXPECT_EQ(sample.Style(), (TFontStyles{TFontStyle::fsBold, TFontStyle::fsUnderline}));
    EXPECT_EQ(sample.Color(), clRed);
    EXPECT_EQ(sample.Tag(), -5);

    EXPECT_EQ(GetOrdProp(sample, "Kind"), 1);
    EXPECT_EQ(GetEnumProp(sample, "checked"), "True");
    EXPECT_EQ(GetSetProp(sample, "Style"), "fsBold,fsUnderline");
    EXPECT_TRUE(SetEnumProp(sample, "Kind", "BKCANCEL"));
    EXPECT_EQ(sample.Kind(), TButtonKind::bkCancel);
    EXPECT_TRUE(SetPropText(sample, "Color", "$00FF8000"));
    EXPECT_EQ(sample.Color(), 0xFF8000);
    EXPECT_TRUE(SetPropText(sample, "Color", "clBtnFace"));
    EXPECT_EQ(GetOrdProp(sample, "Color"), static_cast<std::int32_t>(0xFF00000F));

    EXPECT_TRUE(SetObjectProp(sample, "Glyph", &glyph));
    EXPECT_EQ(GetObjectProp(sample, "Glyph"), &glyph);
    EXPECT_EQ(GetObjectProp(sample, "Glyph", &TGlyph::StaticClass()), &glyph);
    EXPECT_EQ(GetObjectProp(sample, "Glyph", &TComponent::StaticClass()), std::nullopt);
    EXPECT_THROW(SetObjectProp(sample, "Glyph", &sample), EPropertyError);
    EXPECT_EQ(GetPropInfo(sample, "Glyph")->PropClass(), &TGlyph::StaticClass());
}

TEST(Properties, MissingIsNotZero) {
    TSample sample(nullptr);
    sample.SetWidth(0);
    EXPECT_EQ(GetOrdProp(sample, "Width"), 0);
    EXPECT_EQ(GetOrdProp(sample, "Height"), std::nullopt);
    EXPECT_EQ(GetStrProp(sample, "Caption"), "");
    EXPECT_EQ(GetStrProp(sample, "Text"), std::nullopt);
    // Another kind reads as missing to the typed readers, too.
    EXPECT_EQ(GetStrProp(sample, "Width"), std::nullopt);
    EXPECT_EQ(GetOrdProp(sample, "Caption"), std::nullopt);
    EXPECT_EQ(GetEnumProp(sample, "Width"), std::nullopt);
    EXPECT_EQ(GetObjectProp(sample, "Glyph"), std::optional<TObject*>(nullptr));
    EXPECT_EQ(GetObjectProp(sample, "Font"), std::nullopt);
    EXPECT_EQ(GetPropText(sample, "Hint"), std::nullopt); // only the subclass has it
    EXPECT_FALSE(SetStrProp(sample, "Hint", "x"));
    EXPECT_FALSE(SetEnumProp(sample, "Kind", "bkNope"));
    EXPECT_FALSE(SetPropText(sample, "Width", "12px"));
    EXPECT_FALSE(SetPropText(sample, "Style", "[fsBold,fsNope]"));
    EXPECT_FALSE(SetPropText(sample, "Small", "256"));
    EXPECT_EQ(sample.FSmall, 0);
}

TEST(Properties, ReadOnlyAndRangeErrors) {
    TSample sample(nullptr);
    const TPropInfo* count = GetPropInfo(sample, "count");
    ASSERT_NE(count, nullptr);
    EXPECT_FALSE(count->IsWritable());
    EXPECT_EQ(count->GetOrd(sample), 7);
    try {
        SetOrdProp(sample, "Count", 1);
        ADD_FAILURE();
    } catch (const EPropertyError& e) {
        EXPECT_EQ(e.Message(), "Property Count is read-only");
    }
    EXPECT_THROW(SetOrdProp(sample, "Kind", 3), EPropertyError);
    EXPECT_THROW(SetOrdProp(sample, "Style", 8), EPropertyError);
    EXPECT_THROW(GetPropInfo(sample, "Width")->GetStr(sample), EPropertyError);
    EXPECT_EQ(GetPropInfo(sample, "Small")->MaxValue(), 255);
}

TEST(Properties, ListsInheritedFirstInDeclarationOrder) {
    TDerived sample(nullptr);
    std::string names;
    for (const TPropInfo* info : sample.ClassType().Properties())
        names += info->Name() + " ";
    EXPECT_EQ(names,
              "Name Tag Width Caption Kind Style Color Glyph OnClick Checked Small Count Hint ");
    EXPECT_EQ(sample.ClassName(), "TDerived");
    EXPECT_TRUE(sample.InheritsFrom(TSample::StaticClass()));
    EXPECT_FALSE(TSample::StaticClass().InheritsFrom(TDerived::StaticClass()));
}

TEST(Properties, FormsBindFieldsAndEventHandlersByName) {
    auto form = MakeComponent<TOwnerForm>();
    TSample* button = Create<TSample>(*form);
    button->SetName("Button1");
    EXPECT_EQ(form->Button1, button);

    const TMethodInfo* handler = form->ClassType().FindMethod("button1click");
    ASSERT_NE(handler, nullptr);
    EXPECT_TRUE(SetMethodProp(*button, "OnClick", handler->Bind(*form)));
    ASSERT_TRUE(button->OnClick());
    button->OnClick()(button);
    EXPECT_EQ(form->Clicks, 1);
    EXPECT_TRUE(GetMethodProp(*button, "OnClick")->has_value());
    EXPECT_TRUE(SetMethodProp(*button, "OnClick", std::any()));
    EXPECT_FALSE(GetMethodProp(*button, "OnClick")->has_value());
    EXPECT_THROW(SetMethodProp(*button, "OnClick", std::any(42)), EPropertyError);

    // Renaming or freeing the component clears the form's field.
    button->SetName("Other");
    EXPECT_EQ(form->Button1, nullptr);
    button->SetName("Button1");
    button->Free();
    EXPECT_EQ(form->Button1, nullptr);

    // A component of another class cannot land in the field.
    TComponent* plain = Create<TComponent>(*form);
    try {
        plain->SetName("Button1");
        ADD_FAILURE();
    } catch (const EComponentError& e) {
        EXPECT_EQ(e.Message(), "Field TOwnerForm.Button1 cannot hold a TComponent");
    }
    EXPECT_EQ(plain->Name(), "");
}

TEST(Properties, BinaryPropertiesAndCreationByClassName) {
    RegisterClass(TSample::StaticClass());
    RegisterClass(TSample::StaticClass());
    EXPECT_EQ(GetClass("tsample"), &TSample::StaticClass());
    EXPECT_EQ(GetClass("TNothing"), nullptr);
    try {
        FindClass("TNothing");
        ADD_FAILURE();
    } catch (const EClassNotFound& e) {
        EXPECT_EQ(e.Message(), "Class TNothing not found");
    }

    auto form = MakeComponent<TOwnerForm>();
    const TClassInfo& info = FindClass("TSample");
    ASSERT_TRUE(info.Factory());
    TComponent* made = info.Factory()(form.get());
    EXPECT_EQ(made->Owner(), form.get());
    EXPECT_EQ(made->ClassName(), "TSample");

    TMemoryStream bytes;
    bytes.WriteBuffer("\x01\x02skin", 6);
    bytes.SetPosition(0);
    const TBinaryPropInfo* data = info.FindBinaryProperty("DATA");
    ASSERT_NE(data, nullptr);
    data->Read(*made, bytes);
    EXPECT_EQ(static_cast<TSample*>(made)->FData, std::string("\x01\x02skin", 6));
    TMemoryStream written;
    data->Write(*made, written);
    EXPECT_EQ(written.Size(), 6);
    UnRegisterClass(TSample::StaticClass());
    EXPECT_EQ(GetClass("TSample"), nullptr);
}

} // namespace
} // namespace fw

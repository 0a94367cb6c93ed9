#include "GuiTestSupport.h"

#include "framework/ClassBuilder.h"
#include "framework/ClassRegistry.h"
#include "framework/Stream.h"
#include "framework/TypInfo.h"

namespace fw::test {

const TClassInfo& TBlobHolder::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TBlobHolder, TComponent>("TBlobHolder")
            .Binary("Data", &TBlobHolder::ReadData, &TBlobHolder::WriteData)
            .Property("Peer", &TBlobHolder::Peer, &TBlobHolder::SetPeer)
            .Build();
    return info;
}

void TBlobHolder::ReadData(TStream& stream) {
    FData.assign(static_cast<std::size_t>(stream.Size() - stream.Position()), '\0');
    stream.ReadBuffer(FData.data(), static_cast<std::int64_t>(FData.size()));
}

void TBlobHolder::WriteData(TStream& stream) const {
    stream.WriteBuffer(FData.data(), static_cast<std::int64_t>(FData.size()));
}

void TBlobHolder::Loaded() {
    TComponent::Loaded();
    ++LoadedCalls;
    for (int i = 0; i < Owner()->ComponentCount(); ++i)
        if (auto* other = dynamic_cast<TBlobHolder*>(Owner()->Components(i));
            other && other != this)
            SiblingDataAtLoaded = other->Data();
}

const TClassInfo& TTestForm::StaticClass() {
    static const TClassInfo info = TClassBuilder<TTestForm, TForm>("TTestForm")
                                       .Field("Label1", &TTestForm::Label1)
                                       .Field("Edit1", &TTestForm::Edit1)
                                       .Field("Button1", &TTestForm::Button1)
                                       .Field("Panel1", &TTestForm::Panel1)
                                       .Field("List1", &TTestForm::List1)
                                       .Field("Combo1", &TTestForm::Combo1)
                                       .Field("Memo1", &TTestForm::Memo1)
                                       .Field("Check1", &TTestForm::Check1)
                                       .Field("Image1", &TTestForm::Image1)
                                       .Field("Timer1", &TTestForm::Timer1)
                                       .Field("Blob1", &TTestForm::Blob1)
                                       .Field("Blob2", &TTestForm::Blob2)
                                       .Field("Images1", &TTestForm::Images1)
                                       .Field("MainMenu1", &TTestForm::MainMenu1)
                                       .Field("PopupMenu1", &TTestForm::PopupMenu1)
                                       .Method("FormCreate", &TTestForm::FormCreate)
                                       .Method("Button1Click", &TTestForm::Button1Click)
                                       .Method("List1Click", &TTestForm::List1Click)
                                       .Method("Timer1Timer", &TTestForm::Timer1Timer)
                                       .Method("Image1Click", &TTestForm::Image1Click)
                                       .Method("MenuItemClick", &TTestForm::MenuItemClick)
                                       .Method("Pages1Change", &TTestForm::Pages1Change)
                                       .Build();
    return info;
}

void TTestForm::FormCreate(TObject*) {
    events.push_back("FormCreate");
}

void TTestForm::Button1Click(TObject*) {
    events.push_back("Button1Click");
    if (!failWith.empty())
        throw Exception(failWith);
}

void TTestForm::List1Click(TObject*) {
    events.push_back("List1Click " + List1->Items()->Strings(List1->ItemIndex()));
}

void TTestForm::Timer1Timer(TObject*) {
    events.push_back("Timer1Timer");
}

void TTestForm::Image1Click(TObject*) {
    events.push_back("Image1Click");
}

void TTestForm::MenuItemClick(TObject* sender) {
    events.push_back("MenuItemClick " + dynamic_cast<TComponent&>(*sender).Name());
}

void TTestForm::Pages1Change(TObject* sender) {
    events.push_back("Pages1Change " + GetPropText(*sender, "ActivePageIndex").value_or("?"));
}

void GuiTest::SetUp() {
    display = &win::headless::TestDisplay::Install();
    RegisterClass(TBlobHolder::StaticClass());
    previousBox = SetMessageBoxFunction(
        [this](const std::string& text, const std::string& caption, unsigned flags) {
            boxes.push_back({text, caption, flags});
            return IDOK;
        });
    Application().SetTitle("Telvora");
}

void GuiTest::TearDown() {
    if (form)
        form->Free();
    display->Run();
    SetMessageBoxFunction(std::move(previousBox));
}

TTestForm& GuiTest::ShowTestForm() {
    form = NewForm<TTestForm>(nullptr);
    form->Show();
    display->Run();
    return *form;
}

win::POINT GuiTest::At(TWinControl& control, int x, int y) {
    win::POINT point{x, y};
    win::ClientToScreen(control.Handle(), &point);
    return point;
}

win::POINT GuiTest::At(TControl& control, int x, int y) {
    return At(*control.Parent(), control.Left() + x, control.Top() + y);
}

} // namespace fw::test

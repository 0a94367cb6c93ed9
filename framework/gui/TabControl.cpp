#include "framework/gui/TabControl.h"

#include "framework/ClassBuilder.h"

namespace fw {

const TClassInfo& TTabStrings::StaticClass() {
    static const TClassInfo info = TClassBuilder<TTabStrings, TStrings>("TTabStrings").Build();
    return info;
}

const TClassInfo& TTabControl::StaticClass() {
    static const TClassInfo info = TClassBuilder<TTabControl, TCustomTabControl>("TTabControl")
                                       .Property("Tabs", &TTabControl::Tabs, &TTabControl::SetTabs)
                                       .Build();
    return info;
}

void TTabStrings::CheckIndex(int index, int count) const {
    if (index < 0 || index >= count)
        throw CreateFmt<EStringListError>("List index out of bounds (%d)", index);
}

int TTabStrings::Count() const {
    return FControl.TabCount();
}

std::string TTabStrings::Strings(int index) const {
    CheckIndex(index, Count());
    return FControl.TabText(index);
}

void TTabStrings::SetStrings(int index, const std::string& s) {
    CheckIndex(index, Count());
    FControl.SetTabText(index, s);
}

void TTabStrings::Insert(int index, std::string s) {
    CheckIndex(index, Count() + 1);
    FControl.InsertTab(index, s);
}

void TTabStrings::Delete(int index) {
    CheckIndex(index, Count());
    FControl.DeleteTab(index);
}

void TTabStrings::Clear() {
    FControl.ClearTabs();
}

TTabControl::TTabControl(TComponent* owner)
    : TCustomTabControl(owner), FTabs(std::make_unique<TTabStrings>(*this)) {}

TTabControl::~TTabControl() = default;

void TTabControl::SetTabs(TStrings* tabs) {
    if (tabs)
        FTabs->Assign(*tabs);
}

} // namespace fw

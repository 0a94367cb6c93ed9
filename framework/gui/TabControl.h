#pragma once
// A tab control: a row of tabs without pages, its texts in Tabs; the program
// shows what the current tab (TabIndex) stands for, in DisplayRect.

#include "framework/Strings.h"
#include "framework/gui/CustomTabControl.h"

#include <memory>

namespace fw {

class TTabControl;

// The texts of a tab control's tabs; each change goes to its window at once.
class TTabStrings : public TStrings {
    FW_CLASS(TTabStrings, TStrings)

    explicit TTabStrings(TTabControl& control) : FControl(control) {}

    int Count() const override;
    std::string Strings(int index) const override;
    void SetStrings(int index, const std::string& s) override;
    void Insert(int index, std::string s) override;
    void Delete(int index) override;
    void Clear() override;

private:
    void CheckIndex(int index, int count) const;

    TTabControl& FControl;
};

class TTabControl : public TCustomTabControl {
    FW_CLASS(TTabControl, TCustomTabControl)

    explicit TTabControl(TComponent* owner);
    ~TTabControl() override;

    TStrings* Tabs() const { return FTabs.get(); }
    void SetTabs(TStrings* tabs);

private:
    std::unique_ptr<TTabStrings> FTabs;

    friend class TTabStrings;
};

} // namespace fw

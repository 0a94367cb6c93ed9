#pragma once
// What page controls and tab controls share: a row of tabs on the platform's
// SysTabControl32 class with its look (Style, TabPosition), the current tab
// (TabIndex), the area under the tabs (DisplayRect) in which the children are
// laid out, and OnChanging/OnChange from the window's TCN_ notifications.
// The tab texts are kept here too, so they survive the window.

#include "framework/gui/WinControl.h"

#include <string>
#include <vector>

namespace fw {

enum class TTabStyle { tsTabs, tsButtons, tsFlatButtons };
FW_ENUM_NAMES(TTabStyle, "tsTabs", "tsButtons", "tsFlatButtons");

enum class TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
FW_ENUM_NAMES(TTabPosition, "tpTop", "tpBottom", "tpLeft", "tpRight");

using TTabChangingEvent = std::function<void(TObject* sender, bool& allowChange)>;

class TCustomTabControl : public TWinControl {
    FW_CLASS(TCustomTabControl, TWinControl)

    explicit TCustomTabControl(TComponent* owner);

    TTabStyle Style() const { return FStyle; }
    void SetStyle(TTabStyle style);
    TTabPosition TabPosition() const { return FTabPosition; }
    void SetTabPosition(TTabPosition position);
    // The current tab, -1 for none. Setting it does not raise OnChanging or OnChange.
    int TabIndex() const;
    void SetTabIndex(int index);
    // The client area less the tabs and the page frame, in client coordinates.
    win::RECT DisplayRect();

    TTabChangingEvent OnChanging;
    TNotifyEvent OnChange;

protected:
    int TabCount() const { return static_cast<int>(FTabs.size()); }
    const std::string& TabText(int index) const { return FTabs.at(static_cast<size_t>(index)); }
    void InsertTab(int index, const std::string& text);
    void DeleteTab(int index);
    void SetTabText(int index, const std::string& text);
    void ClearTabs();

    // Asked before the user moves to another tab; false keeps the current one.
    virtual bool CanChange();
    // After the user moved to another tab.
    virtual void Change();

    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;
    void FontChanged() override;
    void AlignControls(win::RECT& rect) override;

private:
    void SendTab(win::UINT message, int index, const std::string& text);

    std::vector<std::string> FTabs;
    int FTabIndex = -1;
    TTabStyle FStyle = TTabStyle::tsTabs;
    TTabPosition FTabPosition = TTabPosition::tpTop;
};

} // namespace fw

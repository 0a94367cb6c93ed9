#pragma once
// A page control: a tab row over a stack of pages (TTabSheet), each page a
// windowed container laid over the display area, only the active one shown.
// A page's Caption is its tab's text; pages with TabVisible off keep their
// place in Pages but have no tab. Pages join a page control by being made its
// children (as a definition does by declaring them inside it).

#include "framework/gui/CustomTabControl.h"

#include <vector>

namespace fw {

class TPageControl;

class TTabSheet : public TWinControl {
    FW_CLASS(TTabSheet, TWinControl)

    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;

    TPageControl* PageControl() const { return FPageControl; }
    void SetPageControl(TPageControl* pageControl);
    // Place among the page control's pages.
    int PageIndex() const;
    void SetPageIndex(int index);
    bool TabVisible() const { return FTabVisible; }
    void SetTabVisible(bool visible);
    // Index of the page's tab, -1 while it has none.
    int TabIndex() const;

    void SetParent(TWinControl* parent) override;

protected:
    void SetTextBuf(const std::string& text) override;

private:
    TPageControl* FPageControl = nullptr;
    bool FTabVisible = true;

    friend class TPageControl;
};

class TPageControl : public TCustomTabControl {
    FW_CLASS(TPageControl, TCustomTabControl)

    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;

    int PageCount() const { return static_cast<int>(FPages.size()); }
    TTabSheet* Pages(int index) const;
    TTabSheet* ActivePage() const { return FActivePage; }
    // Shows the page and selects its tab; a page of another control is refused.
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);

protected:
    void Change() override;
    void AlignControls(win::RECT& rect) override;

private:
    void InsertPage(TTabSheet& page);
    void RemovePage(TTabSheet& page);
    void MovePage(TTabSheet& page, int index);
    void PageCaptionChanged(const TTabSheet& page);
    // Rebuilds the tab row from the pages whose tabs are visible.
    void UpdateTabs();
    int TabIndexOf(const TTabSheet& page) const;
    void ShowActivePage();

    std::vector<TTabSheet*> FPages;
    TTabSheet* FActivePage = nullptr;

    friend class TTabSheet;
};

} // namespace fw

#include "framework/gui/PageControl.h"

#include "framework/ClassBuilder.h"

#include <algorithm>

namespace fw {

const TClassInfo& TTabSheet::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TTabSheet, TWinControl>("TTabSheet")
            .Property("Caption", &TTabSheet::Caption, &TTabSheet::SetCaption)
            .Property("PageIndex", &TTabSheet::PageIndex, &TTabSheet::SetPageIndex)
            .Property("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible)
            .Property("TabIndex", &TTabSheet::TabIndex)
            .Build();
    return info;
}

const TClassInfo& TPageControl::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TPageControl, TCustomTabControl>("TPageControl")
            .Property("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage)
            .Property("ActivePageIndex", &TPageControl::ActivePageIndex,
                      &TPageControl::SetActivePageIndex)
            .Property("PageCount", &TPageControl::PageCount)
            .Build();
    return info;
}

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
    // Hidden until its page control makes it the active page.
    SetVisible(false);
    SetColor(clBtnFace);
}

TTabSheet::~TTabSheet() {
    if (FPageControl)
        FPageControl->RemovePage(*this);
}

void TTabSheet::SetPageControl(TPageControl* pageControl) {
    SetParent(pageControl);
}

int TTabSheet::PageIndex() const {
    if (!FPageControl)
        return -1;
    const auto& pages = FPageControl->FPages;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int index) {
    if (FPageControl)
        FPageControl->MovePage(*this, index);
}

void TTabSheet::SetTabVisible(bool visible) {
    if (visible == FTabVisible)
        return;
    FTabVisible = visible;
    if (FPageControl)
        FPageControl->UpdateTabs();
}

int TTabSheet::TabIndex() const {
    return FPageControl ? FPageControl->TabIndexOf(*this) : -1;
}

void TTabSheet::SetParent(TWinControl* parent) {
    if (parent == Parent())
        return;
    if (FPageControl)
        FPageControl->RemovePage(*this);
    TWinControl::SetParent(parent);
    if (auto* pageControl = dynamic_cast<TPageControl*>(parent))
        pageControl->InsertPage(*this);
}

void TTabSheet::SetTextBuf(const std::string& text) {
    TWinControl::SetTextBuf(text);
    if (FPageControl)
        FPageControl->PageCaptionChanged(*this);
}

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {}

TPageControl::~TPageControl() {
    // The pages are freed with the children by the base class, after this part is gone.
    for (TTabSheet* page : FPages)
        page->FPageControl = nullptr;
}

TTabSheet* TPageControl::Pages(int index) const {
    if (index < 0 || index >= PageCount())
        RaiseFmt<EListError>("List index out of bounds (%d)", index);
    return FPages[static_cast<size_t>(index)];
}

int TPageControl::TabIndexOf(const TTabSheet& page) const {
    if (!page.FTabVisible)
        return -1;
    int index = 0;
    for (const TTabSheet* each : FPages) {
        if (each == &page)
            return index;
        index += each->FTabVisible ? 1 : 0;
    }
    return -1;
}

int TPageControl::ActivePageIndex() const {
    return FActivePage ? FActivePage->PageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int index) {
    SetActivePage(index >= 0 && index < PageCount() ? FPages[static_cast<size_t>(index)] : nullptr);
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page && page->FPageControl != this)
        return;
    FActivePage = page;
    SetTabIndex(page ? TabIndexOf(*page) : -1);
    ShowActivePage();
}

void TPageControl::ShowActivePage() {
    // The new page shows before the old one hides, so nothing behind them flashes.
    if (FActivePage) {
        FActivePage->SetVisible(true);
        FActivePage->BringToFront();
    }
    for (TTabSheet* page : FPages)
        if (page != FActivePage)
            page->SetVisible(false);
}

void TPageControl::Change() {
    const int tab = TabIndex();
    for (TTabSheet* page : FPages)
        if (TabIndexOf(*page) == tab && tab >= 0) {
            FActivePage = page;
            ShowActivePage();
            break;
        }
    TCustomTabControl::Change();
}

void TPageControl::InsertPage(TTabSheet& page) {
    FPages.push_back(&page);
    page.FPageControl = this;
    UpdateTabs();
    Realign();
    // A page control always shows a page while it has one.
    if (!FActivePage)
        SetActivePage(&page);
}

void TPageControl::RemovePage(TTabSheet& page) {
    const auto found = std::find(FPages.begin(), FPages.end(), &page);
    if (found == FPages.end())
        return;
    const auto at = found - FPages.begin();
    FPages.erase(found);
    page.FPageControl = nullptr;
    if (FActivePage == &page)
        FActivePage =
            FPages.empty() ? nullptr : FPages[std::min(static_cast<size_t>(at), FPages.size() - 1)];
    UpdateTabs();
    ShowActivePage();
}

void TPageControl::MovePage(TTabSheet& page, int index) {
    const auto found = std::find(FPages.begin(), FPages.end(), &page);
    if (found == FPages.end())
        return;
    FPages.erase(found);
    index = std::clamp(index, 0, PageCount());
    FPages.insert(FPages.begin() + index, &page);
    UpdateTabs();
}

void TPageControl::PageCaptionChanged(const TTabSheet& page) {
    const int tab = TabIndexOf(page);
    if (tab >= 0)
        SetTabText(tab, page.Caption());
}

void TPageControl::UpdateTabs() {
    ClearTabs();
    for (const TTabSheet* page : FPages)
        if (page->FTabVisible)
            InsertTab(TabCount(), page->Caption());
    SetTabIndex(FActivePage ? TabIndexOf(*FActivePage) : -1);
}

void TPageControl::AlignControls(win::RECT& rect) {
    TCustomTabControl::AlignControls(rect);
    for (TTabSheet* page : FPages)
        page->SetBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

} // namespace fw

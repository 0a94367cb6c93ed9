#pragma once
// A status bar on the platform's msctls_statusbar32 class: a row of panels with
// their widths and texts, or one simple text across the whole bar.

#include "framework/Collection.h"
#include "framework/gui/WinControl.h"

#include <memory>

namespace fw {

class TStatusBar;

class TStatusPanel : public TCollectionItem {
    FW_CLASS(TStatusPanel, TCollectionItem)

    explicit TStatusPanel(TCollection* collection) : TCollectionItem(collection) {}

    const std::string& Text() const { return FText; }
    void SetText(const std::string& text);
    int Width() const { return FWidth; }
    void SetWidth(int width);

private:
    std::string FText;
    int FWidth = 50;
};

class TStatusPanels : public TCollection {
    FW_CLASS(TStatusPanels, TCollection)

    explicit TStatusPanels(TStatusBar& bar);

    TStatusPanel* Items(int index) const {
        return static_cast<TStatusPanel*>(TCollection::Items(index));
    }

protected:
    void Update(TCollectionItem* item) override;

private:
    TStatusBar& FBar;
};

class TStatusBar : public TWinControl {
    FW_CLASS(TStatusBar, TWinControl)

    explicit TStatusBar(TComponent* owner);
    ~TStatusBar() override;

    TStatusPanels* Panels() const { return FPanels.get(); }
    void SetPanels(TStatusPanels* panels);
    const std::string& SimpleText() const { return FSimpleText; }
    void SetSimpleText(const std::string& text);
    bool SimplePanel() const { return FSimplePanel; }
    void SetSimplePanel(bool simple);

    // Gives the window the panels' widths and texts.
    void UpdatePanels();

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;

private:
    std::unique_ptr<TStatusPanels> FPanels;
    std::string FSimpleText;
    bool FSimplePanel = false;
};

} // namespace fw

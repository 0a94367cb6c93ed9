#pragma once
// A status bar on the platform's msctls_statusbar32 class: a row of panels with
// their widths, texts, bevels and alignments (or panels drawn by OnDrawPanel),
// or one simple text across the whole bar. TCustomStatusBar does the work;
// TStatusBar publishes it.

#include "framework/Collection.h"
#include "framework/gui/Canvas.h"
#include "framework/gui/WinControl.h"
#include "platform/user/controls/StandardControls.h"

#include <memory>

namespace fw {

class TCustomStatusBar;

enum class TStatusPanelBevel { pbNone, pbLowered, pbRaised };
FW_ENUM_NAMES(TStatusPanelBevel, "pbNone", "pbLowered", "pbRaised");

enum class TStatusPanelStyle { psText, psOwnerDraw };
FW_ENUM_NAMES(TStatusPanelStyle, "psText", "psOwnerDraw");

class TStatusPanel : public TCollectionItem {
    FW_CLASS(TStatusPanel, TCollectionItem)

    explicit TStatusPanel(TCollection* collection) : TCollectionItem(collection) {}

    const std::string& Text() const { return FText; }
    void SetText(const std::string& text);
    int Width() const { return FWidth; }
    void SetWidth(int width);
    TStatusPanelBevel Bevel() const { return FBevel; }
    void SetBevel(TStatusPanelBevel bevel);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment alignment);
    // psOwnerDraw panels are drawn by the bar's OnDrawPanel.
    TStatusPanelStyle Style() const { return FStyle; }
    void SetStyle(TStatusPanelStyle style);

private:
    std::string FText;
    int FWidth = 50;
    TStatusPanelBevel FBevel = TStatusPanelBevel::pbLowered;
    TAlignment FAlignment = TAlignment::taLeftJustify;
    TStatusPanelStyle FStyle = TStatusPanelStyle::psText;
};

class TStatusPanels : public TCollection {
    FW_CLASS(TStatusPanels, TCollection)

    explicit TStatusPanels(TCustomStatusBar& bar);

    TStatusPanel* Items(int index) const {
        return static_cast<TStatusPanel*>(TCollection::Items(index));
    }

protected:
    void Update(TCollectionItem* item) override;

private:
    TCustomStatusBar& FBar;
};

using TDrawPanelEvent =
    std::function<void(TCustomStatusBar* bar, TStatusPanel* panel, const win::RECT& rect)>;

class TCustomStatusBar : public TWinControl {
    FW_CLASS(TCustomStatusBar, TWinControl)

    explicit TCustomStatusBar(TComponent* owner);
    ~TCustomStatusBar() override;

    TStatusPanels* Panels() const { return FPanels.get(); }
    void SetPanels(TStatusPanels* panels);
    const std::string& SimpleText() const { return FSimpleText; }
    void SetSimpleText(const std::string& text);
    bool SimplePanel() const { return FSimplePanel; }
    void SetSimplePanel(bool simple);
    // Where OnDrawPanel draws, on the DC the bar hands over.
    TCanvas* Canvas() const { return FCanvas.get(); }

    // Gives the window the panels' widths, texts and looks.
    void UpdatePanels();

    TDrawPanelEvent OnDrawPanel;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;

private:
    void DrawPanel(const win::DRAWITEMSTRUCT& item);

    std::unique_ptr<TStatusPanels> FPanels;
    std::string FSimpleText;
    bool FSimplePanel = false;
    std::unique_ptr<TCanvas> FCanvas;
};

class TStatusBar : public TCustomStatusBar {
    FW_CLASS(TStatusBar, TCustomStatusBar)

    explicit TStatusBar(TComponent* owner) : TCustomStatusBar(owner) {}
};

} // namespace fw

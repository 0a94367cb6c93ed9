#pragma once
// A header control on the platform's SysHeader32 class: a row of sections with
// their texts, widths and alignment. Clicking a section and dragging a divider
// come back here through CN_NOTIFY (HDN_*) as OnSectionClick, OnSectionTrack
// and OnSectionResize; a drag keeps each section within MinWidth..MaxWidth.

#include "framework/Collection.h"
#include "framework/gui/Label.h"
#include "framework/gui/WinControl.h"

#include <algorithm>
#include <memory>

namespace fw {

class THeaderControl;

class THeaderSection : public TCollectionItem {
    FW_CLASS(THeaderSection, TCollectionItem)

    // Joins the collection only once whole, as joining updates the window from it.
    explicit THeaderSection(TCollection* collection) : TCollectionItem(nullptr) {
        SetCollection(collection);
    }

    const std::string& Text() const { return FText; }
    void SetText(const std::string& text);
    int Width() const { return FWidth; }
    // Kept within MinWidth..MaxWidth.
    void SetWidth(int width);
    int MinWidth() const { return FMinWidth; }
    void SetMinWidth(int width);
    int MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int width);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment alignment);
    bool AllowClick() const { return FAllowClick; }
    void SetAllowClick(bool allow) { FAllowClick = allow; }
    // Left and right edge in the control, from the widths of the sections before.
    int Left() const;
    int Right() const { return Left() + FWidth; }

    void Assign(const TPersistent& source) override;

private:
    friend class THeaderControl;
    int Clamped(int width) const { return std::max(FMinWidth, std::min(width, FMaxWidth)); }

    std::string FText;
    int FWidth = 50;
    int FMinWidth = 0;
    int FMaxWidth = 10000;
    TAlignment FAlignment = TAlignment::taLeftJustify;
    bool FAllowClick = true;
};

class THeaderSections : public TCollection {
    FW_CLASS(THeaderSections, TCollection)

    explicit THeaderSections(THeaderControl& header);

    THeaderSection* Items(int index) const {
        return static_cast<THeaderSection*>(TCollection::Items(index));
    }
    THeaderSection* Add() { return static_cast<THeaderSection*>(TCollection::Add()); }

protected:
    void Update(TCollectionItem* item) override;

private:
    THeaderControl& FHeader;
};

enum class THeaderStyle { hsButtons, hsFlat };
FW_ENUM_NAMES(THeaderStyle, "hsButtons", "hsFlat");

enum class TSectionTrackState { tsTrackBegin, tsTrackMove, tsTrackEnd };
FW_ENUM_NAMES(TSectionTrackState, "tsTrackBegin", "tsTrackMove", "tsTrackEnd");

using TSectionNotifyEvent = std::function<void(TObject* sender, THeaderSection* section)>;
using TSectionTrackEvent = std::function<void(TObject* sender, THeaderSection* section, int& width,
                                              TSectionTrackState state)>;

class THeaderControl : public TWinControl {
    FW_CLASS(THeaderControl, TWinControl)

    explicit THeaderControl(TComponent* owner);
    ~THeaderControl() override;

    THeaderSections* Sections() const { return FSections.get(); }
    void SetSections(THeaderSections* sections);
    THeaderStyle Style() const { return FStyle; }
    void SetStyle(THeaderStyle style);

    // Gives the window the sections' texts, widths and alignment.
    void UpdateSections();

    TSectionNotifyEvent OnSectionClick;
    TSectionNotifyEvent OnSectionResize;
    TSectionTrackEvent OnSectionTrack;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
    virtual void SectionClick(THeaderSection& section);
    virtual void SectionResize(THeaderSection& section);
    virtual void SectionTrack(THeaderSection& section, int& width, TSectionTrackState state);

private:
    void Notify(TMessage& message);
    THeaderSection* SectionOf(int index) const;

    std::unique_ptr<THeaderSections> FSections;
    THeaderStyle FStyle = THeaderStyle::hsButtons;
};

} // namespace fw

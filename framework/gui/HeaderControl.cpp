#include "framework/gui/HeaderControl.h"

#include "framework/ClassBuilder.h"
#include "platform/user/controls/CommCtrl.h"

namespace fw {

const TClassInfo& THeaderSection::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<THeaderSection, TCollectionItem>("THeaderSection")
            .Property("Text", &THeaderSection::Text, &THeaderSection::SetText)
            .Property("Width", &THeaderSection::Width, &THeaderSection::SetWidth)
            .Property("MinWidth", &THeaderSection::MinWidth, &THeaderSection::SetMinWidth)
            .Property("MaxWidth", &THeaderSection::MaxWidth, &THeaderSection::SetMaxWidth)
            .Property("Alignment", &THeaderSection::Alignment, &THeaderSection::SetAlignment)
            .Property("AllowClick", &THeaderSection::AllowClick, &THeaderSection::SetAllowClick)
            .Build();
    return info;
}

const TClassInfo& THeaderSections::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<THeaderSections, TCollection>("THeaderSections").Build();
    return info;
}

const TClassInfo& THeaderControl::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<THeaderControl, TWinControl>("THeaderControl")
            .Property("Sections", &THeaderControl::Sections, &THeaderControl::SetSections)
            .Property("Style", &THeaderControl::Style, &THeaderControl::SetStyle)
            .Property("OnSectionClick", &THeaderControl::OnSectionClick,
                      &THeaderControl::OnSectionClick)
            .Property("OnSectionResize", &THeaderControl::OnSectionResize,
                      &THeaderControl::OnSectionResize)
            .Property("OnSectionTrack", &THeaderControl::OnSectionTrack,
                      &THeaderControl::OnSectionTrack)
            .Build();
    return info;
}

void THeaderSection::SetText(const std::string& text) {
    if (text == FText)
        return;
    FText = text;
    Changed(false);
}

void THeaderSection::SetWidth(int width) {
    width = Clamped(width);
    if (width == FWidth)
        return;
    FWidth = width;
    Changed(true);
}

void THeaderSection::SetMinWidth(int width) {
    FMinWidth = std::max(0, width);
    FMaxWidth = std::max(FMaxWidth, FMinWidth);
    SetWidth(FWidth);
}

void THeaderSection::SetMaxWidth(int width) {
    FMaxWidth = std::max(0, width);
    FMinWidth = std::min(FMinWidth, FMaxWidth);
    SetWidth(FWidth);
}

void THeaderSection::SetAlignment(TAlignment alignment) {
    if (alignment == FAlignment)
        return;
    FAlignment = alignment;
    Changed(false);
}

int THeaderSection::Left() const {
    int left = 0;
    if (const auto* sections = static_cast<const THeaderSections*>(Collection()))
        for (int i = 0; i < Index(); ++i)
            left += sections->Items(i)->Width();
    return left;
}

void THeaderSection::Assign(const TPersistent& source) {
    const auto* other = dynamic_cast<const THeaderSection*>(&source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    FText = other->FText;
    FMinWidth = other->FMinWidth;
    FMaxWidth = other->FMaxWidth;
    FWidth = other->FWidth;
    FAlignment = other->FAlignment;
    FAllowClick = other->FAllowClick;
    Changed(false);
}

THeaderSections::THeaderSections(THeaderControl& header)
    : TCollection(ItemFactory<THeaderSection>(), &header), FHeader(header) {}

void THeaderSections::Update(TCollectionItem*) {
    FHeader.UpdateSections();
}

THeaderControl::THeaderControl(TComponent* owner)
    : TWinControl(owner), FSections(std::make_unique<THeaderSections>(*this)) {
    SetBounds(0, 0, 250, 17);
    SetAlign(TAlign::alTop);
    SetColor(clBtnFace);
    // The window reports clicks per section.
    SetMouseClicks(false);
}

THeaderControl::~THeaderControl() = default;

void THeaderControl::SetSections(THeaderSections* sections) {
    if (sections)
        FSections->Assign(*sections);
}

void THeaderControl::SetStyle(THeaderStyle style) {
    if (style == FStyle)
        return;
    FStyle = style;
    RecreateWnd();
}

void THeaderControl::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = win::WC_HEADER;
    params.Style |= win::HDS_BUTTONS;
    if (FStyle == THeaderStyle::hsFlat)
        params.Style |= win::HDS_FLAT;
}

void THeaderControl::CreateWnd() {
    TWinControl::CreateWnd();
    UpdateSections();
}

void THeaderControl::UpdateSections() {
    if (!HandleAllocated())
        return;
    win::HWND hwnd = Handle();
    while (win::SendMessage(hwnd, win::HDM_DELETEITEM, 0, 0))
        ;
    for (int i = 0; i < FSections->Count(); ++i) {
        const THeaderSection& section = *FSections->Items(i);
        win::HDITEM item;
        item.mask = win::HDI_TEXT | win::HDI_WIDTH | win::HDI_FORMAT;
        item.pszText = const_cast<char*>(section.Text().c_str());
        item.cxy = section.Width();
        switch (section.Alignment()) {
        case TAlignment::taLeftJustify:
            item.fmt = win::HDF_LEFT;
            break;
        case TAlignment::taRightJustify:
            item.fmt = win::HDF_RIGHT;
            break;
        case TAlignment::taCenter:
            item.fmt = win::HDF_CENTER;
            break;
        }
        win::SendMessage(hwnd, win::HDM_INSERTITEM, static_cast<win::WPARAM>(i),
                         reinterpret_cast<win::LPARAM>(&item));
    }
}

THeaderSection* THeaderControl::SectionOf(int index) const {
    return index >= 0 && index < FSections->Count() ? FSections->Items(index) : nullptr;
}

void THeaderControl::WndProc(TMessage& message) {
    if (message.Msg == CN_NOTIFY) {
        Notify(message);
        return;
    }
    TWinControl::WndProc(message);
}

void THeaderControl::Notify(TMessage& message) {
    auto* notice = reinterpret_cast<win::NMHEADER*>(message.LParam);
    message.Result = 0;
    THeaderSection* section = SectionOf(notice->iItem);
    if (!section)
        return;
    win::HDITEM* item = notice->pitem;
    const bool hasWidth = item && (item->mask & win::HDI_WIDTH);
    switch (notice->hdr.code) {
    case win::HDN_ITEMCLICK:
        if (section->AllowClick())
            SectionClick(*section);
        break;
    case win::HDN_BEGINTRACK:
    case win::HDN_TRACK:
    case win::HDN_ENDTRACK: {
        if (!hasWidth)
            break;
        const TSectionTrackState state =
            notice->hdr.code == win::HDN_BEGINTRACK ? TSectionTrackState::tsTrackBegin
            : notice->hdr.code == win::HDN_TRACK    ? TSectionTrackState::tsTrackMove
                                                    : TSectionTrackState::tsTrackEnd;
        int width = section->Clamped(item->cxy);
        SectionTrack(*section, width, state);
        // The window takes the width back from a move.
        item->cxy = section->Clamped(width);
        break;
    }
    case win::HDN_ITEMCHANGING:
        if (hasWidth)
            item->cxy = section->Clamped(item->cxy);
        break;
    case win::HDN_ITEMCHANGED:
        if (hasWidth && item->cxy != section->FWidth) {
            // The window has the width already: no round trip through UpdateSections.
            section->FWidth = item->cxy;
            SectionResize(*section);
        }
        break;
    default:
        break;
    }
}

void THeaderControl::SectionClick(THeaderSection& section) {
    if (OnSectionClick)
        OnSectionClick(this, &section);
}

void THeaderControl::SectionResize(THeaderSection& section) {
    if (OnSectionResize)
        OnSectionResize(this, &section);
}

void THeaderControl::SectionTrack(THeaderSection& section, int& width, TSectionTrackState state) {
    if (OnSectionTrack)
        OnSectionTrack(this, &section, width, state);
}

} // namespace fw

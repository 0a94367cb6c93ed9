#include "framework/gui/Edit.h"

#include "framework/ClassBuilder.h"
#include "framework/gui/MemoStrings.h"
#include "platform/user/controls/StandardControls.h"

namespace fw {

const TClassInfo& TCustomEdit::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TCustomEdit, TWinControl>("TCustomEdit")
            .Property("BorderStyle", &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle)
            .Property("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly)
            .Property("HideSelection", &TCustomEdit::HideSelection, &TCustomEdit::SetHideSelection)
            .Property("OnChange", &TCustomEdit::OnChange, &TCustomEdit::SetOnChange)
            .Build();
    return info;
}

const TClassInfo& TEdit::StaticClass() {
    static const TClassInfo info = TClassBuilder<TEdit, TCustomEdit>("TEdit").Build();
    return info;
}

const TClassInfo& TCustomMemo::StaticClass() {
    static const TClassInfo info = TClassBuilder<TCustomMemo, TCustomEdit>("TCustomMemo").Build();
    return info;
}

const TClassInfo& TMemo::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TMemo, TCustomMemo>("TMemo")
            .Property("Lines", &TMemo::Lines, &TMemo::SetLines)
            .Property("ScrollBars", &TMemo::ScrollBars, &TMemo::SetScrollBars)
            .Property("WordWrap", &TMemo::WordWrap, &TMemo::SetWordWrap)
            .Build();
    return info;
}

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 121, 21);
    SetTabStop(true);
}

void TCustomEdit::SetBorderStyle(TBorderStyle style) {
    if (style == FBorderStyle)
        return;
    FBorderStyle = style;
    RecreateWnd();
}

void TCustomEdit::SetReadOnly(bool readOnly) {
    FReadOnly = readOnly;
    if (HandleAllocated())
        win::SendMessage(Handle(), win::EM_SETREADONLY, readOnly, 0);
}

void TCustomEdit::SetHideSelection(bool hideSelection) {
    if (hideSelection == FHideSelection)
        return;
    FHideSelection = hideSelection;
    RecreateWnd();
}

int TCustomEdit::SelStart() {
    win::DWORD start = 0;
    win::SendMessage(Handle(), win::EM_GETSEL, win::WPARAM(&start), 0);
    return int(start);
}

void TCustomEdit::SetSelStart(int start) {
    win::SendMessage(Handle(), win::EM_SETSEL, win::WPARAM(start), win::LPARAM(start));
}

int TCustomEdit::SelLength() {
    win::DWORD start = 0;
    win::DWORD end = 0;
    win::SendMessage(Handle(), win::EM_GETSEL, win::WPARAM(&start), win::LPARAM(&end));
    return int(end - start);
}

void TCustomEdit::SetSelLength(int length) {
    const int start = SelStart();
    win::SendMessage(Handle(), win::EM_SETSEL, win::WPARAM(start), win::LPARAM(start + length));
}

void TCustomEdit::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = win::WC_EDIT;
    if (FBorderStyle == TBorderStyle::bsSingle)
        params.ExStyle |= win::WS_EX_CLIENTEDGE;
    if (FReadOnly)
        params.Style |= win::ES_READONLY;
    if (!FHideSelection)
        params.Style |= win::ES_NOHIDESEL;
}

void TCustomEdit::WndProc(TMessage& message) {
    if (message.Msg == CN_COMMAND && (message.WParam >> 16) == win::EN_CHANGE) {
        if (FOnChange)
            FOnChange(this);
        return;
    }
    TWinControl::WndProc(message);
}

TEdit::TEdit(TComponent* owner) : TCustomEdit(owner) {}

void TEdit::CreateParams(TCreateParams& params) {
    TCustomEdit::CreateParams(params);
    params.Style |= win::ES_AUTOHSCROLL;
}

TCustomMemo::TCustomMemo(TComponent* owner)
    : TCustomEdit(owner), FLines(std::make_unique<TMemoStrings>(*this)) {
    SetBounds(0, 0, 185, 89);
}

TCustomMemo::~TCustomMemo() = default;

void TCustomMemo::SetLines(TStrings* lines) {
    if (lines)
        FLines->Assign(*lines);
}

void TCustomMemo::SetScrollBars(TScrollStyle scrollBars) {
    if (scrollBars == FScrollBars)
        return;
    FScrollBars = scrollBars;
    RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool wordWrap) {
    if (wordWrap == FWordWrap)
        return;
    FWordWrap = wordWrap;
    RecreateWnd();
}

void TCustomMemo::CreateParams(TCreateParams& params) {
    TCustomEdit::CreateParams(params);
    params.Style |= win::ES_MULTILINE | win::ES_WANTRETURN | win::ES_AUTOVSCROLL;
    if (FScrollBars == TScrollStyle::ssVertical || FScrollBars == TScrollStyle::ssBoth)
        params.Style |= win::WS_VSCROLL;
    if (FScrollBars == TScrollStyle::ssHorizontal || FScrollBars == TScrollStyle::ssBoth)
        params.Style |= win::WS_HSCROLL;
    // Without wrapping, long lines scroll sideways.
    if (!FWordWrap || FScrollBars == TScrollStyle::ssHorizontal ||
        FScrollBars == TScrollStyle::ssBoth)
        params.Style |= win::ES_AUTOHSCROLL;
}

} // namespace fw

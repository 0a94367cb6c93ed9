#pragma once
// Text boxes on the platform's Edit class: TEdit (one line) and TMemo (many
// lines, with Lines and ScrollBars; TCustomMemo does the work, TMemo
// publishes it). Both report user edits through OnChange.

#include "framework/Strings.h"
#include "framework/gui/WinControl.h"

#include <memory>

namespace fw {

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
FW_ENUM_NAMES(TScrollStyle, "ssNone", "ssHorizontal", "ssVertical", "ssBoth");

class TCustomEdit : public TWinControl {
    FW_CLASS(TCustomEdit, TWinControl)

    explicit TCustomEdit(TComponent* owner);

    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle style);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool readOnly);
    // False keeps the selection shown while another control has the focus.
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool hideSelection);

    // The selection in bytes of the UTF-8 text, as the platform's edit counts it.
    // Setting the start empties the selection there; setting the length keeps
    // the start.
    int SelStart();
    void SetSelStart(int start);
    int SelLength();
    void SetSelLength(int length);

    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent handler) { FOnChange = std::move(handler); }

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;

private:
    TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
    bool FReadOnly = false;
    bool FHideSelection = true;
    TNotifyEvent FOnChange;
};

class TEdit : public TCustomEdit {
    FW_CLASS(TEdit, TCustomEdit)

    explicit TEdit(TComponent* owner);

protected:
    void CreateParams(TCreateParams& params) override;
};

class TCustomMemo : public TCustomEdit {
    FW_CLASS(TCustomMemo, TCustomEdit)

    explicit TCustomMemo(TComponent* owner);
    ~TCustomMemo() override;

    TStrings* Lines() const { return FLines.get(); }
    void SetLines(TStrings* lines);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle scrollBars);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool wordWrap);

protected:
    void CreateParams(TCreateParams& params) override;

private:
    std::unique_ptr<TStrings> FLines;
    TScrollStyle FScrollBars = TScrollStyle::ssNone;
    bool FWordWrap = true;
};

class TMemo : public TCustomMemo {
    FW_CLASS(TMemo, TCustomMemo)

    explicit TMemo(TComponent* owner) : TCustomMemo(owner) {}
};

} // namespace fw

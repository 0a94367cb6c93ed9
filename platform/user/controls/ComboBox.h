#pragma once
// The "ComboBox" class: the drop-down list (the program's category list), the
// drop-down with an edit field, and the simple combo box. The items live in
// the list window ("ComboLBox" pop-up, or a child list box for the simple
// style); CB_ messages are answered through it.

#include "platform/user/controls/ControlSupport.h"

#include <string>

namespace win::controls {

class ComboBox {
public:
    explicit ComboBox(HWND hwnd) : hwnd_(hwnd) {}
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    static void Register();
    // Draws the whole client area (ControlProc calls it for WM_PAINT and
    // WM_PRINTCLIENT; WM_ERASEBKGND is left undone, as the painting covers it).
    void Paint(HDC hdc);

private:
    DWORD Kind() const { return StyleOf(hwnd_) & 3; }
    bool HasEdit() const { return Kind() != CBS_DROPDOWNLIST; }
    LRESULT List(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return list_ ? SendMessage(list_, message, wParam, lParam) : CB_ERR;
    }
    int Selection() const { return int(List(LB_GETCURSEL)); }

    void Create(const CREATESTRUCT& create);
    void Layout();
    // The selection field's height from the font, unless CB_SETITEMHEIGHT set it.
    void MeasureField();
    // The window of a drop-down kind takes the field's height.
    void FitField();
    RECT ButtonRect() const;
    RECT ItemRect() const;
    void Drop();
    void CloseUp(bool chosen);
    void SelectByUser(int index);
    void ShowSelectionText();
    LRESULT GetInfo(COMBOBOXINFO* info) const;
    void OnButtonDown(POINT point);
    void OnMouseMove(POINT point);
    void OnButtonUp(POINT point);
    void OnKeyDown(WPARAM key);
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    void PaintItem(HDC hdc, const RECT& item);

    HWND hwnd_;
    HWND list_ = nullptr; // owned: destroyed with the combo box
    HWND edit_ = nullptr; // child: destroyed with the combo box
    int itemHeight_ = 13;
    bool fieldHeightSet_ = false; // CB_SETITEMHEIGHT -1 fixed the field's height
    int droppedHeight_ = 100;     // the height given at creation
    int droppedWidth_ = 0;
    bool dropped_ = false;
    bool buttonDown_ = false; // the press that dropped the list is still held
    int selectionAtDrop_ = -1;
    DWORD listScrollBars_ = 0; // WS_VSCROLL/WS_HSCROLL given to the combo box
    std::string paintText_;    // kept, so that a repaint copies the text into held storage
};

} // namespace win::controls

#pragma once
// The window behind MessageBox, run in the thread's modal loop.

#include "platform/user/menus/MessageBox.h"

#include <string>
#include <vector>

namespace win {

// Registers the "#32770" class the box is made of (once).
void RegisterMessageBoxClass();

class MessageBoxDialog {
public:
    MessageBoxDialog(HWND owner, std::string text, std::string caption, UINT type);
    MessageBoxDialog(const MessageBoxDialog&) = delete;
    MessageBoxDialog& operator=(const MessageBoxDialog&) = delete;
    ~MessageBoxDialog();

    // Shows the box and runs its loop; the id of the button pressed.
    int Run();

    struct BoxButton {
        int id;
        const char* text;
    };

    static LRESULT Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool Create();
    void CreateButtons(int clientWidth, int buttonsTop);
    bool HandleDialogKey(const MSG& msg);
    void MoveFocus(int step);
    void Focus(HWND button);
    void Press(HWND button);
    void End(int id);
    void EndByCommand(int id);

    HWND owner_;
    std::string text_;
    std::string caption_;
    UINT type_;
    std::vector<BoxButton> boxButtons_;
    HWND box_ = nullptr;
    std::vector<HWND> buttons_;
    HWND focus_ = nullptr;
    HFONT font_ = nullptr;
    HICON icon_ = nullptr; // shown by the icon static, which does not own it
    int result_ = 0;
    bool done_ = false;
};

} // namespace win

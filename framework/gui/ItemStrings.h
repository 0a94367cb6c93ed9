#pragma once
// The items of a list box or combo box as string list. While the control has a
// window the window holds them (so what the user sees and what the program
// reads never differ); without one they are kept here and handed to the window
// when it is made, and taken back when it goes.

#include "framework/Strings.h"
#include "platform/user/WinUser.h"

#include <string>
#include <vector>

namespace fw {

class TWinControl;

// The window messages of one kind of item list.
struct TItemMessages {
    win::UINT getCount;
    win::UINT getText;
    win::UINT getTextLength;
    win::UINT add;
    win::UINT insert;
    win::UINT remove;
    win::UINT reset;
};

class TItemStrings : public TStrings {
    FW_CLASS(TItemStrings, TStrings)

    TItemStrings(TWinControl& control, const TItemMessages& messages);

    int Count() const override;
    std::string Strings(int index) const override;
    // Adds through the window's own add message, which keeps a sorted list sorted.
    int Add(std::string s) override;
    void Insert(int index, std::string s) override;
    void Delete(int index) override;
    void Clear() override;

    // Moves the kept items into the new window, or the window's items back here.
    void WindowCreated();
    void WindowDestroying();

protected:
    void SetUpdateState(bool updating) override;

private:
    win::HWND Window() const;
    void CheckIndex(int index, int count) const;

    TWinControl& FControl;
    TItemMessages FMessages;
    std::vector<std::string> FKept;
};

} // namespace fw

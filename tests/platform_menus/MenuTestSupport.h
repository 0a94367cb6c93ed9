#pragma once
// Shared pieces of the menu tests: a headless display, an owner window that
// records the menu messages it receives, a CBT hook that records "#32768"
// windows, and a script of input steps that the owner runs each time a modal
// loop goes idle (WM_ENTERIDLE), as a user would act on what is shown.

#include "platform/backend/headless/TestDisplay.h"
#include "platform/gdi/Surface.h"
#include "platform/user/Input.h"
#include "platform/user/controls/StandardControls.h"
#include "platform/user/menus/Menus.h"

#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace win::test {

struct Received {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class MenuTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Steps run one per idle turn of a modal loop; when none is left the loop
    // is ended (EndMenu, or Escape for a dialog) and `ranOut` is set.
    void Script(std::vector<std::function<void()>> steps);
    // Messages of `kind` the owner received, in order.
    std::vector<Received> Messages(UINT kind) const;
    // The menu windows alive now, oldest first.
    std::vector<HWND> MenuWindows() const;
    // The centre of item `position` of `menu` on the screen, while shown.
    POINT ItemCentre(HMENU menu, int position) const;
    // The screen as the windows are stacked now (bottom to top).
    Surface Screen() const;

    headless::TestDisplay* display = nullptr;
    HWND owner = nullptr;
    std::vector<HWND> created;   // every "#32768" window the hook saw created
    std::vector<HWND> destroyed; // and destroyed
    std::vector<Received> received;
    std::deque<std::function<void()>> steps;
    bool ranOut = false;
    // Answers for owner-drawn items: WM_MEASUREITEM gets this size.
    SIZE measured{0, 0};
    std::vector<UINT> drawnStates; // itemState of each WM_DRAWITEM
    std::function<void(HDC, const RECT&)> drawItem;

private:
    static LRESULT OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CbtProc(int code, WPARAM wParam, LPARAM lParam);
    HHOOK hook_ = nullptr;
};

// Shortcuts for scripts: raw input, taken by the loop that is running.
void KeyPress(int virtualKey);
void MouseTo(POINT screen);
void ClickAt(POINT screen);

} // namespace win::test

#pragma once
// Shared pieces of the control tests: a headless display, a parent window that
// records the notifications its controls send, and input at client points.

#include "platform/backend/headless/TestDisplay.h"
#include "platform/user/Input.h"
#include "platform/user/Painting.h"
#include "platform/user/Rects.h"
#include "platform/user/controls/CommCtrl.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace win::test {

struct Notification {
    int id;
    UINT code; // WM_COMMAND notification code, or the WM_NOTIFY code
    bool operator==(const Notification&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Notification& n);

class ControlTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    HWND Create(const char* className, const char* text, DWORD style, RECT r, int id,
                DWORD exStyle = 0);
    POINT At(HWND hwnd, int x, int y) const;
    void Click(HWND hwnd, int x, int y);
    std::vector<Notification> Take();
    // The colour of a client pixel of `hwnd` as the screen shows it.
    COLORREF Pixel(HWND hwnd, int x, int y);

    headless::TestDisplay* display = nullptr;
    HWND parent = nullptr;
};

} // namespace win::test

#pragma once
// What GUI tests and tools drive the headless display with: install it with a
// test clock, inject input at screen coordinates, move time, run the loop, and
// write any window as it looks to a PNG file.

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/gdi/Surface.h"
#include "platform/user/UserTypes.h"

#include <string>

namespace win::headless {

class TestDisplay {
public:
    // Installs a headless backend with a test clock for the whole process.
    static TestDisplay& Install(RECT screen = RECT{0, 0, 1024, 768});

    TestClock& Clock() { return *clock_; }
    // Moves the clock and dispatches everything that became due.
    void Advance(DWORD milliseconds);
    // Dispatches everything pending (no waiting).
    void Run();

    void MoveMouse(POINT screen);
    void Press(POINT screen);
    void Release(POINT screen);
    void Click(POINT screen);
    // Press at `from`, move in steps to `to`, release there; then run the loop.
    void Drag(POINT from, POINT to, int steps = 4);
    void Key(int virtualKey);
    void KeyDown(int virtualKey);
    void KeyUp(int virtualKey);
    void Type(const std::string& utf8);

    // The top-level window holding `hwnd`, after painting what is pending.
    Surface Capture(HWND hwnd);
    bool WritePng(HWND hwnd, const std::string& path);

private:
    TestClock* clock_ = nullptr;
};

} // namespace win::headless

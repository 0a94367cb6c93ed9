#include "platform/backend/headless/TestDisplay.h"

#include "platform/gdi/PngWriter.h"
#include "platform/user/BackendSupport.h"
#include "platform/user/Desktop.h"
#include "platform/user/Input.h"
#include "platform/user/Painting.h"
#include "platform/user/WinUser.h"

#include <memory>

namespace win::headless {

TestDisplay& TestDisplay::Install(RECT screen) {
    static TestDisplay display;
    if (display.clock_ == nullptr) {
        auto clock = std::make_unique<TestClock>();
        display.clock_ = clock.get();
        InstallClock(std::move(clock));
        InstallBackend(std::make_unique<HeadlessBackend>(screen, display.clock_));
    }
    return display;
}

void TestDisplay::Advance(DWORD milliseconds) {
    clock_->Advance(milliseconds);
    Run();
}

void TestDisplay::Run() {
    ProcessPendingMessages();
}

void TestDisplay::MoveMouse(POINT screen) {
    InjectMouseMove(screen);
    Run();
}

void TestDisplay::Press(POINT screen) {
    InjectMouseButton(MouseButton::Left, KeyTransition::Down, screen);
    Run();
}

void TestDisplay::Release(POINT screen) {
    InjectMouseButton(MouseButton::Left, KeyTransition::Up, screen);
    Run();
}

void TestDisplay::Click(POINT screen) {
    InjectMouseMove(screen);
    InjectMouseButton(MouseButton::Left, KeyTransition::Down, screen);
    InjectMouseButton(MouseButton::Left, KeyTransition::Up, screen);
    Run();
}

// Everything is queued before the loop runs: a press may start a modal loop
// (moving, sizing, scrolling) that takes the rest of the gesture itself.
void TestDisplay::Drag(POINT from, POINT to, int steps) {
    InjectMouseMove(from);
    InjectMouseButton(MouseButton::Left, KeyTransition::Down, from);
    for (int i = 1; i <= steps; ++i)
        InjectMouseMove(
            POINT{from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
    InjectMouseButton(MouseButton::Left, KeyTransition::Up, to);
    Run();
}

void TestDisplay::Key(int virtualKey) {
    InjectKey(virtualKey, KeyTransition::Down);
    InjectKey(virtualKey, KeyTransition::Up);
    Run();
}

void TestDisplay::KeyDown(int virtualKey) {
    InjectKey(virtualKey, KeyTransition::Down);
    Run();
}

void TestDisplay::KeyUp(int virtualKey) {
    InjectKey(virtualKey, KeyTransition::Up);
    Run();
}

void TestDisplay::Type(const std::string& utf8) {
    InjectText(utf8);
    Run();
}

Surface TestDisplay::Capture(HWND hwnd) {
    Run();
    const Surface* surface = GetWindowSurface(hwnd);
    return surface == nullptr ? Surface{} : *surface;
}

bool TestDisplay::WritePng(HWND hwnd, const std::string& path) {
    const Surface surface = Capture(hwnd);
    return surface.width > 0 && win::WritePng(path, surface);
}

} // namespace win::headless

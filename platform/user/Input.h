#pragma once
// Input entering the window manager from a backend (or a test), in screen
// coordinates. It is queued in arrival order and routed to windows (hit testing,
// capture, focus, activation by click) when the loop takes it.

#include "platform/user/UserTypes.h"

#include <string>

namespace win {

enum class MouseButton { Left, Right, Middle };
enum class KeyTransition { Down, Up };

void InjectMouseMove(POINT screen);
void InjectMouseButton(MouseButton button, KeyTransition transition, POINT screen);
void InjectMouseWheel(int delta, POINT screen);
void InjectKey(int virtualKey, KeyTransition transition);
// Text typed or composed: one WM_CHAR per character to the focus window.
void InjectText(const std::string& utf8);

} // namespace win

#pragma once
// Internal: turning raw input into window messages as the loop takes it.

#include "platform/user/UserTypes.h"

namespace win {

// Fills in the target window and the message's final form; false drops it.
bool RouteInput(MSG& msg);
// Updates GetKeyState's table for a message the loop hands out.
void NoteKeyState(const MSG& msg);

} // namespace win

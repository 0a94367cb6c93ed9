#pragma once
// Mouse capture on X11 through a connection of our own. SDL's capture follows
// its keyboard focus and is undone by the next pointer crossing, so a pop-up
// shown under or beside the pointer would lose it at once; this grab holds,
// and its events carry screen coordinates wherever the pointer goes.

#include "platform/user/UserTypes.h"

struct _XDisplay;

namespace win::sdl {

class SdlPointerGrab {
public:
    // `display` names the X display (null: $DISPLAY, the one SDL opens).
    explicit SdlPointerGrab(const char* display);
    ~SdlPointerGrab();
    SdlPointerGrab(const SdlPointerGrab&) = delete;
    SdlPointerGrab& operator=(const SdlPointerGrab&) = delete;

    // False when the connection is missing or the server refused the grab.
    bool Start();
    void Stop();
    bool Active() const { return active_; }
    // Turns the pointer events that came in into injected input; true when
    // there were any.
    bool Drain();
    // Where the pointer is now, in screen coordinates; `fallback` without a
    // connection.
    POINT PointerPosition(POINT fallback) const;
    // Waits up to `milliseconds` for pointer events.
    void Wait(int milliseconds);

private:
    ::_XDisplay* connection_ = nullptr;
    bool active_ = false;
};

} // namespace win::sdl

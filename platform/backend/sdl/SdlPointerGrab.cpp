#include "platform/backend/sdl/SdlPointerGrab.h"

#include "platform/user/Input.h"
#include "platform/user/Messages.h"

#include <X11/Xlib.h>
#include <poll.h>

namespace win::sdl {

namespace {

constexpr long kPointerEvents = ButtonPressMask | ButtonReleaseMask | PointerMotionMask;

void InjectButton(const XButtonEvent& event) {
    const POINT at{event.x_root, event.y_root};
    const bool down = event.type == ButtonPress;
    if (event.button == Button4 || event.button == Button5) {
        if (down)
            InjectMouseWheel(event.button == Button4 ? WHEEL_DELTA : -WHEEL_DELTA, at);
        return;
    }
    const MouseButton button = event.button == Button3   ? MouseButton::Right
                               : event.button == Button2 ? MouseButton::Middle
                                                         : MouseButton::Left;
    InjectMouseButton(button, down ? KeyTransition::Down : KeyTransition::Up, at);
}

} // namespace

SdlPointerGrab::SdlPointerGrab(const char* display) : connection_(XOpenDisplay(display)) {}

SdlPointerGrab::~SdlPointerGrab() {
    if (connection_ != nullptr)
        XCloseDisplay(connection_);
}

bool SdlPointerGrab::Start() {
    if (connection_ == nullptr)
        return false;
    if (!active_)
        active_ = XGrabPointer(connection_, DefaultRootWindow(connection_), False,
                               static_cast<unsigned int>(kPointerEvents), GrabModeAsync,
                               GrabModeAsync, None, None, CurrentTime) == GrabSuccess;
    return active_;
}

void SdlPointerGrab::Stop() {
    if (!active_)
        return;
    active_ = false;
    XUngrabPointer(connection_, CurrentTime);
    XFlush(connection_);
    Drain(); // what came before the release still counts
}

bool SdlPointerGrab::Drain() {
    bool any = false;
    while (connection_ != nullptr && XPending(connection_) > 0) {
        XEvent event;
        XNextEvent(connection_, &event);
        if (event.type == MotionNotify) {
            InjectMouseMove(POINT{event.xmotion.x_root, event.xmotion.y_root});
            any = true;
        } else if (event.type == ButtonPress || event.type == ButtonRelease) {
            InjectButton(event.xbutton);
            any = true;
        }
    }
    return any;
}

POINT SdlPointerGrab::PointerPosition(POINT fallback) const {
    if (connection_ == nullptr)
        return fallback;
    ::Window root = 0, child = 0;
    int x = 0, y = 0, windowX = 0, windowY = 0;
    unsigned int buttons = 0;
    if (!XQueryPointer(connection_, DefaultRootWindow(connection_), &root, &child, &x, &y, &windowX,
                       &windowY, &buttons))
        return fallback;
    return POINT{x, y};
}

void SdlPointerGrab::Wait(int milliseconds) {
    if (connection_ == nullptr)
        return;
    pollfd wait{ConnectionNumber(connection_), POLLIN, 0};
    poll(&wait, 1, milliseconds);
}

} // namespace win::sdl

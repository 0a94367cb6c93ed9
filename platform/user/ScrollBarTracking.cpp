// DefWindowProc's loop for a press on a standard scroll bar: arrows and page
// areas repeat on a timer while held, the thumb follows the mouse, and the
// window gets WM_HSCROLL/WM_VSCROLL with every SB_ code, ending with SB_ENDSCROLL.

#include "platform/user/Desktop.h"
#include "platform/user/Dispatch.h"
#include "platform/user/NonClient.h"
#include "platform/user/Rects.h"
#include "platform/user/ScrollBars.h"
#include "platform/user/WinUser.h"
#include "platform/user/WindowTree.h"

namespace win {

namespace {

constexpr UINT_PTR kRepeatTimer = 0xFFFA;
constexpr UINT kFirstDelay = 200;
constexpr UINT kRepeatDelay = 50;

ScrollBarState* StateOf(HWND hwnd, int bar) {
    Window* w = Desktop::Get().Find(hwnd);
    if (w == nullptr)
        return nullptr;
    return bar == SB_HORZ ? &w->hscroll : &w->vscroll;
}

POINT ToWindow(HWND hwnd, POINT screen) {
    const Window* w = Desktop::Get().Find(hwnd);
    const POINT origin = w == nullptr ? POINT{} : WindowScreenOrigin(*w);
    return POINT{screen.x - origin.x, screen.y - origin.y};
}

void Notify(HWND hwnd, int bar, int code, int pos = 0) {
    Send(hwnd, bar == SB_HORZ ? WM_HSCROLL : WM_VSCROLL, MAKEWPARAM(WORD(code), WORD(pos)), 0);
}

void SetPressed(HWND hwnd, int bar, int part) {
    ScrollBarState* s = StateOf(hwnd, bar);
    if (s == nullptr || s->pressedPart == part)
        return;
    s->pressedPart = part;
    RedrawNonClient(hwnd);
}

// The position the thumb takes when dragged by `delta` pixels from `startPos`.
int DraggedPosition(HWND hwnd, int bar, const ScrollBarGeometry& start, int delta, int startPos) {
    const ScrollBarState* s = StateOf(hwnd, bar);
    const int length = start.vertical ? RectHeight(start.bar) : RectWidth(start.bar);
    const int free = length - 2 * start.arrow - (start.thumbEnd - start.thumbStart);
    const int maxPos = s->max - std::max<int>(int(s->page) - 1, 0);
    if (free <= 0)
        return startPos;
    const int startOffset = start.thumbStart - start.arrow;
    const int offset = std::clamp(startOffset + delta, 0, free);
    return std::clamp(s->min + MulDiv(offset, maxPos - s->min, free), s->min, maxPos);
}

void DragThumb(HWND hwnd, int bar, POINT start) {
    const ScrollBarGeometry geometry = ScrollBarGeometryOf(hwnd, bar);
    ScrollBarState* s = StateOf(hwnd, bar);
    const int startPos = s->pos;
    int pos = startPos;
    s->tracking = true;
    s->trackPos = pos;
    SetPressed(hwnd, bar, SB_THUMBTRACK);
    MSG msg;
    while (IsWindow(hwnd) && GetCapture() == hwnd && GetMessage(&msg, nullptr, 0, 0)) {
        if (CallMsgFilter(&msg, MSGF_SCROLLBAR))
            continue;
        if (msg.message != WM_MOUSEMOVE && msg.message != WM_LBUTTONUP) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
            continue;
        }
        const int delta = geometry.vertical ? msg.pt.y - start.y : msg.pt.x - start.x;
        const int newPos = DraggedPosition(hwnd, bar, geometry, delta, startPos);
        if ((s = StateOf(hwnd, bar)) == nullptr)
            return;
        if (newPos != pos) {
            pos = newPos;
            s->trackPos = pos;
            RedrawNonClient(hwnd);
            Notify(hwnd, bar, SB_THUMBTRACK, pos);
        }
        if (msg.message == WM_LBUTTONUP)
            break;
    }
    if ((s = StateOf(hwnd, bar)) == nullptr)
        return;
    s->tracking = false;
    Notify(hwnd, bar, SB_THUMBPOSITION, pos);
}

// Arrows and page areas: one request now, more while held on the part.
void RepeatPart(HWND hwnd, int bar, int part) {
    Notify(hwnd, bar, part);
    SetTimer(hwnd, kRepeatTimer, kFirstDelay, nullptr);
    bool inside = true;
    MSG msg;
    while (IsWindow(hwnd) && GetCapture() == hwnd && GetMessage(&msg, nullptr, 0, 0)) {
        if (CallMsgFilter(&msg, MSGF_SCROLLBAR))
            continue;
        if (msg.message == WM_TIMER && msg.hwnd == hwnd && msg.wParam == kRepeatTimer) {
            SetTimer(hwnd, kRepeatTimer, kRepeatDelay, nullptr);
            POINT cursor;
            GetCursorPos(&cursor);
            inside =
                ScrollBarPartAt(ScrollBarGeometryOf(hwnd, bar), ToWindow(hwnd, cursor)) == part;
            if (inside)
                Notify(hwnd, bar, part);
            continue;
        }
        if (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONUP) {
            inside =
                ScrollBarPartAt(ScrollBarGeometryOf(hwnd, bar), ToWindow(hwnd, msg.pt)) == part;
            SetPressed(hwnd, bar, inside ? part : -1);
            if (msg.message == WM_LBUTTONUP)
                break;
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    KillTimer(hwnd, kRepeatTimer);
}

} // namespace

void TrackNonClientScrollBar(HWND hwnd, int bar, POINT screen) {
    const ScrollBarGeometry geometry = ScrollBarGeometryOf(hwnd, bar);
    if (!geometry.enabled)
        return;
    const int part = ScrollBarPartAt(geometry, ToWindow(hwnd, screen));
    if (part < 0)
        return;
    SetCapture(hwnd);
    SetPressed(hwnd, bar, part);
    if (part == SB_THUMBTRACK)
        DragThumb(hwnd, bar, screen);
    else
        RepeatPart(hwnd, bar, part);
    if (!IsWindow(hwnd))
        return;
    if (GetCapture() == hwnd)
        ReleaseCapture();
    SetPressed(hwnd, bar, -1);
    Notify(hwnd, bar, SB_ENDSCROLL);
}

} // namespace win

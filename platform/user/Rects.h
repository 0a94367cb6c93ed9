#pragma once
// Rectangle and point helpers with their Windows names and results.

#include "platform/kernel/WinTypes.h"

namespace win {

BOOL SetRect(RECT* rect, int left, int top, int right, int bottom);
BOOL SetRectEmpty(RECT* rect);
BOOL CopyRect(RECT* dest, const RECT* src);
BOOL OffsetRect(RECT* rect, int dx, int dy);
BOOL InflateRect(RECT* rect, int dx, int dy);
BOOL IntersectRect(RECT* dest, const RECT* a, const RECT* b);
BOOL UnionRect(RECT* dest, const RECT* a, const RECT* b);
BOOL SubtractRect(RECT* dest, const RECT* a, const RECT* b);
BOOL PtInRect(const RECT* rect, POINT point);
BOOL IsRectEmpty(const RECT* rect);
BOOL EqualRect(const RECT* a, const RECT* b);
int MulDiv(int number, int numerator, int denominator);

inline LONG RectWidth(const RECT& r) {
    return r.right - r.left;
}
inline LONG RectHeight(const RECT& r) {
    return r.bottom - r.top;
}
inline RECT Offset(RECT r, LONG dx, LONG dy) {
    return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}
inline bool Contains(const RECT& r, POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

} // namespace win

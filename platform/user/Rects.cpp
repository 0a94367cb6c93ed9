#include "platform/user/Rects.h"

#include <algorithm>
#include <cstdint>

namespace win {

BOOL SetRect(RECT* rect, int left, int top, int right, int bottom) {
    if (rect == nullptr)
        return FALSE;
    *rect = RECT{left, top, right, bottom};
    return TRUE;
}

BOOL SetRectEmpty(RECT* rect) {
    return SetRect(rect, 0, 0, 0, 0);
}

BOOL CopyRect(RECT* dest, const RECT* src) {
    if (dest == nullptr || src == nullptr)
        return FALSE;
    *dest = *src;
    return TRUE;
}

BOOL OffsetRect(RECT* rect, int dx, int dy) {
    if (rect == nullptr)
        return FALSE;
    *rect = Offset(*rect, dx, dy);
    return TRUE;
}

BOOL InflateRect(RECT* rect, int dx, int dy) {
    if (rect == nullptr)
        return FALSE;
    *rect = RECT{rect->left - dx, rect->top - dy, rect->right + dx, rect->bottom + dy};
    return TRUE;
}

BOOL IsRectEmpty(const RECT* rect) {
    return rect == nullptr || rect->right <= rect->left || rect->bottom <= rect->top;
}

BOOL IntersectRect(RECT* dest, const RECT* a, const RECT* b) {
    if (dest == nullptr || a == nullptr || b == nullptr)
        return FALSE;
    RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
           std::min(a->bottom, b->bottom)};
    if (IsRectEmpty(&r)) {
        *dest = RECT{};
        return FALSE;
    }
    *dest = r;
    return TRUE;
}

BOOL UnionRect(RECT* dest, const RECT* a, const RECT* b) {
    if (dest == nullptr || a == nullptr || b == nullptr)
        return FALSE;
    if (IsRectEmpty(a) && IsRectEmpty(b)) {
        *dest = RECT{};
        return FALSE;
    }
    if (IsRectEmpty(a)) {
        *dest = *b;
    } else if (IsRectEmpty(b)) {
        *dest = *a;
    } else {
        *dest = RECT{std::min(a->left, b->left), std::min(a->top, b->top),
                     std::max(a->right, b->right), std::max(a->bottom, b->bottom)};
    }
    return TRUE;
}

// Only a whole side of `a` can be cut away; otherwise `a` stays as it is.
BOOL SubtractRect(RECT* dest, const RECT* a, const RECT* b) {
    if (dest == nullptr || a == nullptr || b == nullptr)
        return FALSE;
    RECT r = *a;
    RECT cut;
    if (IntersectRect(&cut, a, b)) {
        if (cut.left == r.left && cut.right == r.right) {
            if (cut.top == r.top)
                r.top = cut.bottom;
            else if (cut.bottom == r.bottom)
                r.bottom = cut.top;
        } else if (cut.top == r.top && cut.bottom == r.bottom) {
            if (cut.left == r.left)
                r.left = cut.right;
            else if (cut.right == r.right)
                r.right = cut.left;
        }
    }
    if (IsRectEmpty(&r)) {
        *dest = RECT{};
        return FALSE;
    }
    *dest = r;
    return TRUE;
}

BOOL PtInRect(const RECT* rect, POINT point) {
    return rect != nullptr && Contains(*rect, point);
}

BOOL EqualRect(const RECT* a, const RECT* b) {
    return a != nullptr && b != nullptr && *a == *b;
}

// Rounds half away from zero, as Windows does; -1 on a zero divisor or overflow.
int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0)
        return -1;
    std::int64_t product = std::int64_t(number) * numerator;
    std::int64_t d = denominator;
    if (d < 0) {
        d = -d;
        product = -product;
    }
    const std::int64_t result = product >= 0 ? (product + d / 2) / d : -((-product + d / 2) / d);
    if (result > INT32_MAX || result < INT32_MIN)
        return -1;
    return int(result);
}

} // namespace win

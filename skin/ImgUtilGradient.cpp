#include "skin/ImgUtilGradient.h"

#include "framework/Exception.h"
#include "framework/gui/GraphicsColor.h"
#include "platform/gdi/Gdi.h"

#include <algorithm>

namespace skin {

namespace {

int Channel(win::COLORREF color, int shift) {
    return int((color >> shift) & 0xFF);
}

// ⌊a / b⌋ for b > 0.
int FloorDiv(int a, int b) {
    const int q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

} // namespace

std::vector<win::COLORREF> BuildGradientTable(int n, win::COLORREF first, win::COLORREF last) {
    fw::Assert(n >= 1);
    std::vector<win::COLORREF> table(std::size_t(n), 0);
    const int c = n - 1;
    for (int shift : {0, 8, 16}) {
        const int a = Channel(first, shift);
        const int d = Channel(last, shift) - a;
        for (int i = 0; i < n; ++i) {
            // One line: half the difference, truncated toward zero.
            const int step = c == 0 ? d / 2 : FloorDiv(c / 2 + i * d, c);
            table[std::size_t(i)] |= win::COLORREF((a + step) & 0xFF) << shift;
        }
    }
    return table;
}

const std::vector<win::COLORREF>& TGradientCache::Table(int n, win::COLORREF first,
                                                        win::COLORREF last) {
    for (int i = kSlots - 1; i >= 0; --i) {
        const TSlot& slot = FSlots[std::size_t(i)];
        if (slot.length == n && slot.colors.front() == first && slot.colors.back() == last)
            return slot.colors;
    }
    TSlot& slot = FSlots[std::size_t(FNext)];
    slot.colors = BuildGradientTable(n, first, last);
    slot.length = n;
    FNext = (FNext + 1) % kSlots;
    return slot.colors;
}

TGradientCache& GradientTables() {
    static TGradientCache cache;
    return cache;
}

void GradientFill(win::HDC dc, const win::RECT& rect, fw::TColor first,
                  TGradientDirection direction, fw::TColor last) {
    if (!win::RectVisible(dc, &rect))
        return;
    const bool rows = direction == TGradientDirection::TopToBottom;
    const int n = rows ? rect.bottom - rect.top : rect.right - rect.left;
    if (n <= 0)
        return;
    win::RECT clip;
    win::GetClipBox(dc, &clip);
    const int origin = rows ? rect.top : rect.left;
    const int from = std::max(0, (rows ? clip.top : clip.left) - origin);
    const int to = std::min(n, (rows ? clip.bottom : clip.right) - origin);
    const std::vector<win::COLORREF>& table =
        GradientTables().Table(n, fw::ColorToRGB(first), fw::ColorToRGB(last));
    // The DC brush paints exactly what a solid brush per line would, without
    // making one.
    const auto brush = static_cast<win::HBRUSH>(win::GetStockObject(win::DC_BRUSH));
    const win::COLORREF oldColor = win::SetDCBrushColor(dc, 0);
    for (int i = from; i < to; ++i) {
        win::SetDCBrushColor(dc, table[std::size_t(i)]);
        const win::RECT line =
            rows ? win::RECT{rect.left, rect.top + i, rect.right, rect.top + i + 1}
                 : win::RECT{rect.left + i, rect.top, rect.left + i + 1, rect.bottom};
        win::FillRect(dc, &line, brush);
    }
    win::SetDCBrushColor(dc, oldColor);
}

} // namespace skin

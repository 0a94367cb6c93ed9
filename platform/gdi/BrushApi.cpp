// Brush and pen creation.

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/Gdi.h"

namespace win {

namespace {

template <class H> H AddObject(std::unique_ptr<GdiObject> object) {
    return static_cast<H>(GdiHandleTable::Instance().Add(std::move(object)));
}

} // namespace

HBRUSH CreateSolidBrush(COLORREF color) {
    return AddObject<HBRUSH>(Brush::Solid(color));
}

HBRUSH CreateHatchBrush(int hatch, COLORREF color) {
    if (hatch < HS_HORIZONTAL || hatch > HS_DIAGCROSS)
        return nullptr;
    return AddObject<HBRUSH>(Brush::Hatched(hatch, color));
}

HBRUSH CreatePatternBrush(HBITMAP bitmap) {
    Bitmap* source = GdiHandleTable::Instance().FindAs<Bitmap>(bitmap);
    if (!source || source->Width() < 1 || source->Height() < 1)
        return nullptr;
    // The brush keeps its own copy: the bitmap may be deleted afterwards.
    const PixelView view = source->View();
    std::vector<std::uint32_t> pixels(std::size_t(view.width) * std::size_t(view.height));
    for (int y = 0; y < view.height; ++y)
        view.Read(y, 0, view.width, pixels.data() + std::size_t(y) * std::size_t(view.width));
    return AddObject<HBRUSH>(
        Brush::Pattern(view.width, view.height, std::move(pixels), source->IsMono()));
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* logBrush) {
    if (!logBrush)
        return nullptr;
    switch (logBrush->lbStyle) {
    case BS_SOLID:
        return CreateSolidBrush(logBrush->lbColor);
    case BS_NULL:
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    case BS_HATCHED:
        return CreateHatchBrush(int(logBrush->lbHatch), logBrush->lbColor);
    case BS_PATTERN:
        return CreatePatternBrush(reinterpret_cast<HBITMAP>(logBrush->lbHatch));
    default:
        return nullptr;
    }
}

HPEN CreatePen(int style, int width, COLORREF color) {
    if ((style & PS_STYLE_MASK) > PS_INSIDEFRAME)
        return nullptr;
    if ((style & PS_STYLE_MASK) == PS_NULL)
        return static_cast<HPEN>(GetStockObject(NULL_PEN));
    return AddObject<HPEN>(std::make_unique<Pen>(style, width, color & 0xFFFFFF));
}

HPEN CreatePenIndirect(const LOGPEN* logPen) {
    return logPen ? CreatePen(int(logPen->lopnStyle), logPen->lopnWidth.x, logPen->lopnColor)
                  : nullptr;
}

} // namespace win

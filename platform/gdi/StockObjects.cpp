#include "platform/gdi/StockObjects.h"

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/RegionObject.h"

#include <array>
#include <cstring>

namespace win {

namespace {

void* AddStock(std::unique_ptr<GdiObject> object) {
    object->MarkStock();
    return GdiHandleTable::Instance().Add(std::move(object));
}

void* MakeStock(int index) {
    switch (index) {
    case WHITE_BRUSH:
        return AddStock(Brush::Solid(RGB(255, 255, 255)));
    case LTGRAY_BRUSH:
        return AddStock(Brush::Solid(RGB(192, 192, 192)));
    case GRAY_BRUSH:
        return AddStock(Brush::Solid(RGB(128, 128, 128)));
    case DKGRAY_BRUSH:
        return AddStock(Brush::Solid(RGB(64, 64, 64)));
    case BLACK_BRUSH:
        return AddStock(Brush::Solid(RGB(0, 0, 0)));
    case NULL_BRUSH:
        return AddStock(Brush::Null());
    case DC_BRUSH:
        return AddStock(Brush::DcBrush());
    case WHITE_PEN:
        return AddStock(std::make_unique<Pen>(PS_SOLID, 1, RGB(255, 255, 255)));
    case BLACK_PEN:
        return AddStock(std::make_unique<Pen>(PS_SOLID, 1, RGB(0, 0, 0)));
    case NULL_PEN:
        return AddStock(std::make_unique<Pen>(PS_NULL, 1, RGB(0, 0, 0)));
    case DC_PEN: {
        auto pen = std::make_unique<Pen>(PS_SOLID, 1, RGB(0, 0, 0));
        pen->isDcPen = true;
        return AddStock(std::move(pen));
    }
    case OEM_FIXED_FONT:
    case ANSI_FIXED_FONT:
    case ANSI_VAR_FONT:
    case SYSTEM_FONT:
    case DEVICE_DEFAULT_FONT:
    case SYSTEM_FIXED_FONT:
    case DEFAULT_GUI_FONT:
        return AddStock(std::make_unique<Font>(StockFontDescription(index)));
    default:
        return nullptr;
    }
}

constexpr int kStockCount = 20;

} // namespace

HGDIOBJ GetStockObject(int index) {
    static std::array<void*, kStockCount> stock{};
    if (index < 0 || index >= kStockCount)
        return nullptr;
    if (!stock[std::size_t(index)])
        stock[std::size_t(index)] = MakeStock(index);
    return stock[std::size_t(index)];
}

HBITMAP StockBitmap() {
    static void* bitmap = AddStock(std::make_unique<Bitmap>(1, 1, 1, Bitmap::Kind::Device));
    return static_cast<HBITMAP>(bitmap);
}

BOOL DeleteObject(HGDIOBJ object) {
    GdiHandleTable& table = GdiHandleTable::Instance();
    GdiObject* found = table.Find(object);
    if (!found || found->Type() == OBJ_DC || found->Type() == OBJ_MEMDC)
        return FALSE;
    if (found->IsStock())
        return TRUE;
    if (found->Type() == OBJ_BITMAP && static_cast<Bitmap*>(found)->selectedInto)
        return FALSE; // Windows refuses to delete a bitmap still selected into a DC
    if (found->selections > 0) {
        found->deletePending = true;
        return TRUE;
    }
    if (found->Type() == OBJ_REGION) {
        std::unique_ptr<GdiObject> taken = table.Take(object);
        RecycleRegion(std::unique_ptr<RegionObject>(static_cast<RegionObject*>(taken.release())));
        return TRUE;
    }
    return table.Remove(object) ? TRUE : FALSE;
}

DWORD GetObjectType(HGDIOBJ object) {
    GdiObject* found = GdiHandleTable::Instance().Find(object);
    return found ? found->Type() : 0;
}

UINT GdiObjectCount(DWORD type) {
    return GdiHandleTable::Instance().Count(type);
}

namespace {

template <class T> int CopyOut(const T& value, int size, void* buffer) {
    if (!buffer)
        return int(sizeof(T));
    const int n = std::min(size, int(sizeof(T)));
    if (n <= 0)
        return 0;
    std::memcpy(buffer, &value, std::size_t(n));
    return n;
}

int DescribeBitmap(Bitmap& bitmap, int size, void* buffer) {
    if (bitmap.GetKind() == Bitmap::Kind::DibSection && size >= int(sizeof(DIBSECTION))) {
        DIBSECTION ds;
        ds.dsBm = bitmap.Describe();
        ds.dsBmih.biWidth = bitmap.Width();
        ds.dsBmih.biHeight = bitmap.GetOrientation() == Bitmap::Orientation::BottomUp
                                 ? bitmap.Height()
                                 : -bitmap.Height();
        ds.dsBmih.biBitCount = WORD(bitmap.BitsPerPixel());
        ds.dsBmih.biSizeImage = DWORD(bitmap.SizeBytes());
        if (bitmap.Green6()) {
            ds.dsBmih.biCompression = BI_BITFIELDS;
            ds.dsBitfields[0] = 0xF800;
            ds.dsBitfields[1] = 0x07E0;
            ds.dsBitfields[2] = 0x001F;
        }
        return CopyOut(ds, size, buffer);
    }
    return CopyOut(bitmap.Describe(), size, buffer);
}

int DescribeBrush(const Brush& brush, int size, void* buffer) {
    LOGBRUSH lb;
    lb.lbColor = brush.Color();
    switch (brush.GetStyle()) {
    case Brush::Style::Null:
        lb.lbStyle = BS_NULL;
        break;
    case Brush::Style::Hatched:
        lb.lbStyle = BS_HATCHED;
        lb.lbHatch = std::uintptr_t(brush.Hatch());
        break;
    case Brush::Style::Pattern:
        lb.lbStyle = BS_PATTERN;
        break;
    default:
        lb.lbStyle = BS_SOLID;
        break;
    }
    return CopyOut(lb, size, buffer);
}

} // namespace

int GetObject(HGDIOBJ object, int size, void* buffer) {
    GdiObject* found = GdiHandleTable::Instance().Find(object);
    if (!found)
        return 0;
    switch (found->Type()) {
    case OBJ_BITMAP:
        return DescribeBitmap(*static_cast<Bitmap*>(found), size, buffer);
    case OBJ_BRUSH:
        return DescribeBrush(*static_cast<Brush*>(found), size, buffer);
    case OBJ_PEN:
        return CopyOut(static_cast<Pen*>(found)->Describe(), size, buffer);
    case OBJ_FONT:
        return CopyOut(static_cast<Font*>(found)->Description(), size, buffer);
    default:
        return 0;
    }
}

} // namespace win

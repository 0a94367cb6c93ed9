#include "skin/WinSkinDataResources.h"

#include "framework/Exception.h"
#include "framework/ResourceStream.h"
#include "framework/gui/Bitmap.h"
#include "framework/gui/ImageList.h"

namespace skin {

namespace {

constexpr const char* kBitmapResourceType = "BITMAP";
constexpr int kMenuGlyphSize = 16;

} // namespace

bool LoadBitmapResource(fw::TBitmap& bitmap, const std::string& name) {
    bitmap.SetSize(0, 0);
    try {
        fw::TResourceStream stream(nullptr, name, kBitmapResourceType);
        bitmap.LoadFromStream(stream);
        return true;
    } catch (const fw::EResNotFound&) {
        return false;
    }
}

void LoadSystemMenuGlyphs(fw::TImageList& list) {
    list.SetWidth(kMenuGlyphSize);
    list.SetHeight(kMenuGlyphSize);
    list.Clear();
    fw::TBitmap glyphs;
    if (LoadBitmapResource(glyphs, "NIMBRELMENU"))
        list.AddMasked(glyphs, fw::clWhite);
}

} // namespace skin

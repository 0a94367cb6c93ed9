#pragma once
// The program's own bitmaps that the skin engine falls back on or adds: the
// track bar tracks "TRACK" (16 x 4) and "TRACKVERT" (4 x 16) for skins
// without them, and the system menu's 16 x 16 glyphs "NIMBRELMENU" (white is
// their mask). They are BMP files embedded as resources of type "BITMAP".

#include <string>

namespace fw {
class TBitmap;
class TImageList;
} // namespace fw

namespace skin {

// False, with the bitmap emptied, when the program carries no such resource.
bool LoadBitmapResource(fw::TBitmap& bitmap, const std::string& name);
// Replaces the list's images by the system menu glyphs.
void LoadSystemMenuGlyphs(fw::TImageList& list);

} // namespace skin

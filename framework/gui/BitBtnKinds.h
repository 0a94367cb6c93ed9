#pragma once
// What each standard kind of bit button brings: caption, modal result, and a
// glyph drawn here in code (18 x 18, on a magenta key in the bottom-left pixel).

#include "framework/gui/BitBtn.h"

namespace fw {

const char* KindCaption(TBitBtnKind kind);
int KindModalResult(TBitBtnKind kind);
// Draws the kind's glyph into glyph (resized); bkCustom leaves it empty.
void DrawKindGlyph(TBitBtnKind kind, TBitmap& glyph);

} // namespace fw

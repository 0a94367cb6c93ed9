#pragma once
// The classic look's building blocks used by DefWindowProc's non-client
// painting: 3-D edges, push-button faces and the small glyphs of caption and
// scroll-bar buttons, drawn with GDI calls into a device context.

#include "platform/gdi/Gdi.h"

namespace win {

enum class ButtonFace { Raised, Pressed };
enum class Glyph { Close, Minimize, Maximize, Restore, ArrowUp, ArrowDown, ArrowLeft, ArrowRight };

void FillWithSysColor(HDC hdc, const RECT& rect, int colorIndex);
// One-pixel frame: `topLeft` colour on the top and left, `bottomRight` on the rest.
void DrawEdgeLine(HDC hdc, const RECT& rect, int topLeft, int bottomRight);
void DrawButtonFace(HDC hdc, const RECT& rect, ButtonFace face);
void DrawGlyph(HDC hdc, const RECT& rect, Glyph glyph, bool pressed, bool enabled);

} // namespace win

#pragma once
// Walking and drawing runs of UTF-8 text in a realised font.

#include "platform/gdi/BidiLine.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/FontFace.h"

#include <optional>
#include <string_view>

namespace win {

// The characters of a run with their advances (the DC's character extra
// added, or the caller's own advances when given, one per character).
class TextRun {
public:
    struct Step {
        char32_t code;
        std::size_t length;
        int advance;
        const Glyph* glyph;
    };

    TextRun(FontFace& face, std::string_view text, int extra, const int* dx = nullptr)
        : face_(face), text_(text), extra_(extra), dx_(dx) {}

    Step Next(std::size_t at);
    int Width();

private:
    FontFace& face_;
    std::string_view text_;
    int extra_;
    const int* dx_;
    std::size_t index_ = 0;
};

// Draws the glyphs of `text` in the DC's text colour with the pen on the
// baseline at `origin` (target coordinates), in visual order for the reading
// order given, then the underline and strikeout the font asks for; limited to
// the DC's clip and to `clip` when given. `dx` holds logical advances.
void DrawTextRun(DeviceContext& dc, FontFace& face, std::string_view text, POINT origin,
                 std::optional<RECT> clip, const int* dx = nullptr,
                 ReadingOrder order = ReadingOrder::LeftToRight);

// Plots one glyph in the DC's text colour with the pen on the baseline at `pen`.
void DrawGlyph(DeviceContext& dc, const Glyph& glyph, POINT pen, std::optional<RECT> clip);

// The font's underline and strikeout from the baseline point `origin` to x `to`.
void DrawDecorations(DeviceContext& dc, FontFace& face, POINT origin, int to,
                     std::optional<RECT> clip);

// Fills a target rectangle (clipped) with one colour.
void FillTargetRectColor(DeviceContext& dc, const RECT& rect, std::uint32_t pixel);

FontFace* FaceOf(const DeviceContext& dc);

} // namespace win

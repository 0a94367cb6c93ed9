// Font creation, metrics, extents and TextOut/ExtTextOut.

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/FontFace.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Raster.h"
#include "platform/gdi/Text.h"
#include "platform/gdi/TextRenderer.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace win {

namespace {

std::string_view TextOf(const char* text, int count) {
    if (!text)
        return {};
    return count < 0 ? std::string_view(text) : std::string_view(text, std::size_t(count));
}

} // namespace

FontFace* FaceOf(const DeviceContext& dc) {
    Font* font = GdiHandleTable::Instance().FindAs<Font>(dc.state.font);
    return font ? &font->Face() : nullptr;
}

HFONT CreateFontIndirect(const LOGFONT* description) {
    if (!description)
        return nullptr;
    LOGFONT lf = *description;
    lf.lfFaceName[sizeof(lf.lfFaceName) - 1] = 0;
    return static_cast<HFONT>(GdiHandleTable::Instance().Add(std::make_unique<Font>(lf)));
}

HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                 DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                 DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, const char* faceName) {
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfEscapement = escapement;
    lf.lfOrientation = orientation;
    lf.lfWeight = weight;
    lf.lfItalic = BYTE(italic);
    lf.lfUnderline = BYTE(underline);
    lf.lfStrikeOut = BYTE(strikeOut);
    lf.lfCharSet = BYTE(charSet);
    lf.lfOutPrecision = BYTE(outPrecision);
    lf.lfClipPrecision = BYTE(clipPrecision);
    lf.lfQuality = BYTE(quality);
    lf.lfPitchAndFamily = BYTE(pitchAndFamily);
    if (faceName)
        std::strncpy(lf.lfFaceName, faceName, sizeof(lf.lfFaceName) - 1);
    return CreateFontIndirect(&lf);
}

BOOL GetTextMetrics(HDC hdc, TEXTMETRIC* metrics) {
    DeviceContext* dc = LookupDC(hdc);
    FontFace* face = dc ? FaceOf(*dc) : nullptr;
    if (!face || !metrics)
        return FALSE;
    *metrics = face->Metrics();
    return TRUE;
}

int GetTextFace(HDC hdc, int count, char* faceName) {
    DeviceContext* dc = LookupDC(hdc);
    FontFace* face = dc ? FaceOf(*dc) : nullptr;
    if (!face)
        return 0;
    const std::string& name = face->FamilyName();
    if (!faceName)
        return int(name.size()) + 1;
    if (count <= 0)
        return 0;
    const std::size_t n = std::min(name.size(), std::size_t(count - 1));
    std::memcpy(faceName, name.data(), n);
    faceName[n] = 0;
    return int(n);
}

BOOL GetTextExtentPoint32(HDC hdc, const char* text, int count, SIZE* size) {
    return GetTextExtentExPoint(hdc, text, count, 0, nullptr, nullptr, size);
}

BOOL GetTextExtentExPoint(HDC hdc, const char* text, int count, int maxExtent, int* fit, int* dx,
                          SIZE* size) {
    DeviceContext* dc = LookupDC(hdc);
    FontFace* face = dc ? FaceOf(*dc) : nullptr;
    if (!face || !size || (!text && count != 0))
        return FALSE;
    const std::string_view s = TextOf(text, count);
    TextRun run(*face, s, dc->state.textCharacterExtra);
    int width = 0, chars = 0, fitted = 0;
    for (std::size_t at = 0; at < s.size();) {
        const auto step = run.Next(at);
        width += step.advance;
        if (dx)
            dx[chars] = width;
        ++chars;
        at += step.length;
        if (fit && width <= maxExtent)
            fitted = int(at);
    }
    if (fit)
        *fit = fitted;
    size->cx = width;
    size->cy = face->Metrics().tmHeight;
    return TRUE;
}

BOOL GetCharWidth32(HDC hdc, UINT first, UINT last, int* widths) {
    DeviceContext* dc = LookupDC(hdc);
    FontFace* face = dc ? FaceOf(*dc) : nullptr;
    if (!face || !widths || last < first || last > 0x10FFFF)
        return FALSE;
    for (UINT c = first; c <= last; ++c)
        widths[c - first] = face->GlyphFor(char32_t(c)).advance;
    return TRUE;
}

UINT SetTextAlign(HDC hdc, UINT align) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc)
        return GDI_ERROR;
    const UINT previous = dc->state.textAlign;
    dc->state.textAlign = align;
    return previous;
}

UINT GetTextAlign(HDC hdc) {
    DeviceContext* dc = LookupDC(hdc);
    return dc ? dc->state.textAlign : GDI_ERROR;
}

int SetTextCharacterExtra(HDC hdc, int extra) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc)
        return int(0x80000000);
    const int previous = dc->state.textCharacterExtra;
    dc->state.textCharacterExtra = extra;
    return previous;
}

BOOL TextOut(HDC hdc, int x, int y, const char* text, int count) {
    if (count < 0)
        return FALSE;
    return ExtTextOut(hdc, x, y, 0, nullptr, text, UINT(count), nullptr);
}

BOOL ExtTextOut(HDC hdc, int x, int y, UINT options, const RECT* rect, const char* text, UINT count,
                const int* dx) {
    DeviceContext* dc = LookupDC(hdc);
    FontFace* face = dc ? FaceOf(*dc) : nullptr;
    if (!face || (!text && count != 0))
        return FALSE;
    const std::string_view s = TextOf(text, int(count));
    const TEXTMETRIC& tm = face->Metrics();
    const UINT align = dc->state.textAlign;
    POINT origin = (align & TA_UPDATECP) ? dc->state.currentPosition : POINT{x, y};
    // The width is needed only to place the text off its left edge or to paint
    // its background.
    const bool needsWidth = (align & (TA_RIGHT | TA_CENTER | TA_UPDATECP)) ||
                            (dc->state.bkMode == OPAQUE && !(options & ETO_OPAQUE));
    const int width = needsWidth ? TextRun(*face, s, dc->state.textCharacterExtra, dx).Width() : 0;
    // The reference point sits on the text box as the alignment says.
    int left = origin.x;
    if ((align & TA_CENTER) == TA_CENTER)
        left -= width / 2;
    else if (align & TA_RIGHT)
        left -= width;
    int top = origin.y;
    if ((align & TA_BASELINE) == TA_BASELINE)
        top -= tm.tmAscent;
    else if (align & TA_BOTTOM)
        top -= tm.tmHeight;
    if (align & TA_UPDATECP)
        dc->state.currentPosition.x +=
            (align & TA_RIGHT) && !((align & TA_CENTER) == TA_CENTER) ? -width : width;
    std::optional<RECT> clip;
    if (rect)
        clip = dc->ToTarget(*rect);
    if (rect && (options & ETO_OPAQUE))
        FillTargetRectColor(*dc, *clip, PixelOf(dc->state.bkColor));
    const RECT box = dc->ToTarget(RECT{left, top, left + width, top + tm.tmHeight});
    if (!(options & ETO_OPAQUE) && dc->state.bkMode == OPAQUE) {
        RECT back = box;
        if (clip && (options & ETO_CLIPPED))
            back = {std::max(back.left, clip->left), std::max(back.top, clip->top),
                    std::min(back.right, clip->right), std::min(back.bottom, clip->bottom)};
        FillTargetRectColor(*dc, back, PixelOf(dc->state.bkColor));
    }
    // Right-to-left reading changes the order of the glyphs in the box, not where
    // the box sits: TA_RIGHT still places its right edge at the reference point.
    const ReadingOrder order =
        (align & TA_RTLREADING) ? ReadingOrder::RightToLeft : ReadingOrder::LeftToRight;
    DrawTextRun(*dc, *face, s, POINT{box.left, box.top + tm.tmAscent},
                (options & ETO_CLIPPED) ? clip : std::nullopt, dx, order);
    return TRUE;
}

bool DrawsFromBitmapStrike(HDC hdc, char32_t character) {
    DeviceContext* dc = LookupDC(hdc);
    FontFace* face = dc ? FaceOf(*dc) : nullptr;
    return face && face->FromBitmapStrike(character);
}

} // namespace win

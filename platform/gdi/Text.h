#pragma once
// Fonts and text: logical fonts realised through fontconfig and FreeType, text
// metrics and extents, TextOut/ExtTextOut and DrawText. Strings are UTF-8 and
// counts are in bytes (-1: up to the terminating NUL where Windows allows it).

#include "platform/gdi/GdiTypes.h"

namespace win {

constexpr UINT TA_NOUPDATECP = 0;
constexpr UINT TA_UPDATECP = 1;
constexpr UINT TA_LEFT = 0;
constexpr UINT TA_RIGHT = 2;
constexpr UINT TA_CENTER = 6;
constexpr UINT TA_TOP = 0;
constexpr UINT TA_BOTTOM = 8;
constexpr UINT TA_BASELINE = 24;
constexpr UINT TA_RTLREADING = 256;
constexpr UINT GDI_ERROR = 0xFFFFFFFF;

constexpr UINT ETO_OPAQUE = 0x0002;
constexpr UINT ETO_CLIPPED = 0x0004;

constexpr UINT DT_TOP = 0x00000000;
constexpr UINT DT_LEFT = 0x00000000;
constexpr UINT DT_CENTER = 0x00000001;
constexpr UINT DT_RIGHT = 0x00000002;
constexpr UINT DT_VCENTER = 0x00000004;
constexpr UINT DT_BOTTOM = 0x00000008;
constexpr UINT DT_WORDBREAK = 0x00000010;
constexpr UINT DT_SINGLELINE = 0x00000020;
constexpr UINT DT_EXPANDTABS = 0x00000040;
constexpr UINT DT_TABSTOP = 0x00000080;
constexpr UINT DT_NOCLIP = 0x00000100;
constexpr UINT DT_EXTERNALLEADING = 0x00000200;
constexpr UINT DT_CALCRECT = 0x00000400;
constexpr UINT DT_NOPREFIX = 0x00000800;
constexpr UINT DT_INTERNAL = 0x00001000;
constexpr UINT DT_EDITCONTROL = 0x00002000;
constexpr UINT DT_PATH_ELLIPSIS = 0x00004000;
constexpr UINT DT_END_ELLIPSIS = 0x00008000;
constexpr UINT DT_MODIFYSTRING = 0x00010000;
constexpr UINT DT_RTLREADING = 0x00020000;
constexpr UINT DT_WORD_ELLIPSIS = 0x00040000;
constexpr UINT DT_NOFULLWIDTHCHARBREAK = 0x00080000;
constexpr UINT DT_HIDEPREFIX = 0x00100000;
constexpr UINT DT_PREFIXONLY = 0x00200000;

HFONT CreateFontIndirect(const LOGFONT* description);
HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                 DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                 DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, const char* faceName);
BOOL GetTextMetrics(HDC hdc, TEXTMETRIC* metrics);
// The face name of the font that draws the DC's font (the family fontconfig chose).
int GetTextFace(HDC hdc, int count, char* faceName);
BOOL GetTextExtentPoint32(HDC hdc, const char* text, int count, SIZE* size);
// How many bytes of `text` fit in `maxExtent` (when `fit` is given), the advance
// up to the end of each character in `dx` (one entry per character), and the
// extent of the whole text.
BOOL GetTextExtentExPoint(HDC hdc, const char* text, int count, int maxExtent, int* fit, int* dx,
                          SIZE* size);
// Advances of the characters first..last (code points) in the DC's font.
BOOL GetCharWidth32(HDC hdc, UINT first, UINT last, int* widths);
UINT SetTextAlign(HDC hdc, UINT align);
UINT GetTextAlign(HDC hdc);
int SetTextCharacterExtra(HDC hdc, int extra);
BOOL TextOut(HDC hdc, int x, int y, const char* text, int count);
BOOL ExtTextOut(HDC hdc, int x, int y, UINT options, const RECT* rect, const char* text, UINT count,
                const int* dx);
int DrawText(HDC hdc, const char* text, int count, RECT* rect, UINT format);

// Whether the DC's font draws a character from an embedded bitmap strike.
bool DrawsFromBitmapStrike(HDC hdc, char32_t character);

} // namespace win

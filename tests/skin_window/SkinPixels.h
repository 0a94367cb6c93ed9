#pragma once
// Pictures as text for pixel-exact tests: each character stands for one
// colour, so a bitmap is written and compared as rows of characters. '.' is
// white (what a new bitmap holds), '#' the skin key colour magenta, and any
// other character c the colour RGB(c, 0x55, 0xAA).

#include "framework/gui/Bitmap.h"

#include <memory>
#include <string>
#include <vector>

namespace skin::test {

using TPicture = std::vector<std::string>;

win::COLORREF ColorOf(char c);
char CharOf(win::COLORREF color);

// A 24-bit (or 32-bit) bitmap holding the picture.
std::unique_ptr<fw::TBitmap> MakeBitmap(const TPicture& picture,
                                        fw::TPixelFormat format = fw::TPixelFormat::pf24bit);
// A 24-bit bitmap of one colour, a canvas to draw on.
std::unique_ptr<fw::TBitmap> FilledBitmap(int width, int height, char fill = 'z');
// The bitmap read back as a picture; pixels of no listed colour read as '?'.
TPicture PictureOf(const fw::TBitmap& bitmap);

} // namespace skin::test

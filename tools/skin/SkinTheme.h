#pragma once
// Our skin's look: one light-blue palette shared by every image, and the
// painters of the image families. Every image is drawn from these colours, so
// the skin reads as one theme; magenta marks what a painter leaves unpainted.

#include "tools/skin/SkinCanvas.h"

#include <string>
#include <vector>

namespace skinart {

namespace palette {
constexpr TRgb kFace = Rgb(0xE3EEFD); // ButtonFace: window and control background
constexpr TRgb kWhite = Rgb(0xFFFFFF);
constexpr TRgb kInk = Rgb(0x1E3A5F);     // text and glyphs
constexpr TRgb kInkSoft = Rgb(0x4A6A95); // small glyphs at rest
constexpr TRgb kAccent = Rgb(0x3C7FD6);  // highlight, hot glyphs
constexpr TRgb kDeep = Rgb(0x1E60AA);    // window outline, the banner's blue
constexpr TRgb kLine = Rgb(0x8AAEDD);    // control borders
constexpr TRgb kLineHot = Rgb(0x5A98E6);
constexpr TRgb kLinePressed = Rgb(0x3F78C6);
constexpr TRgb kLineSoft = Rgb(0xB7CDEB); // separators, tracks
constexpr TRgb kShadow = Rgb(0x9DB9E0);
constexpr TRgb kDarkShadow = Rgb(0x5A7FB0);
constexpr TRgb kDisabledLine = Rgb(0xC3D1E3);
constexpr TRgb kDisabledFill = Rgb(0xF1F5FA);
constexpr TRgb kDisabledInk = Rgb(0xA3B3C8);
constexpr TRgb kFillTop = Rgb(0xFFFFFF); // resting controls: white into blue
constexpr TRgb kFillBottom = Rgb(0xDCE9FB);
constexpr TRgb kHotTop = Rgb(0xFFFFFF);
constexpr TRgb kHotBottom = Rgb(0xCDE3FE);
constexpr TRgb kPressedTop = Rgb(0xBCD4F5);
constexpr TRgb kPressedBottom = Rgb(0xD9E7FA);
constexpr TRgb kSelectTop = Rgb(0xEEF5FF); // menu and list selection
constexpr TRgb kSelectBottom = Rgb(0xD0E4FC);
constexpr TRgb kCloseHot = Rgb(0xD9473B);
constexpr TRgb kClosePressed = Rgb(0xA9302A);
} // namespace palette

// The four looks of an interactive part.
enum class TLook { Normal, Hot, Pressed, Disabled };

struct TSkinBitmap {
    std::string name; // as the skin's directory holds it
    int bitsPerPixel; // 24 or 32
    bool colorTable;  // written with a 256-entry colour table before the pixels
    TSkinCanvas image;
};

// frame(i) for i = 0..count-1, each frameWidth x frameHeight, side by side
// (or one above the other when stacked).
TSkinCanvas Strip(int frameWidth, int frameHeight, int count,
                  const std::function<TSkinCanvas(int)>& frame, bool stacked = false);

// A track bar channel: a rounded groove (also the program's own channel
// bitmaps).
TSkinCanvas TrackChannel(int width, int height, bool vertical);

// The image families, each in the order the skin's directory lists them.
std::vector<TSkinBitmap> ControlBitmaps(); // buttons ... progress chunk
std::vector<TSkinBitmap> PanelBitmaps();   // tabs, tab sheet, combo button, status bar, header
std::vector<TSkinBitmap> ScrollBitmaps();  // scroll bar arrows, thumbs, tracks
std::vector<TSkinBitmap> MenuBitmaps();    // menu background and items, extra images
std::vector<TSkinBitmap> TrackBitmaps();   // track bar thumbs and channels
std::vector<TSkinBitmap> SpinBitmaps();    // MDI buttons, up-down buttons and arrows
std::vector<TSkinBitmap> FrameBitmaps();   // caption buttons, window frame, minimised caption

} // namespace skinart

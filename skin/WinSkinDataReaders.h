#pragma once
// The skin loader's readers: each makes one skin object from one section of
// the skin's INI description, and only when the section names the object's
// image; otherwise there is no object. Keys a section leaves out take their
// defaults; a value that is no number gives the default.

#include "framework/Color.h"
#include "skin/WinSkinDataObjects.h"

#include <memory>
#include <string>

namespace fw {
class TBitmap;
}

namespace skin {

class TSkinData;
class TSkinReader;

// Fills bmp from the skin entry named by fname, any path dropped. The bitmap
// is emptied when the name is empty, its extension is not exactly ".bmp",
// there is no reader, or the entry is missing, empty or no bitmap the BMP
// reader takes.
void ReadSkinBitmap(TSkinReader* reader, fw::TBitmap& bmp, const std::string& fname);

class TSkinSectionReader {
public:
    // Reads through data's INI store and reader, which must be loaded.
    explicit TSkinSectionReader(TSkinData& data);

    // An integer key (ReadInteger).
    std::int32_t Integer(const std::string& section, const std::string& key,
                         std::int32_t fallback) const;
    // Whether the key has a value.
    bool Given(const std::string& section, const std::string& key) const;
    // A key holding colour text; fallback when it has no value.
    fw::TColor Color(const std::string& section, const std::string& key, fw::TColor fallback) const;
    void Bitmap(fw::TBitmap& bmp, const std::string& section, const std::string& key) const;
    // The slice margins ("LeftWidth", "TopHeight", "RightWidth",
    // "BottomHeight"), "Trans" and "Tile".
    void ReadSlices(TDataSkinObject& object, const std::string& section) const;
    // The plain text colours (default -1) and the second set given as colour
    // text (default the skin's button text).
    void ReadTextColors(TDataSkinObject& object, const std::string& section) const;

    // "Image" with the slice margins, "Frame", "Trans", "Tile" (above 1: 0),
    // the plain and the second text colours.
    std::unique_ptr<TDataSkinObject> ImageObject(const std::string& section) const;
    // As ImageObject without "Frame"; the image named by maskKey goes to MaskMap.
    std::unique_ptr<TDataSkinBorder> ImageWithMask(const std::string& section,
                                                   const std::string& maskKey) const;
    // "Bitmap" with the slice margins, "Trans" and "Tile" (above 1: 1); no colours.
    std::unique_ptr<TDataSkinBorder> BitmapObject(const std::string& section) const;
    // As ImageWithMask without a mask, plus the caption background's placement.
    std::unique_ptr<TDataSkinBoxLabel> BoxLabel(const std::string& section) const;
    // The menu bar from "Personality": "menuBar" tiled as "TileMenu" says,
    // between "TileLeftMenu" and "TileRightMenu".
    std::unique_ptr<TDataSkinObject> MenuBar() const;

private:
    template <class T>
    std::unique_ptr<T> Named(const std::string& section, const std::string& imageKey) const;
    void ReadImageKeys(TDataSkinObject& object, const std::string& section) const;

    TSkinData& FData;
};

} // namespace skin

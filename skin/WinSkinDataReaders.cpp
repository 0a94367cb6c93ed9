#include "skin/WinSkinDataReaders.h"

#include "framework/Exception.h"
#include "framework/FileNames.h"
#include "framework/MemoryStream.h"
#include "framework/gui/Bitmap.h"
#include "skin/SkinRead.h"
#include "skin/WinSkinData.h"
#include "skin/WinSkinDataColorText.h"

namespace skin {

namespace {

// Skins are written on Windows: a path may use either separator, or a drive.
std::string EntryName(const std::string& fname) {
    const std::size_t cut = fname.find_last_of("/\\:");
    return cut == std::string::npos ? fname : fname.substr(cut + 1);
}

std::int32_t AtMost(std::int32_t value, std::int32_t limit, std::int32_t replacement) {
    return value > limit ? replacement : value;
}

} // namespace

void ReadSkinBitmap(TSkinReader* reader, fw::TBitmap& bmp, const std::string& fname) {
    bmp.SetSize(0, 0);
    const std::string name = EntryName(fname);
    if (!reader || name.empty() || fw::ExtractFileExt(name) != ".bmp")
        return;
    fw::TMemoryStream entry;
    reader->readfile(name, entry);
    if (entry.Size() == 0)
        return;
    try {
        bmp.LoadFromStream(entry);
    } catch (const fw::EInvalidGraphic&) {
        // A damaged picture draws like a missing one.
        bmp.SetSize(0, 0);
    }
}

TSkinSectionReader::TSkinSectionReader(TSkinData& data) : FData(data) {}

std::int32_t TSkinSectionReader::Integer(const std::string& section, const std::string& key,
                                         std::int32_t fallback) const {
    return FData.ini->ReadInteger(section, key, fallback);
}

bool TSkinSectionReader::Given(const std::string& section, const std::string& key) const {
    return !FData.ini->ReadString(section, key, "").empty();
}

fw::TColor TSkinSectionReader::Color(const std::string& section, const std::string& key,
                                     fw::TColor fallback) const {
    return ParseColorText(FData.ini->ReadString(section, key, "")).value_or(fallback);
}

void TSkinSectionReader::Bitmap(fw::TBitmap& bmp, const std::string& section,
                                const std::string& key) const {
    FData.Readbmp(bmp, FData.ini->ReadString(section, key, ""));
}

template <class T>
std::unique_ptr<T> TSkinSectionReader::Named(const std::string& section,
                                             const std::string& imageKey) const {
    if (!Given(section, imageKey))
        return nullptr;
    auto object = std::make_unique<T>(section);
    Bitmap(*object->Map, section, imageKey);
    return object;
}

void TSkinSectionReader::ReadSlices(TDataSkinObject& object, const std::string& section) const {
    object.r = {Integer(section, "LeftWidth", 0), Integer(section, "TopHeight", 0),
                Integer(section, "RightWidth", 0), Integer(section, "BottomHeight", 0)};
    object.trans = Integer(section, "Trans", 0);
    object.Tile = Integer(section, "Tile", 0);
}

void TSkinSectionReader::ReadTextColors(TDataSkinObject& object, const std::string& section) const {
    object.Normalcolor = Integer(section, "NormalColour", kNoTextColor);
    object.Overcolor = Integer(section, "MouseOverColour", kNoTextColor);
    object.Downcolor = Integer(section, "PressedColour", kNoTextColor);
    const fw::TColor buttonText = FData.Colors[4];
    object.Normalcolor2 = Color(section, "NormalColour2", buttonText);
    object.Overcolor2 = Color(section, "MouseOverColour2", buttonText);
    object.Downcolor2 = Color(section, "PressedColour2", buttonText);
}

void TSkinSectionReader::ReadImageKeys(TDataSkinObject& object, const std::string& section) const {
    object.style = Integer(section, "Style", 0);
    ReadSlices(object, section);
    object.Tile = AtMost(object.Tile, 1, 0);
    ReadTextColors(object, section);
}

std::unique_ptr<TDataSkinObject> TSkinSectionReader::ImageObject(const std::string& section) const {
    auto object = Named<TDataSkinObject>(section, "Image");
    if (object) {
        ReadImageKeys(*object, section);
        object->frame = Integer(section, "Frame", 0);
    }
    return object;
}

std::unique_ptr<TDataSkinBorder>
TSkinSectionReader::ImageWithMask(const std::string& section, const std::string& maskKey) const {
    auto object = Named<TDataSkinBorder>(section, "Image");
    if (object) {
        ReadImageKeys(*object, section);
        Bitmap(*object->MaskMap, section, maskKey);
    }
    return object;
}

std::unique_ptr<TDataSkinBorder>
TSkinSectionReader::BitmapObject(const std::string& section) const {
    auto object = Named<TDataSkinBorder>(section, "Bitmap");
    if (object) {
        object->style = Integer(section, "Style", 0);
        ReadSlices(*object, section);
        object->Tile = AtMost(object->Tile, 1, 1);
    }
    return object;
}

std::unique_ptr<TDataSkinBoxLabel> TSkinSectionReader::BoxLabel(const std::string& section) const {
    auto object = Named<TDataSkinBoxLabel>(section, "Image");
    if (object) {
        ReadImageKeys(*object, section);
        object->Alignment = Integer(section, "BackgroundAlignment", 0);
        object->LeftShift = Integer(section, "BackgroundLeftShift", 0);
        object->RightShift = Integer(section, "BackgroundRightShift", 0);
    }
    return object;
}

std::unique_ptr<TDataSkinObject> TSkinSectionReader::MenuBar() const {
    const std::string section = "Personality";
    auto object = Named<TDataSkinObject>(section, "menuBar");
    if (object) {
        object->Tile = AtMost(Integer(section, "TileMenu", 1), 1, 1);
        object->r = {Integer(section, "TileLeftMenu", 1), 0, Integer(section, "TileRightMenu", 1),
                     0};
    }
    return object;
}

} // namespace skin

#pragma once
// The text `telvora-tool skin objects` prints for a loaded skin: the skin's
// name, scheme colours, presets and background brush, then one line per skin
// object in the component's field order. The format is a contract: scripts
// and tests compare it.

#include <string>

namespace fw {
class TBitmap;
}

namespace skin {
class TDataSkinObject;
class TSkinData;
} // namespace skin

namespace tool {

std::string SkinObjectsReport(const skin::TSkinData& data);
// One object's line: "object FIELD IDNAME r=... map=IMG" and its class's
// own fields, ending in a line feed.
std::string SkinObjectLine(const std::string& field, const skin::TDataSkinObject& object);
// "-" for an empty bitmap, else WxHxBPP:CRC (zlib's CRC-32 of the pixels as
// B, G, R bytes, rows top to bottom).
std::string SkinImageText(const fw::TBitmap& bitmap);

} // namespace tool

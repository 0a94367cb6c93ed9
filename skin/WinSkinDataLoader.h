#pragma once
// The skin loader: turns a skin's INI description and bitmaps into the skin
// objects and scheme colours of a skin data component. It decides which
// sections and keys a skin may use, their defaults, the frame counts it fixes
// whatever the skin says, and the images it makes itself. Nothing in it fails
// for a missing or malformed skin part: such a part leaves its object null, a
// default, or an empty bitmap.

namespace skin {

class TSkinData;

// Reads data.ini and the bitmap entries of data.reader (both loaded); ends
// with data.Empty false.
void LoadSkinObjects(TSkinData& data);

} // namespace skin

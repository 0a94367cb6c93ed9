#pragma once
// Skin files made inside a test: BMP files drawn by a function, an INI text,
// packed into a container as the skin builder packs one, and loaded into a
// skin data component.

#include "framework/Color.h"
#include "framework/Component.h"
#include "tests/skin/support/SkinTestUtil.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace skin {
class TSkinData;
}

namespace skin::test {

using PixelFunction = std::function<fw::TColor(int x, int y)>;

// A bottom-up BMP file of 24 or 32 bits per pixel.
Bytes BmpFile(int width, int height, const PixelFunction& pixel, int bits = 24);
Bytes SolidBmp(int width, int height, fw::TColor color, int bits = 24);
// Pixel (x, y) = x + 16 * y in the red and green bytes: every pixel differs.
Bytes NumberedBmp(int width, int height);

// A skin file (version 70000): the entries, then the INI as "skin.ini" when given.
Bytes SkinFile(const std::vector<SkinEntry>& entries, const std::optional<std::string>& ini);

// A component (without owner) that loaded the skin file's bytes.
fw::TComponentPtr<TSkinData> LoadSkinData(const Bytes& file);

} // namespace skin::test

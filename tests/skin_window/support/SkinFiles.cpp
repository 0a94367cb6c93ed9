#include "tests/skin_window/support/SkinFiles.h"

#include "framework/MemoryStream.h"
#include "skin/WinSkinData.h"

namespace skin::test {

namespace {

void Put16(Bytes& b, std::uint32_t v) {
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
}

void Put32(Bytes& b, std::uint32_t v) {
    Put16(b, v);
    Put16(b, v >> 16);
}

} // namespace

Bytes BmpFile(int width, int height, const PixelFunction& pixel, int bits) {
    const int bytesPerPixel = bits / 8;
    const std::size_t stride = (std::size_t(width) * bytesPerPixel + 3) & ~std::size_t(3);
    const std::size_t imageSize = stride * std::size_t(height);
    Bytes b{'B', 'M'};
    Put32(b, std::uint32_t(54 + imageSize));
    Put32(b, 0);
    Put32(b, 54);
    Put32(b, 40);
    Put32(b, std::uint32_t(width));
    Put32(b, std::uint32_t(height));
    Put16(b, 1);
    Put16(b, std::uint32_t(bits));
    Put32(b, 0);
    Put32(b, std::uint32_t(imageSize));
    for (int i = 0; i < 4; ++i)
        Put32(b, 0);
    for (int y = height - 1; y >= 0; --y) {
        Bytes row;
        for (int x = 0; x < width; ++x) {
            const auto c = static_cast<std::uint32_t>(pixel(x, y));
            row.push_back(std::uint8_t(c >> 16));
            row.push_back(std::uint8_t(c >> 8));
            row.push_back(std::uint8_t(c));
            if (bits == 32)
                row.push_back(0);
        }
        row.resize(stride, 0);
        b.insert(b.end(), row.begin(), row.end());
    }
    return b;
}

Bytes SolidBmp(int width, int height, fw::TColor color, int bits) {
    return BmpFile(
        width, height, [color](int, int) { return color; }, bits);
}

Bytes NumberedBmp(int width, int height) {
    return BmpFile(width, height, [](int x, int y) {
        const int n = x + 16 * y;
        return static_cast<fw::TColor>((n & 0xFF) | ((n >> 8) & 0xFF) << 8 | 0x400000);
    });
}

Bytes SkinFile(const std::vector<SkinEntry>& entries, const std::optional<std::string>& ini) {
    std::vector<SkinEntry> all = entries;
    if (ini)
        all.push_back({"skin.ini", ToBytes(*ini)});
    return Pack(SkinContainer(70000, 69, all));
}

fw::TComponentPtr<TSkinData> LoadSkinData(const Bytes& file) {
    auto data = fw::MakeComponent<TSkinData>();
    fw::TMemoryStream stream;
    Fill(stream, file);
    data->LoadFromStream(stream);
    return data;
}

} // namespace skin::test

#include "platform/gdi/BmpReader.h"

#include "platform/gdi/ByteReader.h"

#include <array>
#include <bit>

namespace win {

namespace {

constexpr std::int64_t kMaxPixels = std::int64_t(1) << 28;
constexpr std::int32_t kMaxSide = 1 << 16;

struct Format {
    std::int32_t width = 0;
    std::int32_t height = 0; // positive
    bool topDown = false;
    int bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t colorsUsed = 0;
    bool core = false; // 12-byte header, 3-byte palette entries
    std::array<std::uint32_t, 3> masks{};
};

class BmpDecoder {
public:
    enum class State { FileHeader, InfoHeader, BitFields, ColorTable, Pixels, Done, Failed };

    BmpDecoder(std::span<const std::uint8_t> bytes, bool hasFileHeader)
        : reader_(bytes), state_(hasFileHeader ? State::FileHeader : State::InfoHeader) {}

    BmpImage Run() {
        while (state_ != State::Done && state_ != State::Failed) {
            switch (state_) {
            case State::FileHeader:
                state_ = ReadFileHeader();
                break;
            case State::InfoHeader:
                state_ = ReadInfoHeader();
                break;
            case State::BitFields:
                state_ = ReadBitFields();
                break;
            case State::ColorTable:
                state_ = ReadColorTable();
                break;
            case State::Pixels:
                state_ = ReadPixels();
                break;
            default:
                state_ = State::Failed;
                break;
            }
        }
        if (state_ == State::Failed)
            return {};
        return std::move(image_);
    }

private:
    State ReadFileHeader() {
        auto magic = reader_.U16();
        auto size = reader_.U32();
        auto reserved = reader_.U32();
        auto offset = reader_.U32();
        if (!magic || !size || !reserved || !offset || *magic != 0x4D42)
            return State::Failed;
        pixelOffset_ = *offset;
        return State::InfoHeader;
    }

    State ReadInfoHeader() {
        headerStart_ = reader_.Position();
        auto size = reader_.U32();
        if (!size)
            return State::Failed;
        headerSize_ = *size;
        if (headerSize_ == 12)
            return ReadCoreHeader();
        if (headerSize_ < 40 || headerSize_ > 4096)
            return State::Failed;
        auto width = reader_.I32();
        auto height = reader_.I32();
        auto planes = reader_.U16();
        auto bitCount = reader_.U16();
        auto compression = reader_.U32();
        auto sizeImage = reader_.U32();
        auto xppm = reader_.U32();
        auto yppm = reader_.U32();
        auto used = reader_.U32();
        auto important = reader_.U32();
        if (!important || !width || !height || !planes || !bitCount || !compression || !sizeImage ||
            !xppm || !yppm || !used)
            return State::Failed;
        format_.width = *width;
        format_.topDown = *height < 0;
        if (*height == INT32_MIN)
            return State::Failed;
        format_.height = *height < 0 ? -*height : *height;
        format_.bitCount = *bitCount;
        format_.compression = *compression;
        format_.colorsUsed = *used;
        // V4 and V5 headers hold the bit-field masks right after the info fields.
        if (headerSize_ >= 52 && format_.compression == 3) {
            for (auto& mask : format_.masks) {
                auto m = reader_.U32();
                if (!m)
                    return State::Failed;
                mask = *m;
            }
        }
        if (!reader_.Seek(headerStart_ + headerSize_))
            return State::Failed;
        return Validate() ? (format_.compression == 3 && headerSize_ < 52 ? State::BitFields
                                                                          : State::ColorTable)
                          : State::Failed;
    }

    State ReadCoreHeader() {
        auto width = reader_.U16();
        auto height = reader_.U16();
        auto planes = reader_.U16();
        auto bitCount = reader_.U16();
        if (!width || !height || !planes || !bitCount)
            return State::Failed;
        format_.width = *width;
        format_.height = *height;
        format_.bitCount = *bitCount;
        format_.core = true;
        return Validate() ? State::ColorTable : State::Failed;
    }

    bool Validate() {
        const int b = format_.bitCount;
        if (format_.width <= 0 || format_.height <= 0 || format_.width > kMaxSide ||
            format_.height > kMaxSide || std::int64_t(format_.width) * format_.height > kMaxPixels)
            return false;
        if (b != 1 && b != 4 && b != 8 && b != 16 && b != 24 && b != 32)
            return false;
        if (format_.compression == 3)
            return b == 16 || b == 32;
        if (format_.compression != 0)
            return false;
        if (b == 16)
            format_.masks = {0x7C00, 0x03E0, 0x001F};
        else if (b == 32)
            format_.masks = {0xFF0000, 0x00FF00, 0x0000FF};
        return true;
    }

    State ReadBitFields() {
        for (auto& mask : format_.masks) {
            auto m = reader_.U32();
            if (!m)
                return State::Failed;
            mask = *m;
        }
        return State::ColorTable;
    }

    State ReadColorTable() {
        if (format_.bitCount > 8) {
            return State::Pixels;
        }
        const std::uint32_t max = 1u << format_.bitCount;
        const std::uint32_t count =
            format_.core || format_.colorsUsed == 0 ? max : std::min(format_.colorsUsed, max);
        const std::size_t entry = format_.core ? 3 : 4;
        palette_.assign(max, 0);
        for (std::uint32_t i = 0; i < count; ++i) {
            auto bytes = reader_.Bytes(entry);
            if (!bytes)
                return State::Failed;
            palette_[i] = (std::uint32_t((*bytes)[2]) << 16) | (std::uint32_t((*bytes)[1]) << 8) |
                          (*bytes)[0];
        }
        return State::Pixels;
    }

    State ReadPixels() {
        if (pixelOffset_ && !reader_.Seek(pixelOffset_))
            return State::Failed;
        const std::size_t stride =
            (std::size_t(format_.width) * std::size_t(format_.bitCount) + 31) / 32 * 4;
        if (stride * std::size_t(format_.height) > reader_.Remaining())
            return State::Failed;
        image_.width = format_.width;
        image_.height = format_.height;
        image_.bitCount = format_.bitCount;
        image_.pixels.resize(std::size_t(format_.width) * std::size_t(format_.height));
        for (std::int32_t line = 0; line < format_.height; ++line) {
            const auto row = *reader_.Bytes(stride);
            const std::int32_t y = format_.topDown ? line : format_.height - 1 - line;
            std::uint32_t* out = image_.pixels.data() + std::size_t(y) * std::size_t(format_.width);
            for (std::int32_t x = 0; x < format_.width; ++x)
                out[x] = Pixel(row, std::size_t(x));
        }
        return State::Done;
    }

    std::uint32_t Pixel(std::span<const std::uint8_t> row, std::size_t x) const {
        switch (format_.bitCount) {
        case 1:
            return palette_[(row[x / 8] >> (7 - x % 8)) & 1];
        case 4:
            return palette_[(row[x / 2] >> (x % 2 ? 0 : 4)) & 0x0F];
        case 8:
            return palette_[row[x]];
        case 16:
            return FromMasks(std::uint32_t(row[x * 2]) | (std::uint32_t(row[x * 2 + 1]) << 8));
        case 24:
            return (std::uint32_t(row[x * 3 + 2]) << 16) | (std::uint32_t(row[x * 3 + 1]) << 8) |
                   row[x * 3];
        default:
            return FromMasks(std::uint32_t(row[x * 4]) | (std::uint32_t(row[x * 4 + 1]) << 8) |
                             (std::uint32_t(row[x * 4 + 2]) << 16) |
                             (std::uint32_t(row[x * 4 + 3]) << 24));
        }
    }

    // Scales a masked channel to 8 bits.
    static std::uint32_t Channel(std::uint32_t value, std::uint32_t mask) {
        if (mask == 0)
            return 0;
        const int shift = std::countr_zero(mask);
        const int bits = std::popcount(mask >> shift);
        const std::uint32_t max = bits >= 32 ? 0xFFFFFFFFu : (1u << bits) - 1;
        const std::uint32_t v = (value & mask) >> shift;
        return std::uint32_t((std::uint64_t(v) * 255 + max / 2) / max);
    }

    std::uint32_t FromMasks(std::uint32_t value) const {
        return (Channel(value, format_.masks[0]) << 16) | (Channel(value, format_.masks[1]) << 8) |
               Channel(value, format_.masks[2]);
    }

    ByteReader reader_;
    State state_;
    std::uint32_t pixelOffset_ = 0;
    std::size_t headerStart_ = 0;
    std::uint32_t headerSize_ = 0;
    Format format_;
    std::vector<std::uint32_t> palette_;
    BmpImage image_;
};

} // namespace

BmpImage DecodeBmp(std::span<const std::uint8_t> file) {
    return BmpDecoder(file, true).Run();
}

BmpImage DecodePackedDib(std::span<const std::uint8_t> dib) {
    return BmpDecoder(dib, false).Run();
}

} // namespace win

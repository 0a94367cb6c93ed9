#pragma once
// A bounds-checked little-endian reader over a byte span: every read says how
// many bytes it needs and fails, without moving, when they are not there.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace win {

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t Position() const { return position_; }
    std::size_t Remaining() const { return bytes_.size() - position_; }
    std::size_t Size() const { return bytes_.size(); }

    bool Seek(std::size_t position) {
        if (position > bytes_.size())
            return false;
        position_ = position;
        return true;
    }
    bool Skip(std::size_t count) {
        if (count > Remaining())
            return false;
        position_ += count;
        return true;
    }
    std::optional<std::span<const std::uint8_t>> Bytes(std::size_t count) {
        if (count > Remaining())
            return std::nullopt;
        auto part = bytes_.subspan(position_, count);
        position_ += count;
        return part;
    }
    std::optional<std::uint8_t> U8() {
        if (Remaining() < 1)
            return std::nullopt;
        return bytes_[position_++];
    }
    std::optional<std::uint16_t> U16() {
        auto b = Bytes(2);
        if (!b)
            return std::nullopt;
        return std::uint16_t((*b)[0] | ((*b)[1] << 8));
    }
    std::optional<std::uint32_t> U32() {
        auto b = Bytes(4);
        if (!b)
            return std::nullopt;
        return std::uint32_t((*b)[0]) | (std::uint32_t((*b)[1]) << 8) |
               (std::uint32_t((*b)[2]) << 16) | (std::uint32_t((*b)[3]) << 24);
    }
    std::optional<std::int32_t> I32() {
        auto v = U32();
        if (!v)
            return std::nullopt;
        return static_cast<std::int32_t>(*v);
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

} // namespace win

#pragma once
// Byte helpers shared by the skin tests: memory streams from and to byte vectors,
// and the reference codec driven over byte vectors.

#include "framework/MemoryStream.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace skin::test {

using Bytes = std::vector<std::uint8_t>;

Bytes ToBytes(std::string_view text);
void Fill(fw::TMemoryStream& stream, const Bytes& bytes);
Bytes Contents(fw::TMemoryStream& stream);

// Compress/Decompress over byte vectors.
Bytes Pack(const Bytes& input);
Bytes Unpack(const Bytes& block);
// The literal reference loops: the bit stream only, no length field.
Bytes ReferencePack(const Bytes& input);
Bytes ReferenceUnpack(const Bytes& stream, std::int32_t textSize);

// A 32-bit little-endian length followed by the given bytes.
Bytes Block(std::int32_t length, const Bytes& stream);

struct SkinEntry {
    std::string name; // as the directory holds it (ANSI bytes)
    Bytes data;
};

// An unpacked skin container: head, `padding` bytes of 0xEE, the directory with
// CR LF after every name, the size table and the data. Sizes come from the data
// unless given.
Bytes SkinContainer(std::int32_t version, int padding, const std::vector<SkinEntry>& entries,
                    const std::vector<std::int32_t>& sizes = {});
void AppendInt32(Bytes& bytes, std::int32_t value);

} // namespace skin::test

#pragma once
// Byte helpers shared by the skin tests: memory streams from and to byte vectors,
// and the reference codec driven over byte vectors.

#include "framework/MemoryStream.h"

#include <cstdint>
#include <string_view>
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

} // namespace skin::test

#pragma once
// The framework's fixed-size integer names, as its interfaces spell them.

#include <cstdint>

namespace fw {

using Byte = std::uint8_t;
using Word = std::uint16_t;
using Cardinal = std::uint32_t;
using Integer = std::int32_t;
using Int64 = std::int64_t;

} // namespace fw

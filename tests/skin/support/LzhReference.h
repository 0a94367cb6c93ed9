#pragma once
// A literal transcription of the codec's loops: 16-bit bit buffers, one callback
// call per byte, a forward scan in the model update, byte-by-byte string
// comparisons. Slow on purpose: it is the oracle the optimised codec must match
// bit for bit, and the baseline its speed is measured against. Like the loops it
// transcribes, it reads missing input as zero bits, so feed it well-formed
// blocks only.

#include "skin/WinConvert.h"

#include <cstdint>

namespace skin::reference {

void LZHPack(std::int32_t& Bytes_Written, const TReadProc& GetBytes, const TWriteProc& PutBytes);
void LZHUnpack(std::int32_t TextSize, const TReadProc& GetBytes, const TWriteProc& PutBytes);

} // namespace skin::reference

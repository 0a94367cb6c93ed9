#pragma once
// TLZH, the skin engine's stream compressor (LZHUF: LZSS over a 4096-byte ring,
// adaptive Huffman literals and lengths, prefix-coded offsets), and the
// compressed block that skins and compressed INI texts are stored as: a 32-bit
// little-endian uncompressed length followed by the bit stream.

#include "framework/Exception.h"
#include "framework/Stream.h"

#include <cstdint>
#include <functional>

namespace skin {

class ElzhException : public fw::Exception {
public:
    using fw::Exception::Exception;
};

// Fill DTA with up to NBytes bytes and report how many were delivered.
using TReadProc = std::function<void(void* DTA, std::uint16_t NBytes, std::uint16_t& Bytes_Got)>;
// Take NBytes bytes from DTA.
using TWriteProc =
    std::function<void(const void* DTA, std::uint16_t NBytes, std::uint16_t& Bytes_Put)>;

class TLZH : public fw::TObject {
public:
    // Sources and sinks of the stock callbacks; set by the user, never owned.
    fw::TStream* StreamIn = nullptr;
    fw::TStream* StreamOut = nullptr;

    // Packs everything GetBytes delivers (one byte a call, until a call delivers
    // none); Bytes_Written receives the number of input bytes consumed.
    void LZHPack(std::int32_t& Bytes_Written, const TReadProc& GetBytes,
                 const TWriteProc& PutBytes);
    // Delivers at least TextSize bytes (a damaged stream may overshoot by up to
    // 59); nothing for TextSize <= 0. Raises ElzhException when the bit stream
    // ends before TextSize bytes are out.
    void LZHUnpack(std::int32_t TextSize, const TReadProc& GetBytes, const TWriteProc& PutBytes);

    // The stock callbacks over StreamIn and StreamOut.
    void GetBlockStream(void* DTA, std::uint16_t NBytes, std::uint16_t& Bytes_Got);
    void PutBlockStream(const void* DTA, std::uint16_t NBytes, std::uint16_t& Bytes_Got);
};

// Writes the compressed block of all of source (read from its start) to dest at
// position 0.
void Compress(fw::TStream& source, fw::TStream& dest);
// Unpacks the compressed block at the start of source into dest from position 0.
// A declared length that the bit stream cannot reach raises ElzhException before
// anything is unpacked.
void Decompress(fw::TStream& source, fw::TStream& dest);

} // namespace skin

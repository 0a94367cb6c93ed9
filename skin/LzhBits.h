#pragma once
// Bit input and output of the codec, most significant bit of each byte first.
// Byte sources and sinks are template parameters so that the per-byte path
// compiles down to a buffer access where the caller allows it.

#include <climits>
#include <cstdint>

namespace skin::lzh {

// Sink: void Put(std::uint8_t).
template <class Sink> class BitWriter {
public:
    explicit BitWriter(Sink& sink) : FSink(sink) {}

    // Appends the top `length` bits (at most 32) of a left-aligned code.
    void Put(std::uint32_t bits, int length) {
        FBuffer |= (std::uint64_t(bits) << 32) >> FPending;
        FPending += length;
        while (FPending >= 8) {
            FSink.Put(static_cast<std::uint8_t>(FBuffer >> 56));
            FBuffer <<= 8;
            FPending -= 8;
        }
    }

    // The last partial byte, its unused low bits zero.
    void Flush() {
        if (FPending > 0)
            FSink.Put(static_cast<std::uint8_t>(FBuffer >> 56));
        FBuffer = 0;
        FPending = 0;
    }

private:
    Sink& FSink;
    std::uint64_t FBuffer = 0; // pending bits, left-aligned
    int FPending = 0;
};

// Source: bool Next(std::uint8_t&), false at the end of the input; kRefillAt,
// the number of valid bits at or below which the reader fetches more; and
// kExactFetchTiming, whether fetches must happen exactly when a bit-at-a-time
// reader would make them (callbacks can observe that; a buffer cannot).
// Past the end the reader sees zero bits; consuming one raises Truncated.
template <class Source, class Truncated> class BitReader {
public:
    explicit BitReader(Source& source) : FSource(source) {}

    unsigned ReadBit() {
        Refill();
        const unsigned bit = static_cast<unsigned>(FBuffer >> 63);
        FBuffer <<= 1;
        --FValid;
        Consume(1);
        return bit;
    }

    unsigned ReadByte() {
        Refill();
        const unsigned byte = static_cast<unsigned>(FBuffer >> 56);
        FBuffer <<= 8;
        FValid -= 8;
        Consume(8);
        return byte;
    }

    // The buffered bits, left-aligned, for a caller that walks several of them
    // before it Skips what it used; at most Spendable() of them.
    std::uint64_t Window() {
        Refill();
        return FBuffer;
    }
    int Spendable() const {
        return Source::kExactFetchTiming ? FValid - Source::kRefillAt : FValid;
    }
    void Skip(int bits) {
        FBuffer <<= bits;
        FValid -= bits;
        Consume(bits);
    }

private:
    void Refill() {
        while (FValid <= Source::kRefillAt) {
            std::uint8_t byte = 0;
            if (!FSource.Next(byte) && FEndBit == UINT64_MAX)
                FEndBit = FFetchedBits;
            FBuffer |= std::uint64_t(byte) << (56 - FValid);
            FValid += 8;
            FFetchedBits += 8;
        }
    }

    void Consume(int bits) {
        FConsumedBits += bits;
        if (FConsumedBits > FEndBit)
            Truncated::Raise();
    }

    Source& FSource;
    std::uint64_t FBuffer = 0; // valid bits, left-aligned
    int FValid = 0;
    std::uint64_t FFetchedBits = 0;
    std::uint64_t FConsumedBits = 0;
    std::uint64_t FEndBit = UINT64_MAX; // where the input ran out
};

} // namespace skin::lzh

// The codec's bit stream: hand-derived blocks, the offset prefix code, round
// trips checked bit for bit against the literal reference loops, damaged input.

#include "skin/LzhCoder.h"
#include "skin/WinConvert.h"
#include "tests/skin/support/SkinTestUtil.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace skin::test {
namespace {

// Derived by hand from the initial tree (node 314 + k is the parent of nodes 2k
// and 2k + 1; the code is the parity of each node on the way up, read from the
// root down):
//   literal 0x00:  110001100   (nodes 625 623 618 608 588 549 471 314 0)
//   literal 'A':   111001101   (nodes 625 623 619 610 592 557 487 346 65)
//   length 3 (256): 10001100   (nodes 625 622 616 604 581 535 442 256)
// An empty input still codes one literal: the zeroed ring byte after the spaces.
// Three spaces match the pre-filled ring at distance 1: offset 0 is 000 000000.
struct HandBlock {
    const char* input;
    Bytes block;
};

TEST(LzhCodec, PacksAndUnpacksHandDerivedBlocks) {
    const HandBlock cases[] = {
        {"", {0x00, 0x00, 0x00, 0x00, 0xC6, 0x00}},
        {"A", {0x01, 0x00, 0x00, 0x00, 0xE6, 0x80}},
        {"   ", {0x03, 0x00, 0x00, 0x00, 0x8C, 0x00, 0x00}},
    };
    for (const HandBlock& c : cases) {
        SCOPED_TRACE(std::string("input \"") + c.input + "\"");
        EXPECT_EQ(Pack(ToBytes(c.input)), c.block);
        EXPECT_EQ(Unpack(c.block), ToBytes(c.input));
    }
}

TEST(LzhCodec, OffsetPrefixCodeIsCanonicalByLength) {
    const auto& t = lzh::kOffsetCode;
    const std::uint8_t firstCodes[] = {0x00, 0x20, 0x30, 0x40, 0x50, 0x58, 0x60};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(t.p_code[i], firstCodes[i]) << "index " << i;
    for (int i = 48; i < 64; ++i)
        EXPECT_EQ(t.p_code[i], 0xF0 + (i - 48)) << "index " << i;
    const struct {
        int first, last, length;
    } lengths[] = {{0, 0, 3}, {1, 3, 4}, {4, 11, 5}, {12, 23, 6}, {24, 47, 7}, {48, 63, 8}};
    for (const auto& range : lengths) {
        for (int i = range.first; i <= range.last; ++i) {
            EXPECT_EQ(t.p_len[i], range.length) << "index " << i;
            // Every byte that starts with the code decodes back to the index.
            const int spare = 8 - range.length;
            for (int tail = 0; tail < (1 << spare); ++tail) {
                const int b = t.p_code[i] | tail;
                EXPECT_EQ(t.d_code[b], i);
                EXPECT_EQ(t.d_len[b], range.length);
            }
        }
    }
}

struct ByteVectorSink {
    Bytes bytes;
    void Put(std::uint8_t b) { bytes.push_back(b); }
};

TEST(LzhCodec, EncodesOffsetsAsPrefixCodePlusSixBits) {
    const struct {
        int offset;
        Bytes bits;
    } cases[] = {
        {0x000, {0x00, 0x00}}, // 000 000000
        {0x040, {0x20, 0x00}}, // 0010 000000
        {0x145, {0x58, 0xA0}}, // 01011 000101
        {0xFFF, {0xFF, 0xFC}}, // 11111111 111111
    };
    for (const auto& c : cases) {
        lzh::LzhHuffman model;
        ByteVectorSink sink;
        lzh::Encoder<ByteVectorSink> encoder(model, sink);
        encoder.EncodePosition(c.offset);
        encoder.Flush();
        EXPECT_EQ(sink.bytes, c.bits) << "offset " << c.offset;
    }
}

Bytes Repeat(std::string_view unit, std::size_t size) {
    Bytes out;
    while (out.size() < size)
        out.push_back(static_cast<std::uint8_t>(unit[out.size() % unit.size()]));
    return out;
}

Bytes Random(std::size_t size, unsigned seed, int alphabet) {
    std::mt19937 rng(seed);
    Bytes out(size);
    for (auto& b : out)
        b = static_cast<std::uint8_t>(rng() % alphabet);
    return out;
}

Bytes AllByteValues() {
    Bytes out;
    for (int round = 0; round < 3; ++round)
        for (int b = 0; b < 256; ++b)
            out.push_back(static_cast<std::uint8_t>((b * 37 + round) & 0xFF));
    return out;
}

struct RoundTrip {
    const char* name;
    Bytes input;
};

TEST(LzhCodec, RoundTripsMatchTheReferenceBitForBit) {
    const RoundTrip cases[] = {
        {"single byte", ToBytes("x")},
        {"run of 61", Repeat("x", 61)},
        {"run of 1000", Repeat("x", 1000)},
        {"starts with spaces", ToBytes("      06:00 news\r\n  07:00 weather")},
        {"longer than the ring", Repeat("06:00 morning news\r\n07:30 film\r\n", 5000)},
        {"every byte value", AllByteValues()},
        // Some 40 000 literals push the root count to 0x8000: both sides rebuild.
        {"model rebuild", Random(40000, 1, 256)},
        {"small alphabet", Random(70000, 2, 4)},
    };
    for (const RoundTrip& c : cases) {
        SCOPED_TRACE(c.name);
        const Bytes block = Pack(c.input);
        const Bytes stream(block.begin() + 4, block.end());
        EXPECT_EQ(Block(static_cast<std::int32_t>(c.input.size()), stream), block);
        EXPECT_EQ(stream, ReferencePack(c.input));
        EXPECT_EQ(Unpack(block), c.input);
        EXPECT_EQ(ReferenceUnpack(stream, static_cast<std::int32_t>(c.input.size())), c.input);
    }
}

TEST(LzhCodec, CallbackInterfaceMatchesTheBlockFraming) {
    const Bytes input = Repeat("CCTV-1 综合\r\n", 3000);
    fw::TMemoryStream in, out;
    TLZH lzh;
    lzh.StreamIn = &in;
    lzh.StreamOut = &out;
    const auto get = [&lzh](void* d, std::uint16_t n, std::uint16_t& got) {
        lzh.GetBlockStream(d, n, got);
    };
    const auto put = [&lzh](const void* d, std::uint16_t n, std::uint16_t& got) {
        lzh.PutBlockStream(d, n, got);
    };

    // One object serves several calls, each from a clean state.
    Bytes first;
    for (int call = 0; call < 2; ++call) {
        Fill(in, input);
        out.Clear();
        std::int32_t written = -1;
        lzh.LZHPack(written, get, put);
        EXPECT_EQ(written, static_cast<std::int32_t>(input.size()));
        if (call == 0)
            first = Contents(out);
        else
            EXPECT_EQ(Contents(out), first);
    }
    EXPECT_EQ(Block(static_cast<std::int32_t>(input.size()), first), Pack(input));

    Fill(in, first);
    out.Clear();
    lzh.LZHUnpack(static_cast<std::int32_t>(input.size()), get, put);
    EXPECT_EQ(Contents(out), input);
}

TEST(LzhCodec, NonPositiveSizeReadsAndDeliversNothing) {
    int calls = 0;
    const TReadProc get = [&](void*, std::uint16_t, std::uint16_t& got) {
        ++calls;
        got = 0;
    };
    const TWriteProc put = [&](const void*, std::uint16_t, std::uint16_t&) { ++calls; };
    TLZH lzh;
    lzh.LZHUnpack(0, get, put);
    lzh.LZHUnpack(-5, get, put);
    EXPECT_EQ(calls, 0);
    EXPECT_TRUE(Unpack(Block(-1, {0xC6, 0x00})).empty());
}

TEST(LzhCodec, DecompressReadsFromTheStartWhateverThePosition) {
    const Bytes block = Pack(ToBytes("hello hello hello"));
    fw::TMemoryStream source, dest;
    Fill(source, block);
    source.SetPosition(5);
    Decompress(source, dest);
    EXPECT_EQ(Contents(dest), ToBytes("hello hello hello"));
}

void ExpectTruncated(const Bytes& block) {
    fw::TMemoryStream source, dest;
    Fill(source, block);
    try {
        Decompress(source, dest);
        FAIL() << "no error";
    } catch (const ElzhException& e) {
        EXPECT_STREQ(e.what(), "LZH : Compressed data ends before the declared length");
    }
}

TEST(LzhCodec, RefusesBlocksThatEndBeforeTheirLength) {
    const Bytes text = Random(20000, 3, 16);
    const Bytes block = Pack(text);
    ExpectTruncated(Bytes(block.begin(), block.end() - 1));
    ExpectTruncated(Bytes(block.begin(), block.begin() + block.size() / 2));
    ExpectTruncated(Block(static_cast<std::int32_t>(text.size()), {}));
    // A length that 10 bytes could never produce is refused up front.
    ExpectTruncated(Block(0x7FFFFFFF, Bytes(10, 0)));
    // A declared length one past the true one needs bits the stream lacks.
    ExpectTruncated(
        Block(static_cast<std::int32_t>(text.size()) + 100, Bytes(block.begin() + 4, block.end())));
}

TEST(LzhCodec, CallbackUnpackAlsoStopsAtTheEndOfTheInput) {
    const Bytes block = Pack(Random(5000, 4, 200));
    const Bytes stream(block.begin() + 4, block.end() - 2);
    std::size_t at = 0, delivered = 0;
    const TReadProc get = [&](void* d, std::uint16_t, std::uint16_t& got) {
        got = at < stream.size() ? 1 : 0;
        if (got)
            *static_cast<std::uint8_t*>(d) = stream[at++];
    };
    const TWriteProc put = [&](const void*, std::uint16_t, std::uint16_t&) { ++delivered; };
    TLZH lzh;
    EXPECT_THROW(lzh.LZHUnpack(5000, get, put), ElzhException);
    EXPECT_LT(delivered, 5000u);
}

TEST(LzhCodec, BlockShorterThanItsLengthFieldIsAReadError) {
    EXPECT_THROW(Unpack({0x05, 0x00}), fw::EReadError);
}

} // namespace
} // namespace skin::test

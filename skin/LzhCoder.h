#pragma once
// The packing and unpacking loops of the codec, over any byte source and sink
// (see LzhBits.h for what those provide).

#include "skin/LzhBits.h"
#include "skin/LzhHuffman.h"
#include "skin/LzhMatchTree.h"
#include "skin/LzhOffsetCode.h"

#include <algorithm>
#include <cstdint>

namespace skin::lzh {

// Both sides start from a ring whose first N - F bytes are spaces, so a text
// that starts with spaces is coded from its first byte as a match.
constexpr std::uint8_t kFillByte = 0x20;
constexpr int kStartPosition = N - F;

struct PackTables {
    LzhHuffman huffman;
    LzhMatchTree tree;
};

struct UnpackTables {
    LzhHuffman huffman;
    std::uint8_t text_buf[N];
};

template <class Sink> class Encoder {
public:
    Encoder(LzhHuffman& huffman, Sink& sink) : FHuffman(huffman), FOut(sink) {}

    void EncodeChar(int c) {
        const HuffmanCode code = FHuffman.Code(c);
        FOut.Put(code.bits, code.length);
        FHuffman.Update(c);
    }

    void EncodePosition(int position) {
        const int index = position >> 6;
        FOut.Put(std::uint32_t(kOffsetCode.p_code[index]) << 24, kOffsetCode.p_len[index]);
        FOut.Put(std::uint32_t(position & 0x3F) << 26, 6);
    }

    void Flush() { FOut.Flush(); }

private:
    LzhHuffman& FHuffman;
    BitWriter<Sink> FOut;
};

// Returns the number of input bytes consumed (modulo 2^32, as the 32-bit count
// the interface reports).
template <class Source, class Sink>
std::uint32_t Pack(Source& input, Sink& sink, PackTables& tables) {
    LzhMatchTree& tree = tables.tree;
    auto& text_buf = tree.text_buf;
    Encoder<Sink> encoder(tables.huffman, sink);

    int s = 0;
    int r = kStartPosition;
    std::fill(text_buf.begin(), text_buf.begin() + r, kFillByte);
    int len = 0;
    std::uint8_t c = 0;
    while (len < F && input.Next(c))
        text_buf[r + len++] = c;
    std::uint32_t textsize = static_cast<std::uint32_t>(len);
    for (int i = 1; i <= F; ++i)
        tree.InsertNode(r - i);
    tree.InsertNode(r);

    const auto advance = [&] {
        s = (s + 1) & (N - 1);
        r = (r + 1) & (N - 1);
    };
    do {
        if (tree.match_length > len)
            tree.match_length = len;
        if (tree.match_length <= THRESHOLD) {
            tree.match_length = 1;
            encoder.EncodeChar(text_buf[r]);
        } else {
            encoder.EncodeChar(255 - THRESHOLD + tree.match_length);
            encoder.EncodePosition(tree.match_position);
        }
        const int last = tree.match_length;
        int i = 0;
        for (; i < last && input.Next(c); ++i) {
            tree.DeleteNode(s);
            text_buf[s] = c;
            if (s < F - 1)
                text_buf[s + N] = c;
            advance();
            tree.InsertNode(r);
        }
        textsize += static_cast<std::uint32_t>(i);
        // At the end of the input the look-ahead drains; the count of -1 that an
        // empty input reaches still inserts, as the packer always did.
        for (; i < last; ++i) {
            tree.DeleteNode(s);
            advance();
            if (--len != 0)
                tree.InsertNode(r);
        }
    } while (len > 0);
    encoder.Flush();
    return textsize;
}

template <class Source, class Truncated, class Sink>
void Unpack(std::int32_t textSize, Source& input, Sink& sink, UnpackTables& tables) {
    BitReader<Source, Truncated> in(input);
    LzhHuffman& huffman = tables.huffman;
    std::uint8_t* text_buf = tables.text_buf;
    std::fill(text_buf, text_buf + kStartPosition, kFillByte);
    int r = kStartPosition;

    const auto deliver = [&](std::uint8_t byte) {
        sink.Put(byte);
        text_buf[r] = byte;
        r = (r + 1) & (N - 1);
    };
    const auto decodeChar = [&] {
        // Down the tree a bit at a time, taking the bits from the reader's window.
        int c = huffman.RootChild();
        while (c < T) {
            std::uint64_t window = in.Window();
            const int spendable = in.Spendable();
            int used = 0;
            do {
                c = huffman.Child(c + static_cast<int>(window >> 63));
                window <<= 1;
                ++used;
            } while (c < T && used < spendable);
            in.Skip(used);
        }
        c -= T;
        huffman.Update(c);
        return c;
    };
    const auto decodePosition = [&] {
        unsigned i = in.ReadByte();
        const unsigned upper = unsigned(kOffsetCode.d_code[i]) << 6;
        for (int j = kOffsetCode.d_len[i] - 2; j > 0; --j)
            i = (i << 1) + in.ReadBit();
        return static_cast<int>(upper | (i & 0x3F));
    };

    std::int64_t count = 0;
    while (count < textSize) {
        const int c = decodeChar();
        if (c < 256) {
            deliver(static_cast<std::uint8_t>(c));
            ++count;
        } else {
            const int start = (r - decodePosition() - 1) & (N - 1);
            const int length = c - 255 + THRESHOLD;
            for (int k = 0; k < length; ++k)
                deliver(text_buf[(start + k) & (N - 1)]);
            count += length;
        }
    }
}

} // namespace skin::lzh

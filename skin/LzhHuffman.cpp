#include "skin/LzhHuffman.h"

#include <algorithm>

namespace skin::lzh {

void LzhHuffman::StartHuff() {
    for (int i = 0; i < N_CHAR; ++i) {
        freq[i] = 1;
        son[i] = static_cast<std::int16_t>(i + T);
        prnt[i + T] = static_cast<std::int16_t>(i);
    }
    for (int i = 0, j = N_CHAR; j <= R; i += 2, ++j) {
        freq[j] = static_cast<std::uint16_t>(freq[i] + freq[i + 1]);
        son[j] = static_cast<std::int16_t>(i);
        prnt[i] = prnt[i + 1] = static_cast<std::int16_t>(j);
    }
    freq[T] = 0xFFFF;
    prnt[R] = 0;
}

HuffmanCode LzhHuffman::Code(int symbol) const {
    // Collected from the leaf upwards, so each new bit enters at the top. A
    // 32-bit word keeps codes deeper than 16 levels whole.
    std::uint32_t bits = 0;
    int length = 0;
    int k = prnt[symbol + T];
    do {
        bits >>= 1;
        if (k & 1)
            bits |= 0x80000000u;
        ++length;
        k = prnt[k];
    } while (k != R);
    return {bits, length};
}

// The last node after `node` whose frequency is still below `frequency`. The
// table is ascending and ends in a 0xFFFF sentinel, so after a short look at the
// neighbours a binary search finds the node the plain forward scan would.
[[gnu::always_inline]] inline int LzhHuffman::LastBelow(int node, unsigned frequency) const {
    int above = node + 2;
    for (int step = 0; step < 4 && freq[above] < frequency; ++step)
        ++above;
    if (freq[above] < frequency)
        above = static_cast<int>(std::lower_bound(freq.begin() + above + 1, freq.end(), frequency) -
                                 freq.begin());
    return above - 1;
}

void LzhHuffman::Update(int symbol) {
    if (freq[R] == MAX_FREQ)
        Reconstruct();
    int c = prnt[symbol + T];
    do {
        const unsigned k = ++freq[c];
        // When the order is disturbed, swap this node with the last one of lower
        // frequency, moving whole subtrees.
        if (k > freq[c + 1]) {
            const int l = LastBelow(c, k);
            freq[c] = freq[l];
            freq[l] = static_cast<std::uint16_t>(k);

            const int i = son[c];
            prnt[i] = static_cast<std::int16_t>(l);
            if (i < T)
                prnt[i + 1] = static_cast<std::int16_t>(l);

            const int j = son[l];
            son[l] = static_cast<std::int16_t>(i);
            prnt[j] = static_cast<std::int16_t>(c);
            if (j < T)
                prnt[j + 1] = static_cast<std::int16_t>(c);
            son[c] = static_cast<std::int16_t>(j);

            c = l;
        }
        c = prnt[c];
    } while (c != 0);
}

void LzhHuffman::Reconstruct() {
    // Gather the leaves at the front, halving their counts.
    int j = 0;
    for (int i = 0; i < T; ++i) {
        if (son[i] >= T) {
            freq[j] = static_cast<std::uint16_t>((freq[i] + 1) / 2);
            son[j] = son[i];
            ++j;
        }
    }
    // Join pairs from the front, inserting each parent where its count belongs.
    for (int i = 0, j = N_CHAR; j < T; i += 2, ++j) {
        const unsigned f = freq[i] + freq[i + 1];
        int k = j - 1;
        while (f < freq[k])
            --k;
        ++k;
        std::copy_backward(freq.begin() + k, freq.begin() + j, freq.begin() + j + 1);
        std::copy_backward(son.begin() + k, son.begin() + j, son.begin() + j + 1);
        freq[k] = static_cast<std::uint16_t>(f);
        son[k] = static_cast<std::int16_t>(i);
    }
    for (int i = 0; i < T; ++i) {
        const int k = son[i];
        prnt[k] = static_cast<std::int16_t>(i);
        if (k < T)
            prnt[k + 1] = static_cast<std::int16_t>(i);
    }
}

} // namespace skin::lzh

#pragma once
// The adaptive Huffman model over the codec's 314 symbols (256 literals and 58
// match lengths). Encoder and decoder run the same model and update it after
// every symbol, so both sides always agree on the code.

#include <array>
#include <cstdint>

namespace skin::lzh {

constexpr int N_CHAR = 314;       // 256 literals + match lengths 3..60
constexpr int T = 2 * N_CHAR - 1; // nodes of the tree
constexpr int R = T - 1;          // the root
constexpr std::uint16_t MAX_FREQ = 0x8000;

// A code of up to 32 bits, left-aligned: the first bit sent is bit 31.
struct HuffmanCode {
    std::uint32_t bits;
    int length;
};

class LzhHuffman {
public:
    LzhHuffman() { StartHuff(); }

    void StartHuff();
    HuffmanCode Code(int symbol) const;
    // Rebuilds first when the root has reached MAX_FREQ, then counts the symbol.
    void Update(int symbol);

    int RootChild() const { return son[R]; }
    int Child(int node) const { return son[node]; }

private:
    void Reconstruct();
    int LastBelow(int node, unsigned frequency) const;

    std::array<std::uint16_t, T + 1> freq{};     // ascending; freq[T] is a sentinel
    std::array<std::int16_t, T + N_CHAR> prnt{}; // parents of nodes, then of leaves
    std::array<std::int16_t, T> son{};           // >= T: a leaf; else the left of two children
};

} // namespace skin::lzh

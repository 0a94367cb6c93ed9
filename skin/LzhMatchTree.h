#pragma once
// The packer's ring and its search trees: one binary tree per first byte over
// the strings that start at each ring position, keyed on up to 60 bytes. An
// insertion also finds the longest earlier match (the nearest among equals).

#include <array>
#include <cstdint>

namespace skin::lzh {

constexpr int N = 4096;      // ring size
constexpr int F = 60;        // look-ahead and longest match
constexpr int THRESHOLD = 2; // a match must be longer than this
constexpr int NIL = N;       // no node

class LzhMatchTree {
public:
    LzhMatchTree();

    // The ring plus a mirror of its first F - 1 bytes, so comparisons never wrap.
    // The mirror starts zeroed: near the end of a short input the comparisons
    // read it before the packer has written it.
    std::array<std::uint8_t, N + F - 1> text_buf{};

    void InsertNode(int r);
    void DeleteNode(int p);

    int match_position = 0; // distance - 1 of the best match
    int match_length = 0;

private:
    int CommonLength(int r, int p, int& cmp) const;

    std::array<std::int16_t, N + 1> lson{};
    std::array<std::int16_t, N + 1> dad{};
    std::array<std::int16_t, N + 257> rson{}; // entries N+1.. are the 256 roots
};

} // namespace skin::lzh

#include "skin/LzhMatchTree.h"

#include <bit>
#include <cstring>

namespace skin::lzh {

LzhMatchTree::LzhMatchTree() {
    for (int i = N + 1; i <= N + 256; ++i)
        rson[i] = NIL;
    for (int i = 0; i <= N; ++i)
        dad[i] = NIL;
}

// The number of equal leading bytes of the strings at r and p (the first byte is
// equal by construction: both hang under the same root), up to F; `cmp` receives
// the signed difference of the first unequal bytes. Compares eight bytes a step.
int LzhMatchTree::CommonLength(int r, int p, int& cmp) const {
    const std::uint8_t* key = text_buf.data() + r;
    const std::uint8_t* other = text_buf.data() + p;
    int i = 1;
    for (; i + 8 <= F; i += 8) {
        std::uint64_t a, b;
        std::memcpy(&a, key + i, 8);
        std::memcpy(&b, other + i, 8);
        if (a != b) {
            // Little-endian loads: the first unequal byte is the lowest unequal
            // one, and byte-swapped words order as the strings do. Only the sign
            // of cmp is used.
            i += std::countr_zero(a ^ b) / 8;
            cmp = __builtin_bswap64(a) > __builtin_bswap64(b) ? 1 : -1;
            return i;
        }
    }
    for (; i < F; ++i) {
        cmp = key[i] - other[i];
        if (cmp != 0)
            return i;
    }
    return F;
}

void LzhMatchTree::InsertNode(int r) {
    int cmp = 1;
    int p = N + 1 + text_buf[r];
    rson[r] = lson[r] = NIL;
    match_length = 0;
    for (;;) {
        auto& next = cmp >= 0 ? rson[p] : lson[p];
        if (next == NIL) {
            next = static_cast<std::int16_t>(r);
            dad[r] = static_cast<std::int16_t>(p);
            return;
        }
        p = next;
        const int i = CommonLength(r, p, cmp);
        if (i > THRESHOLD) {
            const int distance = ((r - p) & (N - 1)) - 1;
            if (i > match_length) {
                match_position = distance;
                match_length = i;
                if (match_length >= F)
                    break;
            } else if (i == match_length && distance < match_position) {
                match_position = distance;
            }
        }
    }
    // A full-length match: r replaces p in the tree, p's string is older.
    dad[r] = dad[p];
    lson[r] = lson[p];
    rson[r] = rson[p];
    dad[lson[p]] = static_cast<std::int16_t>(r);
    dad[rson[p]] = static_cast<std::int16_t>(r);
    if (rson[dad[p]] == p)
        rson[dad[p]] = static_cast<std::int16_t>(r);
    else
        lson[dad[p]] = static_cast<std::int16_t>(r);
    dad[p] = NIL;
}

void LzhMatchTree::DeleteNode(int p) {
    if (dad[p] == NIL)
        return;
    int q;
    if (rson[p] == NIL) {
        q = lson[p];
    } else if (lson[p] == NIL) {
        q = rson[p];
    } else {
        q = lson[p];
        if (rson[q] != NIL) {
            do {
                q = rson[q];
            } while (rson[q] != NIL);
            rson[dad[q]] = lson[q];
            dad[lson[q]] = dad[q];
            lson[q] = lson[p];
            dad[lson[p]] = static_cast<std::int16_t>(q);
        }
        rson[q] = rson[p];
        dad[rson[p]] = static_cast<std::int16_t>(q);
    }
    dad[q] = dad[p];
    if (rson[dad[p]] == p)
        rson[dad[p]] = static_cast<std::int16_t>(q);
    else
        lson[dad[p]] = static_cast<std::int16_t>(q);
    dad[p] = NIL;
}

} // namespace skin::lzh

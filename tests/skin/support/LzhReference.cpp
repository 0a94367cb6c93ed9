#include "tests/skin/support/LzhReference.h"

#include <cstring>
#include <memory>

namespace skin::reference {

namespace {

constexpr int N = 4096, F = 60, THRESHOLD = 2, NIL = N;
constexpr int N_CHAR = 256 - THRESHOLD + F, T = N_CHAR * 2 - 1, R = T - 1;
constexpr unsigned MAX_FREQ = 0x8000;

const std::uint8_t p_len[64] = {
    0x03, 0x04, 0x04, 0x04, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x06, 0x06, 0x06, 0x06,
    0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07,
    0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07,
    0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08};

struct State {
    std::uint16_t code = 0, len = 0;
    std::uint16_t getbuf = 0;
    std::uint8_t getlen = 0, putlen = 0;
    std::uint16_t putbuf = 0;
    std::int32_t textsize = 0, codesize = 0;
    std::int16_t match_position = 0, match_length = 0;
    std::uint8_t text_buf[N + F - 1] = {};
    std::int16_t lson[N + 1] = {}, dad[N + 1] = {}, rson[N + 257] = {};
    std::uint16_t freq[T + 1] = {};
    std::int16_t prnt[T + N_CHAR] = {}, son[T] = {};
    std::uint8_t p_code[64] = {}, d_code[256] = {}, d_len[256] = {};
    const TReadProc* get = nullptr;
    const TWriteProc* put = nullptr;

    State() {
        // The canonical codes, written out the long way from the lengths.
        unsigned c = 0;
        for (int i = 0; i < 64; ++i) {
            if (i > 0)
                c = (c + 1) << (p_len[i] - p_len[i - 1]);
            p_code[i] = static_cast<std::uint8_t>(c << (8 - p_len[i]));
        }
        for (int b = 0; b < 256; ++b) {
            for (int i = 0; i < 64; ++i) {
                unsigned mask = (0xFF00u >> p_len[i]) & 0xFF;
                if ((b & mask) == p_code[i]) {
                    d_code[b] = static_cast<std::uint8_t>(i);
                    d_len[b] = p_len[i];
                    break;
                }
            }
        }
    }

    int GetOne(std::uint8_t& b) {
        std::uint16_t got = 0;
        (*get)(&b, 1, got);
        return got;
    }
    void PutOne(std::uint8_t b) {
        std::uint16_t done = 0;
        (*put)(&b, 1, done);
    }

    void InitTree() {
        for (int i = N + 1; i <= N + 256; i++)
            rson[i] = NIL;
        for (int i = 0; i <= N; i++)
            dad[i] = NIL;
    }

    void InsertNode(int r) {
        int i = 0, p, cmp = 1;
        std::uint8_t* key = &text_buf[r];
        p = N + 1 + key[0];
        rson[r] = lson[r] = NIL;
        match_length = 0;
        for (;;) {
            if (cmp >= 0) {
                if (rson[p] != NIL)
                    p = rson[p];
                else {
                    rson[p] = r;
                    dad[r] = p;
                    return;
                }
            } else {
                if (lson[p] != NIL)
                    p = lson[p];
                else {
                    lson[p] = r;
                    dad[r] = p;
                    return;
                }
            }
            for (i = 1; i < F; i++)
                if ((cmp = key[i] - text_buf[p + i]) != 0)
                    break;
            if (i > THRESHOLD) {
                if (i > match_length) {
                    match_position = ((r - p) & (N - 1)) - 1;
                    if ((match_length = i) >= F)
                        break;
                }
                if (i == match_length) {
                    int c = ((r - p) & (N - 1)) - 1;
                    if (c < match_position)
                        match_position = c;
                }
            }
        }
        dad[r] = dad[p];
        lson[r] = lson[p];
        rson[r] = rson[p];
        dad[lson[p]] = r;
        dad[rson[p]] = r;
        if (rson[dad[p]] == p)
            rson[dad[p]] = r;
        else
            lson[dad[p]] = r;
        dad[p] = NIL;
    }

    void DeleteNode(int p) {
        int q;
        if (dad[p] == NIL)
            return;
        if (rson[p] == NIL)
            q = lson[p];
        else if (lson[p] == NIL)
            q = rson[p];
        else {
            q = lson[p];
            if (rson[q] != NIL) {
                do {
                    q = rson[q];
                } while (rson[q] != NIL);
                rson[dad[q]] = lson[q];
                dad[lson[q]] = dad[q];
                lson[q] = lson[p];
                dad[lson[p]] = q;
            }
            rson[q] = rson[p];
            dad[rson[p]] = q;
        }
        dad[q] = dad[p];
        if (rson[dad[p]] == p)
            rson[dad[p]] = q;
        else
            lson[dad[p]] = q;
        dad[p] = NIL;
    }

    // Both reading steps refill the same way: a byte at a time while eight bits
    // or fewer remain, a missing byte reading as 0.
    void Refill() {
        while (getlen <= 8) {
            std::uint8_t b = 0;
            unsigned i = GetOne(b) == 1 ? b : 0;
            getbuf = static_cast<std::uint16_t>(getbuf | (i << (8 - getlen)));
            getlen += 8;
        }
    }

    int GetBit() {
        Refill();
        unsigned i = getbuf;
        getbuf = static_cast<std::uint16_t>(getbuf << 1);
        getlen--;
        return (i >> 15) & 1;
    }

    int GetByte() {
        Refill();
        unsigned i = getbuf;
        getbuf = static_cast<std::uint16_t>(getbuf << 8);
        getlen -= 8;
        return i >> 8;
    }

    void Putcode(int l, unsigned c) {
        putbuf = static_cast<std::uint16_t>(putbuf | (c >> putlen));
        if ((putlen += l) >= 8) {
            PutOne(static_cast<std::uint8_t>(putbuf >> 8));
            if ((putlen -= 8) >= 8) {
                PutOne(static_cast<std::uint8_t>(putbuf));
                codesize += 2;
                putlen -= 8;
                putbuf = static_cast<std::uint16_t>(c << (l - putlen));
            } else {
                putbuf = static_cast<std::uint16_t>(putbuf << 8);
                codesize++;
            }
        }
    }

    void StartHuff() {
        int i, j;
        for (i = 0; i < N_CHAR; i++) {
            freq[i] = 1;
            son[i] = i + T;
            prnt[i + T] = i;
        }
        i = 0;
        j = N_CHAR;
        while (j <= R) {
            freq[j] = freq[i] + freq[i + 1];
            son[j] = i;
            prnt[i] = prnt[i + 1] = j;
            i += 2;
            j++;
        }
        freq[T] = 0xffff;
        prnt[R] = 0;
    }

    void reconst() {
        int i, j, k;
        unsigned f, l;
        j = 0;
        for (i = 0; i < T; i++) {
            if (son[i] >= T) {
                freq[j] = (freq[i] + 1) / 2;
                son[j] = son[i];
                j++;
            }
        }
        for (i = 0, j = N_CHAR; j < T; i += 2, j++) {
            k = i + 1;
            f = freq[j] = freq[i] + freq[k];
            for (k = j - 1; f < freq[k]; k--)
                ;
            k++;
            l = (j - k) * 2;
            std::memmove(&freq[k + 1], &freq[k], l);
            freq[k] = f;
            std::memmove(&son[k + 1], &son[k], l);
            son[k] = i;
        }
        for (i = 0; i < T; i++) {
            if ((k = son[i]) >= T)
                prnt[k] = i;
            else
                prnt[k] = prnt[k + 1] = i;
        }
    }

    void update(int c) {
        int i, j, l;
        unsigned k;
        if (freq[R] == MAX_FREQ)
            reconst();
        c = prnt[c + T];
        do {
            k = ++freq[c];
            if (k > freq[l = c + 1]) {
                while (k > freq[++l])
                    ;
                l--;
                freq[c] = freq[l];
                freq[l] = k;
                i = son[c];
                prnt[i] = l;
                if (i < T)
                    prnt[i + 1] = l;
                j = son[l];
                son[l] = i;
                prnt[j] = c;
                if (j < T)
                    prnt[j + 1] = c;
                son[c] = j;
                c = l;
            }
        } while ((c = prnt[c]) != 0);
    }

    void EncodeChar(unsigned c) {
        unsigned i = 0;
        int j = 0, k = prnt[c + T];
        do {
            i >>= 1;
            if (k & 1)
                i += 0x8000;
            j++;
        } while ((k = prnt[k]) != R);
        Putcode(j, i);
        code = static_cast<std::uint16_t>(i);
        len = static_cast<std::uint16_t>(j);
        update(c);
    }

    void EncodePosition(unsigned c) {
        unsigned i = c >> 6;
        Putcode(p_len[i], unsigned(p_code[i]) << 8);
        Putcode(6, (c & 0x3f) << 10);
    }

    void EncodeEnd() {
        if (putlen) {
            PutOne(static_cast<std::uint8_t>(putbuf >> 8));
            codesize++;
        }
    }

    int DecodeChar() {
        unsigned c = son[R];
        while (c < T) {
            c += GetBit();
            c = son[c];
        }
        c -= T;
        update(c);
        return c;
    }

    int DecodePosition() {
        unsigned i = GetByte(), c, j;
        c = unsigned(d_code[i]) << 6;
        j = d_len[i];
        j -= 2;
        while (j--)
            i = (i << 1) + GetBit();
        return c | (i & 0x3f);
    }
};

} // namespace

void LZHPack(std::int32_t& Bytes_Written, const TReadProc& GetBytes, const TWriteProc& PutBytes) {
    auto st = std::make_unique<State>();
    State& z = *st;
    z.get = &GetBytes;
    z.put = &PutBytes;
    int i, len, r, s, last_match_length;
    std::uint8_t c = 0;
    z.StartHuff();
    z.InitTree();
    s = 0;
    r = N - F;
    for (i = s; i < r; i++)
        z.text_buf[i] = ' ';
    for (len = 0; len < F && z.GetOne(c) == 1; len++)
        z.text_buf[r + len] = c;
    z.textsize = len;
    for (i = 1; i <= F; i++)
        z.InsertNode(r - i);
    z.InsertNode(r);
    do {
        if (z.match_length > len)
            z.match_length = len;
        if (z.match_length <= THRESHOLD) {
            z.match_length = 1;
            z.EncodeChar(z.text_buf[r]);
        } else {
            z.EncodeChar(255 - THRESHOLD + z.match_length);
            z.EncodePosition(z.match_position);
        }
        last_match_length = z.match_length;
        for (i = 0; i < last_match_length && z.GetOne(c) == 1; i++) {
            z.DeleteNode(s);
            z.text_buf[s] = c;
            if (s < F - 1)
                z.text_buf[s + N] = c;
            s = (s + 1) & (N - 1);
            r = (r + 1) & (N - 1);
            z.InsertNode(r);
        }
        z.textsize += i;
        while (i++ < last_match_length) {
            z.DeleteNode(s);
            s = (s + 1) & (N - 1);
            r = (r + 1) & (N - 1);
            if (--len)
                z.InsertNode(r);
        }
    } while (len > 0);
    z.EncodeEnd();
    Bytes_Written = z.textsize;
}

void LZHUnpack(std::int32_t TextSize, const TReadProc& GetBytes, const TWriteProc& PutBytes) {
    if (TextSize <= 0)
        return;
    auto st = std::make_unique<State>();
    State& z = *st;
    z.get = &GetBytes;
    z.put = &PutBytes;
    int i, j, k, r, c;
    std::int32_t count;
    z.StartHuff();
    for (i = 0; i < N - F; i++)
        z.text_buf[i] = ' ';
    r = N - F;
    for (count = 0; count < TextSize;) {
        c = z.DecodeChar();
        if (c < 256) {
            z.PutOne(static_cast<std::uint8_t>(c));
            z.text_buf[r++] = static_cast<std::uint8_t>(c);
            r &= (N - 1);
            count++;
        } else {
            i = (r - z.DecodePosition() - 1) & (N - 1);
            j = c - 255 + THRESHOLD;
            for (k = 0; k < j; k++) {
                c = z.text_buf[(i + k) & (N - 1)];
                z.PutOne(static_cast<std::uint8_t>(c));
                z.text_buf[r++] = static_cast<std::uint8_t>(c);
                r &= (N - 1);
                count++;
            }
        }
    }
}

} // namespace skin::reference

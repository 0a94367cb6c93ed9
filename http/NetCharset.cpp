#include "http/NetCharset.h"

#include <cerrno>
#include <iconv.h>
#include <memory>
#include <vector>

namespace {

std::string Latin1ToUtf8(std::span<const std::uint8_t> bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (std::uint8_t b : bytes) {
        if (b < 0x80) {
            text += static_cast<char>(b);
        } else {
            text += static_cast<char>(0xC0 | (b >> 6));
            text += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return text;
}

struct IconvCloser {
    void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};

} // namespace

std::string CharsetDecode(std::span<const std::uint8_t> ABytes, std::string_view ACharSet) {
    std::string charset(ACharSet);
    iconv_t opened = charset.empty() ? iconv_t(-1) : iconv_open("UTF-8", charset.c_str());
    if (opened == iconv_t(-1)) {
        return Latin1ToUtf8(ABytes);
    }
    std::unique_ptr<void, IconvCloser> cd(opened);
    std::string text;
    std::vector<char> input(ABytes.begin(), ABytes.end());
    char* in = input.data();
    std::size_t inLeft = input.size();
    char chunk[4096];
    while (inLeft > 0) {
        char* out = chunk;
        std::size_t outLeft = sizeof chunk;
        std::size_t result = iconv(static_cast<iconv_t>(cd.get()), &in, &inLeft, &out, &outLeft);
        text.append(chunk, sizeof chunk - outLeft);
        if (result == std::size_t(-1) && errno != E2BIG) {
            // An invalid or cut-off sequence: mark it and go on after its first byte.
            text += '?';
            ++in;
            --inLeft;
        }
    }
    return text;
}

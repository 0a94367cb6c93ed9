#pragma once
// A strict UTF-8 decoder over a byte range: one code point per step, or nothing
// for a malformed sequence (overlong forms, surrogates, values past U+10FFFF,
// stray or missing continuation bytes), which consumes exactly one byte.

#include <optional>
#include <string_view>

namespace archive {

class TUtf8Reader {
public:
    explicit TUtf8Reader(std::string_view bytes) : FBytes(bytes) {}

    bool AtEnd() const { return FPosition >= FBytes.size(); }
    std::optional<char32_t> Next();

    // Whether all of bytes is well-formed UTF-8.
    static bool IsValid(std::string_view bytes);

private:
    // The byte at FPosition + offset, if there is one.
    std::optional<unsigned char> Peek(std::size_t offset) const;

    std::string_view FBytes;
    std::size_t FPosition = 0;
};

} // namespace archive

#pragma once
// Decoding reply bodies to UTF-8 text in the charset the reply names.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Bytes in ACharSet as UTF-8. An empty or unknown charset reads the bytes as
// ISO-8859-1; sequences invalid in the charset become "?".
std::string CharsetDecode(std::span<const std::uint8_t> ABytes, std::string_view ACharSet);

#pragma once
// Character counting over UTF-8 text for widths and precisions that the framework
// counts in characters. A malformed byte counts as one character.

#include <cstddef>
#include <string_view>

namespace fw {

std::size_t Utf8Length(std::string_view text);
// The longest prefix of at most count characters; never splits a sequence.
std::string_view Utf8Prefix(std::string_view text, std::size_t count);

} // namespace fw

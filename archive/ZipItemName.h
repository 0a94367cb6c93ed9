#pragma once
// Zip item names as they reach the disk. A name stored with the UTF-8 flag is
// Unicode already. One stored without it is bytes in whatever code page the
// packer used: packages made on Chinese-language systems store GBK that way.
// With the "C" locale pinned the library hands such a name over one byte per
// character, so the bytes are recovered and decoded here.

#include <string>
#include <string_view>

namespace archive {

enum class TNameEncoding { Utf8Flagged, Unflagged };

// Raw name bytes to UTF-8: as UTF-8 when they are valid UTF-8, else as GBK when
// they are valid GBK, else as code page 437. The result is always valid UTF-8.
std::string DecodeZipItemName(std::string_view raw);

// A name as the library reports it: flagged names, and names holding characters
// above U+00FF (taken from a Unicode path field), are used as given; the others
// are taken as bytes and decoded with DecodeZipItemName.
std::string ItemNameFromLibrary(std::wstring_view name, TNameEncoding encoding);

} // namespace archive

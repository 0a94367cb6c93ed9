#pragma once
// Text encodings at the program's edges. The ANSI code page is the Chinese one
// (GB18030, a superset of GBK and GB2312); everything inside is UTF-8.
//
// Decoding never fails: a byte sequence that cannot be decoded becomes U+FFFD and
// decoding goes on with the next byte; an incomplete sequence at the end becomes
// one U+FFFD. A byte order mark is text like any other (U+FEFF): callers that
// read files strip it themselves. Conversions keep one converter per thread, so
// calling them in a loop costs no set-up per call.

#include <string>
#include <string_view>

namespace win {

std::string AnsiToUtf8(std::string_view bytes);
// Invalid UTF-8 becomes '?', the ANSI code page's default character, as Windows
// writes characters it cannot convert.
std::string Utf8ToAnsi(std::string_view utf8);
std::string Utf16LeToUtf8(std::string_view bytes);
std::string Utf16BeToUtf8(std::string_view bytes);

} // namespace win

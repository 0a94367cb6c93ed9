#pragma once
// HTTP dates as cookies carry them: RFC 1123 ("Sun, 06 Nov 1994 08:49:37 GMT"),
// RFC 850 ("Sunday, 06-Nov-94 08:49:37 GMT"), asctime ("Sun Nov  6 08:49:37 1994")
// and the Netscape form ("Sun, 06-Nov-1994 08:49:37 GMT"), all in GMT.

#include <ctime>
#include <optional>
#include <string_view>

// Seconds since 1970-01-01 00:00 UTC; none when the text is not such a date.
std::optional<std::time_t> ParseHTTPDate(std::string_view text);

#pragma once
// XMLTV time stamps: "YYYYMMDDhhmmss +zzzz", where the clock fields may stop
// after the day, the hour or the minute, and the zone is a numeric offset,
// "Z", "UTC" or "GMT" (no zone means UTC).

#include <cstdint>
#include <optional>
#include <string_view>

namespace xmltv {

struct BroadcastTime {
    std::int64_t utcSeconds; // the instant, seconds since 1970-01-01 UTC
    int offsetMinutes;       // the offset its clock fields were written in
    friend bool operator==(const BroadcastTime&, const BroadcastTime&) = default;
};

std::optional<BroadcastTime> ParseXmltvTime(std::string_view text);

} // namespace xmltv

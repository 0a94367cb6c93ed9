#include "xmltv/XmltvTime.h"

#include "catalogue/ScheduleDays.h"

namespace xmltv {

namespace {

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

// count digits taken from text's start, or -1 (text left as it was).
int TakeDigits(std::string_view& text, std::size_t count) {
    if (text.size() < count) {
        return -1;
    }
    int value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (!IsDigit(text[i])) {
            return -1;
        }
        value = value * 10 + (text[i] - '0');
    }
    text.remove_prefix(count);
    return value;
}

void SkipBlanks(std::string_view& text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
}

// "+0800", "-05:30", "+08", "Z", "UTC", "GMT"; nothing at all is UTC.
std::optional<int> ParseZone(std::string_view zone) {
    if (zone.empty() || zone == "Z" || zone == "UTC" || zone == "GMT") {
        return 0;
    }
    if (zone.front() != '+' && zone.front() != '-') {
        return std::nullopt;
    }
    const bool west = zone.front() == '-';
    zone.remove_prefix(1);
    const int hours = TakeDigits(zone, 2);
    if (!zone.empty() && zone.front() == ':') {
        zone.remove_prefix(1);
    }
    const int minutes = zone.empty() ? 0 : TakeDigits(zone, 2);
    if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59 || !zone.empty()) {
        return std::nullopt;
    }
    const int offset = hours * 60 + minutes;
    return west ? -offset : offset;
}

} // namespace

std::optional<BroadcastTime> ParseXmltvTime(std::string_view text) {
    SkipBlanks(text);
    const catalogue::CivilDate date{TakeDigits(text, 4), TakeDigits(text, 2), TakeDigits(text, 2)};
    if (!catalogue::IsValidDate(date)) {
        return std::nullopt;
    }
    int clock[3] = {0, 0, 0};
    for (int& field : clock) {
        if (text.empty() || !IsDigit(text.front())) {
            break;
        }
        field = TakeDigits(text, 2);
        if (field < 0) {
            return std::nullopt;
        }
    }
    // A leap second is taken as the last second of its minute.
    if (clock[0] > 23 || clock[1] > 59 || clock[2] > 60) {
        return std::nullopt;
    }
    SkipBlanks(text);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    const std::optional<int> offset = ParseZone(text);
    if (!offset) {
        return std::nullopt;
    }
    const std::int64_t local = catalogue::DayNumberOf(date) * 86400 + clock[0] * 3600 +
                               clock[1] * 60 + (clock[2] > 59 ? 59 : clock[2]);
    return BroadcastTime{local - std::int64_t{*offset} * 60, *offset};
}

} // namespace xmltv

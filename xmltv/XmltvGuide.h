#pragma once
// An XMLTV document as the converter keeps it: its channels in document order,
// each with its names and its programmes (the few fields a schedule line needs).

#include "framework/Stream.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace xmltv {

struct Programme {
    std::int64_t start; // UTC seconds since 1970
    std::int32_t offsetMinutes;
    std::uint32_t line; // where it starts in the document, for messages
    // Its title in the channel's titles.
    std::uint32_t titleAt;
    std::uint32_t titleLength;
};

struct Channel {
    std::string id;
    // Display names, those in Chinese first, then in document order.
    std::vector<std::string> displayNames;
    std::vector<Programme> programmes; // document order
    // The titles of all its programmes one after another: a feed holds a great
    // many short titles, which would otherwise cost an allocation each.
    std::string titles;

    std::string_view Title(const Programme& programme) const {
        return std::string_view(titles).substr(programme.titleAt, programme.titleLength);
    }
    // Raises EXmltvError when the titles outgrow what a programme can address.
    void AddProgramme(std::int64_t start, std::int32_t offsetMinutes, std::uint32_t line,
                      std::string_view title);
    // Moves other's programmes to the end of this channel's.
    void TakeProgrammes(Channel& other);
};

struct XmltvGuide {
    std::vector<Channel> channels;
};

// Told one line for each element the reader or writer had to leave out, e.g.
// "line 12: programme skipped: start time "2026" is not an XMLTV time".
using SkipReport = std::function<void(const std::string&)>;

// Reads a whole document (plain or gzip) from the stream's position as a
// stream of nodes: memory grows with the programmes kept, not with the
// document. Raises EXmltvError when the document is not well-formed, is not a
// <tv> document or its compression is damaged; an element that cannot be used
// (a channel without an id, a programme without a usable start, title or
// channel) is reported and left out.
XmltvGuide ReadXmltv(fw::TStream& document, const SkipReport& skipped);

} // namespace xmltv

#pragma once
// An XMLTV document turned into a catalogue folder: one category folder per
// category met, one UTF-8 schedule file (with its byte-order mark) per channel,
// its programmes sorted by start, duplicates removed, under a header per day.

#include "framework/Stream.h"
#include "xmltv/XmltvGuide.h"

#include <cstddef>
#include <string>

namespace xmltv {

struct ConversionCounts {
    std::size_t channels;
    std::size_t programmes;
};

// A schedule file's text for one channel's programmes, and how many lines of
// programmes it holds; sorts the channel's programmes and drops duplicates.
struct ScheduleFile {
    std::string text;
    std::size_t programmes;
};
ScheduleFile ScheduleFileText(Channel& channel);

// Writes the guide's catalogue into folder, which must not exist or be empty.
// The files are written beside it first and moved into place in one rename, so
// on failure (EXmltvError, or the framework's file errors) folder is as it was.
ConversionCounts WriteCatalogue(XmltvGuide guide, const std::string& folder);

// ReadXmltv, then WriteCatalogue; a document without a channel raises
// EXmltvError and writes nothing.
ConversionCounts ConvertXmltv(fw::TStream& document, const std::string& folder,
                              const SkipReport& skipped);

// The same into a staging folder the caller made (existing and empty) and
// swaps into place itself: the files are written straight into it, and on
// failure what was written stays for the caller to remove.
ConversionCounts FillCatalogueFolder(fw::TStream& document, const std::string& stagingFolder,
                                     const SkipReport& skipped);

} // namespace xmltv

#pragma once
// Schedule files: plain text in UTF-8, UTF-16 or GBK, shown line by line.

#include <string>
#include <string_view>
#include <vector>

namespace catalogue {

enum class ScheduleEncoding { Utf8, Utf16Le, Utf16Be, Gbk };

// The encoding the file's first bytes declare (UTF-8, UTF-16 LE or BE marker
// bytes); without marker bytes, UTF-8 when the whole text is valid UTF-8, else
// GBK. MarkerLength is what the decoder skips.
struct ScheduleFormat {
    ScheduleEncoding encoding;
    std::size_t markerLength;
};
ScheduleFormat DetectScheduleFormat(std::string_view bytes);

// The file's text as UTF-8 lines: split at CR LF, lone CR and lone LF, with no
// empty last line for a final break; a NUL character ends the text. Bytes that
// cannot be decoded become U+FFFD.
std::vector<std::string> DecodeScheduleText(std::string_view bytes);

// Reads the whole file and decodes it; raises the framework's stream errors when
// the file cannot be opened or read.
std::vector<std::string> ReadScheduleFile(const std::string& path);

} // namespace catalogue

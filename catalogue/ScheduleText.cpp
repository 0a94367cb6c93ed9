#include "catalogue/ScheduleText.h"

#include "catalogue/Utf8Text.h"
#include "framework/FileStream.h"
#include "platform/kernel/CodePage.h"

namespace catalogue {

namespace {

bool StartsWith(std::string_view bytes, std::string_view marker) {
    return bytes.substr(0, marker.size()) == marker;
}

std::string DecodeToUtf8(std::string_view bytes, ScheduleFormat format) {
    const std::string_view body = bytes.substr(format.markerLength);
    switch (format.encoding) {
    case ScheduleEncoding::Utf8:
        return RepairUtf8(body);
    case ScheduleEncoding::Utf16Le:
        return win::Utf16LeToUtf8(body);
    case ScheduleEncoding::Utf16Be:
        return win::Utf16BeToUtf8(body);
    case ScheduleEncoding::Gbk:
        break;
    }
    return win::AnsiToUtf8(body);
}

// Two states: inside a line, or just after a CR, whose LF (if one follows)
// belongs to the same break. The text ends at its first NUL character.
std::vector<std::string> SplitLines(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    std::vector<std::string> lines;
    enum class State { InLine, AfterCr } state = State::InLine;
    std::size_t lineStart = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char ch = text[at];
        if (ch == '\n' && state == State::AfterCr) {
            lineStart = at + 1;
            state = State::InLine;
        } else if (ch == '\r' || ch == '\n') {
            lines.emplace_back(text.substr(lineStart, at - lineStart));
            lineStart = at + 1;
            state = ch == '\r' ? State::AfterCr : State::InLine;
        } else {
            state = State::InLine;
        }
    }
    if (lineStart < text.size()) {
        lines.emplace_back(text.substr(lineStart));
    }
    return lines;
}

} // namespace

ScheduleFormat DetectScheduleFormat(std::string_view bytes) {
    if (StartsWith(bytes, "\xEF\xBB\xBF")) {
        return {ScheduleEncoding::Utf8, 3};
    }
    if (StartsWith(bytes, "\xFF\xFE")) {
        return {ScheduleEncoding::Utf16Le, 2};
    }
    if (StartsWith(bytes, "\xFE\xFF")) {
        return {ScheduleEncoding::Utf16Be, 2};
    }
    return {IsValidUtf8(bytes) ? ScheduleEncoding::Utf8 : ScheduleEncoding::Gbk, 0};
}

std::vector<std::string> DecodeScheduleText(std::string_view bytes) {
    return SplitLines(DecodeToUtf8(bytes, DetectScheduleFormat(bytes)));
}

// Other readers may share the file, writers may not (where the system enforces
// share modes). The whole file is read before anything is decoded.
std::vector<std::string> ReadScheduleFile(const std::string& path) {
    fw::TFileStream stream(path, fw::fmOpenRead | fw::fmShareDenyWrite);
    std::string bytes(static_cast<std::size_t>(stream.Size()), '\0');
    stream.ReadBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    return DecodeScheduleText(bytes);
}

} // namespace catalogue

#include "platform/kernel/CodePage.h"

#include "platform/kernel/IconvConverter.h"
#include "platform/kernel/Utf16Decoder.h"

namespace win {

namespace {
constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";
} // namespace

std::string AnsiToUtf8(std::string_view bytes) {
    thread_local IconvConverter converter("UTF-8", "GB18030");
    return converter.Convert(bytes, kReplacementCharacter);
}

std::string Utf8ToAnsi(std::string_view utf8) {
    thread_local IconvConverter converter("GB18030", "UTF-8");
    return converter.Convert(utf8, "?");
}

std::string Utf16LeToUtf8(std::string_view bytes) {
    return Utf16Decoder(Utf16Decoder::ByteOrder::LittleEndian).Decode(bytes);
}

std::string Utf16BeToUtf8(std::string_view bytes) {
    return Utf16Decoder(Utf16Decoder::ByteOrder::BigEndian).Decode(bytes);
}

} // namespace win

// Property texts as a form definition would give them: integers, colours, sets.
// Each either parses or is refused; nothing crashes.

#include "framework/Color.h"
#include "framework/EnumInfo.h"
#include "framework/Exception.h"
#include "framework/StringUtils.h"
#include "framework/TypInfo.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        fw::StrToInt64(text);
    } catch (const fw::EConvertError&) {
    }
    try {
        fw::StringToColor(text);
    } catch (const fw::EConvertError&) {
    }
    static const fw::TEnumInfo styles("TFontStyle", {"fsBold", "fsItalic", "fsUnderline"});
    if (const auto bits = fw::StringToSet(styles, text))
        fw::SetToString(styles, *bits, true);
    return 0;
}

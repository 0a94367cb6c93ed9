// Schedule decoding of arbitrary bytes: never a crash, and every line is valid
// UTF-8 without line breaks or NUL characters.

#include "catalogue/ScheduleText.h"
#include "catalogue/Utf8Text.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const std::string& line : catalogue::DecodeScheduleText(bytes)) {
        if (!catalogue::IsValidUtf8(line) ||
            line.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos) {
            std::abort();
        }
    }
    return 0;
}

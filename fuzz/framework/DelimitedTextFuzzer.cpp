// Splitting delimited text and joining it again must give back the same items.

#include "framework/DelimitedText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const fw::TDelimitedTextFormat format{static_cast<char>(data[0]), static_cast<char>(data[1]),
                                          (data[0] & 1) != 0};
    // A delimiter that is also the quote or a blank makes the text ambiguous.
    const bool roundTrips = format.delimiter != format.quote &&
                            static_cast<unsigned char>(format.delimiter) > ' ' &&
                            static_cast<unsigned char>(format.quote) > ' ';
    const std::string_view text(reinterpret_cast<const char*>(data) + 2, size - 2);
    const auto items = fw::SplitDelimitedText(text, format);
    if (roundTrips && fw::SplitDelimitedText(fw::JoinDelimitedText(items, format), format) != items)
        std::abort();
    fw::ForEachLine(text, [](std::string_view) {});
    return 0;
}

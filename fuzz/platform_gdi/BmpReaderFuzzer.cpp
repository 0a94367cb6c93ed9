// Feeds arbitrary bytes to the BMP decoder as a file and as a packed DIB; the
// image must either be empty or hold exactly width x height pixels.

#include "platform/gdi/BmpReader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    for (const win::BmpImage& image : {win::DecodeBmp(bytes), win::DecodePackedDib(bytes)}) {
        if (!image.IsEmpty() &&
            image.pixels.size() != std::size_t(image.width) * std::size_t(image.height))
            std::abort();
    }
    return 0;
}

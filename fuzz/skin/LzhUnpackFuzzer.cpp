// Any bytes as a compressed block: the unpacker either delivers at most the
// declared length plus the tail of one match, or reports a clear error.

#include "framework/Exception.h"
#include "framework/MemoryStream.h"
#include "skin/WinConvert.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fw::TMemoryStream source, dest;
    source.WriteBuffer(data, static_cast<std::int64_t>(size));
    try {
        skin::Decompress(source, dest);
    } catch (const skin::ElzhException&) {
        return 0;
    } catch (const fw::EReadError&) {
        return 0;
    }
    std::int32_t declared = 0;
    if (size >= 4)
        declared = static_cast<std::int32_t>(data[0] | data[1] << 8 | data[2] << 16 |
                                             std::uint32_t(data[3]) << 24);
    const std::int64_t limit = declared > 0 ? std::int64_t(declared) + 59 : 0;
    if (dest.Size() > limit)
        std::abort();
    return 0;
}

// The image list's binary property of any shape: it is read whole or refused
// with a read error, leaving the list as it was; it never crashes or overflows.

#include "framework/Exception.h"
#include "framework/MemoryStream.h"
#include "framework/gui/ImageList.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto list = fw::MakeComponent<fw::TImageList>();
    fw::TMemoryStream stream;
    stream.WriteBuffer(data, static_cast<std::int64_t>(size));
    stream.SetPosition(0);
    try {
        list->ReadData(stream);
    } catch (const fw::EReadError&) {
        return 0;
    }
    // What was read writes back to the same bytes.
    fw::TMemoryStream written;
    list->WriteData(written);
    if (written.Size() != static_cast<std::int64_t>(size))
        __builtin_trap();
    return 0;
}

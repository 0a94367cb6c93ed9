// Icon files of any shape: read whole or refused with EInvalidGraphic, leaving
// the icon as it was; never a crash, an overflow or an icon handle left behind.

#include "framework/MemoryStream.h"
#include "framework/gui/Bitmap.h"
#include "framework/gui/Icon.h"
#include "platform/gdi/Icons.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const win::UINT iconsBefore = win::IconCount();
    {
        fw::TIcon icon;
        try {
            icon.LoadFromBytes(std::span<const std::uint8_t>(data, size));
        } catch (const fw::EInvalidGraphic&) {
            if (!icon.Empty())
                __builtin_trap();
            return 0;
        }
        if (icon.Empty() || icon.Width() <= 0 || icon.Width() > 1024 || !icon.SmallHandle())
            __builtin_trap();
        // What was read writes back to the same bytes.
        fw::TMemoryStream written;
        icon.SaveToStream(written);
        if (written.Size() != static_cast<std::int64_t>(size))
            __builtin_trap();
    }
    if (win::IconCount() != iconsBefore)
        __builtin_trap();
    return 0;
}

#pragma once
// An icon read from the bytes of an icon file (.ico): the image nearest the
// system's large icon size and the one nearest its small size, each as an
// icon handle the icon owns. A form definition stores it as the binary
// property "Data" (the file's bytes as they are).

#include "framework/NotifyEvent.h"
#include "framework/Persistent.h"
#include "platform/gdi/GdiTypes.h"

#include <cstdint>
#include <memory>
#include <span>
#include <type_traits>
#include <vector>

namespace fw {

class TStream;

class TIcon : public TPersistent {
    FW_CLASS(TIcon, TPersistent)

    TIcon();
    ~TIcon() override;

    void Assign(const TPersistent& source) override;

    // The large icon (null while empty) and the small one for captions and task lists.
    win::HICON Handle() const { return FLarge.get(); }
    win::HICON SmallHandle() const { return FSmall.get(); }
    // Size of the large icon's image.
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    bool Empty() const { return !FLarge; }

    // EInvalidGraphic "Icon image is not valid" for bytes that are no icon file
    // or whose chosen images cannot be read; the icon is unchanged then.
    // PNG-compressed images are passed over.
    void LoadFromBytes(std::span<const std::uint8_t> bytes);
    void LoadFromStream(TStream& stream);
    // Writes the icon file's bytes as they were read (nothing while empty).
    void SaveToStream(TStream& stream) const;
    void ReadData(TStream& stream);
    void WriteData(TStream& stream) const;

    TNotifyEvent OnChange;

private:
    struct TIconDeleter {
        void operator()(win::HICON icon) const;
    };
    using TIconHandle = std::unique_ptr<std::remove_pointer_t<win::HICON>, TIconDeleter>;

    TIconHandle FLarge;
    TIconHandle FSmall;
    int FWidth = 0;
    int FHeight = 0;
    std::vector<std::uint8_t> FBytes;
};

} // namespace fw

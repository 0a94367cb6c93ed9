#pragma once
// A picture held by an image control: a BMP or JPEG file's bytes, decoded into
// a bitmap. A form definition stores it as the binary property "Data" (the
// file's bytes as they are, told apart by their signature).

#include "framework/NotifyEvent.h"
#include "framework/Persistent.h"
#include "framework/gui/Bitmap.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace fw {

class TStream;

class TPicture : public TPersistent {
    FW_CLASS(TPicture, TPersistent)

    TPicture();
    ~TPicture() override;

    void Assign(const TPersistent& source) override;

    TBitmap* Bitmap() const { return FBitmap.get(); }
    int Width() const { return FBitmap->Width(); }
    int Height() const { return FBitmap->Height(); }
    bool Empty() const { return FBitmap->Empty(); }

    // EInvalidGraphic "Unknown picture file format" for bytes that are neither
    // BMP nor JPEG, or the decoder's error; the picture is unchanged then.
    void LoadFromBytes(std::span<const std::uint8_t> bytes);
    void LoadFromStream(TStream& stream);
    void ReadData(TStream& stream);
    void WriteData(TStream& stream) const;

    TNotifyEvent OnChange;

private:
    std::unique_ptr<TBitmap> FBitmap;
    std::vector<std::uint8_t> FBytes;
};

} // namespace fw

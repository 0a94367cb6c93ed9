#include "framework/gui/Picture.h"

#include "framework/ClassBuilder.h"
#include "framework/MemoryStream.h"
#include "framework/Stream.h"
#include "framework/gui/JpegDecoder.h"

namespace fw {

const TClassInfo& TPicture::StaticClass() {
    static const TClassInfo info = TClassBuilder<TPicture, TPersistent>("TPicture")
                                       .Property("Bitmap", &TPicture::Bitmap)
                                       .Binary("Data", &TPicture::ReadData, &TPicture::WriteData)
                                       .Build();
    return info;
}

TPicture::TPicture() : FBitmap(std::make_unique<TBitmap>()) {}

TPicture::~TPicture() = default;

void TPicture::Assign(const TPersistent& source) {
    if (const auto* picture = dynamic_cast<const TPicture*>(&source)) {
        FBitmap->Assign(*picture->FBitmap);
        FBytes = picture->FBytes;
    } else if (const auto* bitmap = dynamic_cast<const TBitmap*>(&source)) {
        FBitmap->Assign(*bitmap);
        FBytes.clear();
    } else {
        TPersistent::Assign(source);
        return;
    }
    if (OnChange)
        OnChange(this);
}

void TPicture::LoadFromBytes(std::span<const std::uint8_t> bytes) {
    auto bitmap = std::make_unique<TBitmap>();
    if (IsJpeg(bytes))
        DecodeJpeg(bytes, *bitmap);
    else if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') {
        TMemoryStream stream;
        stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
        stream.SetPosition(0);
        bitmap->LoadFromStream(stream);
    } else
        throw EInvalidGraphic("Unknown picture file format");
    FBitmap = std::move(bitmap);
    FBytes.assign(bytes.begin(), bytes.end());
    if (OnChange)
        OnChange(this);
}

void TPicture::LoadFromStream(TStream& stream) {
    const std::int64_t size = stream.Size() - stream.Position();
    if (size <= 0 || size > 0x7FFFFFFF)
        throw EInvalidGraphic("Unknown picture file format");
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    stream.ReadBuffer(bytes.data(), size);
    LoadFromBytes(bytes);
}

void TPicture::ReadData(TStream& stream) {
    LoadFromStream(stream);
}

void TPicture::WriteData(TStream& stream) const {
    stream.WriteBuffer(FBytes.data(), static_cast<std::int64_t>(FBytes.size()));
}

} // namespace fw

#include "framework/gui/Icon.h"

#include "framework/ClassBuilder.h"
#include "framework/Stream.h"
#include "framework/gui/Bitmap.h"
#include "platform/gdi/ByteReader.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Icons.h"
#include "platform/gdi/SystemMetrics.h"

#include <algorithm>

namespace fw {

namespace {

// One image of an icon file, as its directory lists it.
struct TIconEntry {
    int width = 0;
    int height = 0;
    int bitCount = 0;
    std::span<const std::uint8_t> image;
};

bool IsPng(std::span<const std::uint8_t> image) {
    static constexpr std::uint8_t signature[4] = {0x89, 'P', 'N', 'G'};
    return image.size() >= 4 && std::equal(signature, signature + 4, image.begin());
}

// The directory of an icon file, less the PNG-compressed images the platform
// cannot make icons of; empty when the bytes are not an icon file.
std::vector<TIconEntry> ReadDirectory(std::span<const std::uint8_t> bytes) {
    win::ByteReader reader(bytes);
    const auto reserved = reader.U16();
    const auto type = reader.U16();
    const auto count = reader.U16();
    if (!reserved || !type || !count || *reserved != 0 || *type != 1)
        return {};
    std::vector<TIconEntry> entries;
    for (int i = 0; i < *count; ++i) {
        const auto width = reader.U8();
        const auto height = reader.U8();
        const bool skipped = reader.Skip(4); // colour count, reserved, planes
        const auto bitCount = reader.U16();
        const auto size = reader.U32();
        const auto offset = reader.U32();
        if (!width || !height || !skipped || !bitCount || !size || !offset)
            return {};
        if (*offset > bytes.size() || *size > bytes.size() - *offset || *size == 0)
            return {};
        const auto image = bytes.subspan(*offset, *size);
        // A side of 256 is written as 0.
        if (!IsPng(image))
            entries.push_back({*width ? *width : 256, *height ? *height : 256, *bitCount, image});
    }
    return entries;
}

// The image that suits a side best: the exact size, else the nearest larger
// one (shrinking looks better than growing), else the largest; among equal
// sizes the one with the most colours.
const TIconEntry* BestEntry(const std::vector<TIconEntry>& entries, int side) {
    const TIconEntry* best = nullptr;
    auto score = [side](const TIconEntry& entry) {
        const int distance = entry.width - side;
        // Exact first, then larger ones by nearness, then smaller ones by nearness.
        return distance == 0 ? 0 : distance > 0 ? distance : 100000 - distance;
    };
    for (const TIconEntry& entry : entries)
        if (!best || score(entry) < score(*best) ||
            (score(entry) == score(*best) && entry.bitCount > best->bitCount))
            best = &entry;
    return best;
}

[[noreturn]] void InvalidIcon() {
    throw EInvalidGraphic("Icon image is not valid");
}

} // namespace

const TClassInfo& TIcon::StaticClass() {
    static const TClassInfo info = TClassBuilder<TIcon, TPersistent>("TIcon")
                                       .Property("Width", &TIcon::Width)
                                       .Property("Height", &TIcon::Height)
                                       .Binary("Data", &TIcon::ReadData, &TIcon::WriteData)
                                       .Build();
    return info;
}

void TIcon::TIconDeleter::operator()(win::HICON icon) const {
    win::DestroyIcon(icon);
}

TIcon::TIcon() = default;

TIcon::~TIcon() = default;

void TIcon::Assign(const TPersistent& source) {
    const auto* icon = dynamic_cast<const TIcon*>(&source);
    if (!icon) {
        TPersistent::Assign(source);
        return;
    }
    if (icon == this)
        return;
    if (icon->Empty()) {
        FLarge.reset();
        FSmall.reset();
        FWidth = FHeight = 0;
        FBytes.clear();
        if (OnChange)
            OnChange(this);
        return;
    }
    // The source's bytes were read once already, so they read again.
    LoadFromBytes(icon->FBytes);
}

void TIcon::LoadFromBytes(std::span<const std::uint8_t> bytes) {
    const std::vector<TIconEntry> entries = ReadDirectory(bytes);
    if (entries.empty())
        InvalidIcon();
    auto make = [&entries](int side) {
        const TIconEntry* entry = BestEntry(entries, side);
        return TIconHandle(win::CreateIconFromResourceEx(
            entry->image.data(), static_cast<win::DWORD>(entry->image.size()), win::TRUE,
            0x00030000, 0, 0, 0));
    };
    TIconHandle large = make(win::GetSystemMetrics(win::SM_CXICON));
    TIconHandle small = make(win::GetSystemMetrics(win::SM_CXSMICON));
    if (!large || !small)
        InvalidIcon();
    win::ICONINFO info;
    if (!win::GetIconInfo(large.get(), &info))
        InvalidIcon();
    win::BITMAP bitmap{};
    win::GetObject(info.hbmMask, sizeof(bitmap), &bitmap);
    win::DeleteObject(info.hbmMask);
    win::DeleteObject(info.hbmColor);
    FLarge = std::move(large);
    FSmall = std::move(small);
    FWidth = bitmap.bmWidth;
    FHeight = bitmap.bmHeight;
    FBytes.assign(bytes.begin(), bytes.end());
    if (OnChange)
        OnChange(this);
}

void TIcon::LoadFromStream(TStream& stream) {
    const std::int64_t size = stream.Size() - stream.Position();
    if (size <= 0 || size > 0x7FFFFFFF)
        InvalidIcon();
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    stream.ReadBuffer(bytes.data(), size);
    LoadFromBytes(bytes);
}

void TIcon::SaveToStream(TStream& stream) const {
    stream.WriteBuffer(FBytes.data(), static_cast<std::int64_t>(FBytes.size()));
}

void TIcon::ReadData(TStream& stream) {
    LoadFromStream(stream);
}

void TIcon::WriteData(TStream& stream) const {
    SaveToStream(stream);
}

} // namespace fw

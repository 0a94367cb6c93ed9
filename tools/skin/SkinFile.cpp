#include "tools/skin/SkinFile.h"

#include "framework/MemoryStream.h"
#include "skin/SkinRead.h"
#include "skin/WinConvert.h"

namespace skinart {

namespace {

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(std::uint8_t(value >> shift));
}

} // namespace

std::vector<std::uint8_t> SkinContainer(const std::vector<TSkinEntry>& entries) {
    constexpr std::int32_t kVersion = 70000;
    std::string directory;
    for (const TSkinEntry& entry : entries)
        directory += entry.name + "\r\n";
    std::vector<std::uint8_t> out;
    Put32(out, kVersion);
    Put32(out, std::uint32_t(directory.size()));
    Put32(out, 0);
    Put32(out, 0);
    out.resize(out.size() + std::size_t(skin::SkinPaddingLength(kVersion)), 0);
    out.insert(out.end(), directory.begin(), directory.end());
    for (const TSkinEntry& entry : entries)
        Put32(out, std::uint32_t(entry.data.size()));
    for (const TSkinEntry& entry : entries)
        out.insert(out.end(), entry.data.begin(), entry.data.end());
    return out;
}

std::vector<std::uint8_t> PackSkinFile(const std::vector<std::uint8_t>& container) {
    fw::TMemoryStream source;
    source.WriteBuffer(container.data(), std::int64_t(container.size()));
    fw::TMemoryStream packed;
    skin::Compress(source, packed);
    const auto* bytes = static_cast<const std::uint8_t*>(packed.Memory());
    return std::vector<std::uint8_t>(bytes, bytes + packed.Size());
}

} // namespace skinart

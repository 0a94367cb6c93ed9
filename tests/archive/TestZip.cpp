#include "tests/archive/TestZip.h"

#include <array>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace archive::test {

namespace {

std::uint32_t Crc32(const std::string& data) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char b : data)
        crc = table[(crc ^ b) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

class TBytes {
public:
    void U16(std::uint32_t v) {
        FOut += char(v & 0xFF);
        FOut += char((v >> 8) & 0xFF);
    }
    void U32(std::uint32_t v) {
        U16(v & 0xFFFF);
        U16(v >> 16);
    }
    void Raw(const std::string& s) { FOut += s; }
    std::uint32_t Size() const { return static_cast<std::uint32_t>(FOut.size()); }
    const std::string& Bytes() const { return FOut; }

private:
    std::string FOut;
};

constexpr std::uint32_t kDosTime = 0x6000; // 12:00:00
constexpr std::uint32_t kDosDate = 0x5A21; // 2025-01-01

} // namespace

std::string BuildZip(const std::vector<TZipEntry>& entries) {
    TBytes zip;
    TBytes central;
    for (const TZipEntry& e : entries) {
        const std::uint32_t offset = zip.Size();
        const std::uint32_t crc = static_cast<std::uint32_t>(Crc32(e.data) + e.crcDelta);
        const std::uint32_t flags = e.utf8Flag ? 0x800 : 0;
        const std::uint32_t size = static_cast<std::uint32_t>(e.data.size());
        zip.U32(0x04034B50);
        zip.U16(20);
        zip.U16(flags);
        zip.U16(0);
        zip.U16(kDosTime);
        zip.U16(kDosDate);
        zip.U32(crc);
        zip.U32(size);
        zip.U32(size);
        zip.U16(static_cast<std::uint32_t>(e.name.size()));
        zip.U16(0);
        zip.Raw(e.name);
        zip.Raw(e.data);

        central.U32(0x02014B50);
        central.U16((std::uint32_t(e.host) << 8) | 20);
        central.U16(20);
        central.U16(flags);
        central.U16(0);
        central.U16(kDosTime);
        central.U16(kDosDate);
        central.U32(crc);
        central.U32(size);
        central.U32(size);
        central.U16(static_cast<std::uint32_t>(e.name.size()));
        central.U16(0);
        central.U16(0);
        central.U16(0);
        central.U16(0);
        const std::uint32_t unixMode = e.folder ? 0040755 : 0100644;
        central.U32(e.host == THost::Unix ? (unixMode << 16) | (e.folder ? 0x10 : 0)
                                          : (e.folder ? 0x10 : 0x20));
        central.U32(offset);
        central.Raw(e.name);
    }
    const std::uint32_t centralOffset = zip.Size();
    zip.Raw(central.Bytes());
    zip.U32(0x06054B50);
    zip.U16(0);
    zip.U16(0);
    zip.U16(static_cast<std::uint32_t>(entries.size()));
    zip.U16(static_cast<std::uint32_t>(entries.size()));
    zip.U32(central.Size());
    zip.U32(centralOffset);
    zip.U16(0);
    return zip.Bytes();
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

} // namespace archive::test

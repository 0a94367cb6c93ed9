#pragma once
// Writes small zip archives byte for byte, so tests control what the packers of
// real packages do: names without the UTF-8 flag in any code page, names that
// try to leave the target folder, folder entries, wrong checksums.

#include <cstdint>
#include <string>
#include <vector>

namespace archive::test {

enum class THost : std::uint8_t { Fat = 0, Unix = 3 };

struct TZipEntry {
    std::string name; // raw name bytes as stored
    std::string data; // stored uncompressed
    bool utf8Flag = false;
    bool folder = false;
    THost host = THost::Unix;
    std::int64_t crcDelta = 0; // added to the true CRC to damage the entry
};

std::string BuildZip(const std::vector<TZipEntry>& entries);
void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);

} // namespace archive::test

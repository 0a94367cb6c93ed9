#include "skin/SkinRead.h"

#include "framework/StringUtils.h"
#include "platform/kernel/CodePage.h"
#include "skin/SkinMessageBox.h"
#include "skin/WinConvert.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <string_view>

namespace skin {

namespace {

// Reads the unpacked container front to back; every read names what it reads
// and refuses to run past the end.
class ContainerReader {
public:
    explicit ContainerReader(std::span<const std::uint8_t> bytes) : FBytes(bytes) {}

    std::span<const std::uint8_t> Take(std::int64_t count, const char* what) {
        if (count < 0 || count > static_cast<std::int64_t>(FBytes.size() - FAt))
            throw ESkinFileError(std::string("Skin file is damaged: ") + what +
                                 " runs past the end of the data");
        const auto taken = FBytes.subspan(FAt, static_cast<std::size_t>(count));
        FAt += static_cast<std::size_t>(count);
        return taken;
    }

    std::int32_t Int32(const char* what) {
        const auto b = Take(4, what);
        return static_cast<std::int32_t>(std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 |
                                         std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24);
    }

    std::span<const std::uint8_t> Rest() { return FBytes.subspan(FAt); }

private:
    std::span<const std::uint8_t> FBytes;
    std::size_t FAt = 0;
};

TSkinHeader ReadHeader(ContainerReader& reader) {
    const char* const what = "the 16-byte head";
    TSkinHeader header;
    header.Version = reader.Int32(what);
    header.DirLen = reader.Int32(what);
    header.U1 = reader.Int32(what);
    header.U2 = reader.Int32(what);
    return header;
}

std::span<const std::uint8_t> BytesOf(fw::TMemoryStream& stream) {
    return {static_cast<const std::uint8_t*>(stream.Memory()),
            static_cast<std::size_t>(stream.Size())};
}

// The compressed block's declared length is checked before anything is unpacked,
// so a small file cannot make the reader take gigabytes. A block too short to
// declare one is left to the codec to report.
void CheckDeclaredSize(fw::TMemoryStream& block) {
    if (block.Size() < 4)
        return;
    ContainerReader reader(BytesOf(block));
    const std::int32_t declared = reader.Int32("the unpacked length");
    if (declared > kMaxUnpackedSkinSize)
        throw ESkinFileError("Skin file is damaged: it declares " + std::to_string(declared) +
                             " unpacked bytes, more than the 64 MiB a skin may have");
}

std::string_view AsText(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

} // namespace

int SkinPaddingLength(std::int32_t version) {
    switch (version) {
    case 20000:
        return 0;
    case 30000:
        return 256;
    case 40000:
        return 80;
    case 50000:
        return 48;
    case 60000:
        return 117;
    case 70000:
        return 69;
    default:
        return -1;
    }
}

void TSkinReader::Decompress(fw::TStream& source, fw::TStream& Dest) {
    skin::Decompress(source, Dest);
}

bool TSkinReader::Loadfromstream(fw::TMemoryStream& r2) {
    CheckDeclaredSize(r2);
    auto unpacked = std::make_unique<fw::TMemoryStream>();
    Decompress(r2, *unpacked);
    ContainerReader reader(BytesOf(*unpacked));

    FHeader = ReadHeader(reader);
    const int padding = SkinPaddingLength(FHeader.Version);
    if (padding < 0) {
        SkinMessageBox("This is Older Skin File\rPlease update to new version !");
        return false;
    }
    reader.Take(padding, "the padding after the head");

    fw::TStringList names;
    names.SetText(
        fw::LowerCase(win::AnsiToUtf8(AsText(reader.Take(FHeader.DirLen, "the directory")))));
    if (names.Count() > kMaxSkinEntries)
        throw ESkinFileError("Skin file is damaged: the directory holds more than 1001 names");
    std::array<std::int32_t, kMaxSkinEntries> sizes{};
    for (int i = 0; i < names.Count(); ++i)
        sizes[static_cast<std::size_t>(i)] = reader.Int32("the size table");

    // Taken over only once the whole container has checked out.
    FDir.Assign(names);
    FNum = names.Count();
    FSizes = sizes;
    // The data area moves to the front of the unpacked bytes, which become the
    // reader's: no second copy, and nothing of an earlier skin left to reach.
    const auto data = reader.Rest();
    std::memmove(unpacked->Memory(), data.data(), data.size());
    unpacked->SetSize(static_cast<std::int64_t>(data.size()));
    unpacked->SetPosition(0);
    FMs = std::move(unpacked);
    return true;
}

// The first entry the test accepts, and its offset in the data area.
template <class Matches> int TSkinReader::FindEntry(Matches matches, std::int64_t& offset) const {
    offset = 0;
    for (int i = 0; i < FNum; ++i) {
        if (matches(FDir.Strings(i)))
            return i;
        offset += FSizes[static_cast<std::size_t>(i)];
    }
    return -1;
}

// Sizes are not checked against the data: an entry delivers what of it lies
// inside the data area.
void TSkinReader::CopyEntry(int index, std::int64_t offset, fw::TMemoryStream& m) {
    const std::int64_t size = FSizes[static_cast<std::size_t>(index)];
    const std::int64_t first = std::clamp<std::int64_t>(offset, 0, FMs->Size());
    const std::int64_t last = std::clamp<std::int64_t>(offset + size, first, FMs->Size());
    const auto* data = static_cast<const char*>(FMs->Memory());
    m.WriteBuffer(data + first, last - first);
    m.SetPosition(0);
}

void TSkinReader::readfile(const std::string& aname, fw::TMemoryStream& m) {
    m.Clear();
    const std::string name = fw::LowerCase(aname);
    std::int64_t offset = 0;
    const int index =
        FindEntry([&name](const std::string& entry) { return entry == name; }, offset);
    if (index >= 0)
        CopyEntry(index, offset, m);
}

void TSkinReader::readIni(const std::string& aname, fw::TMemoryStream& m, std::string& fname) {
    m.Clear();
    std::int64_t offset = 0;
    const int index = FindEntry(
        [&aname](const std::string& entry) { return entry.find(aname) != std::string::npos; },
        offset);
    if (index >= 0) {
        CopyEntry(index, offset, m);
        fname = FDir.Strings(index);
    }
}

} // namespace skin

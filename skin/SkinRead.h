#pragma once
// TSkinReader: unpacks a skin file (one compressed block holding a container of
// named entries: the skin's INI text and its bitmaps) into memory and hands out
// single entries by name, without regard to case.
//
// Container layout, all integers 32-bit little-endian: the 16-byte head
// (Version, DirLen, two unused), padding whose length depends on the version,
// the directory (DirLen bytes of ANSI names, one a line), one size per name, then
// the entries' bytes back to back in directory order.

#include "framework/Exception.h"
#include "framework/MemoryStream.h"
#include "framework/StringList.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace skin {

// A skin container whose structure runs past its own bytes.
class ESkinFileError : public fw::Exception {
public:
    using fw::Exception::Exception;
};

struct TSkinHeader {
    std::int32_t Version = 0;
    std::int32_t DirLen = 0;
    std::int32_t U1 = 0;
    std::int32_t U2 = 0;
};

constexpr int kMaxSkinEntries = 1001;
// The most a skin may unpack to; real skins are well under 1 MiB.
constexpr std::int32_t kMaxUnpackedSkinSize = 64 << 20;

class TSkinReader : public fw::TObject {
public:
    // Unpacks the compressed block at the start of source into Dest.
    void Decompress(fw::TStream& source, fw::TStream& Dest);

    // False, after the "This is Older Skin File" message box, for an unknown
    // container version. A damaged block or container raises ElzhException or
    // ESkinFileError and leaves the directory and data of the last skin; so does
    // a block declaring more than kMaxUnpackedSkinSize bytes, before any work.
    // The reader then holds the unpacked bytes, no other copy of them.
    bool Loadfromstream(fw::TMemoryStream& r2);

    // Copies the first entry named aname into m (empty when there is none).
    void readfile(const std::string& aname, fw::TMemoryStream& m);
    // Copies the first entry whose name contains aname into m; fname receives
    // that entry's name.
    void readIni(const std::string& aname, fw::TMemoryStream& m, std::string& fname);

    const TSkinHeader& header() const { return FHeader; }
    const fw::TStringList& Dir() const { return FDir; }
    std::int32_t Num() const { return FNum; }
    std::int32_t sizes(int index) const { return FSizes.at(static_cast<std::size_t>(index)); }
    // The data area of the last skin loaded.
    fw::TMemoryStream& ms() { return *FMs; }

private:
    template <class Matches> int FindEntry(Matches matches, std::int64_t& offset) const;
    void CopyEntry(int index, std::int64_t offset, fw::TMemoryStream& m);

    fw::TStringList FDir; // lower-cased names in directory order
    std::int32_t FNum = 0;
    std::array<std::int32_t, kMaxSkinEntries> FSizes{};
    std::unique_ptr<fw::TMemoryStream> FMs = std::make_unique<fw::TMemoryStream>();
    TSkinHeader FHeader;
};

// The padding after the head by container version; -1 for a version not known.
int SkinPaddingLength(std::int32_t version);

} // namespace skin

#pragma once
// A stream over a file it opens and closes itself.
//
// Mode = one access mode (or fmCreate) | one share mode. POSIX has no share modes
// that other processes must respect, so the share flags are accepted and kept
// (ShareMode) but grant nothing and deny nothing.

#include "framework/HandleStream.h"
#include "framework/Types.h"

#include <string>

namespace fw {

constexpr Word fmOpenRead = 0x0000;
constexpr Word fmOpenWrite = 0x0001;
constexpr Word fmOpenReadWrite = 0x0002;
constexpr Word fmShareCompat = 0x0000;
constexpr Word fmShareExclusive = 0x0010;
constexpr Word fmShareDenyWrite = 0x0020;
constexpr Word fmShareDenyRead = 0x0030;
constexpr Word fmShareDenyNone = 0x0040;
// Create the file (emptying an existing one) and open it for reading and writing.
constexpr Word fmCreate = 0xFF00;

class TFileStream : public THandleStream {
    FW_CLASS(TFileStream, THandleStream)

    // Raises EFOpenError "Cannot open file "%s". %s" or, with fmCreate,
    // EFCreateError "Cannot create file "%s". %s": the full path, then the
    // system message text of the failure.
    TFileStream(const std::string& fileName, Word mode);
    ~TFileStream() override;

    const std::string& FileName() const { return FFileName; }
    Word ShareMode() const { return FShareMode; }

private:
    std::string FFileName;
    Word FShareMode;
};

} // namespace fw

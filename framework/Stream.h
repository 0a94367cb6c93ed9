#pragma once
// The framework's byte stream: a readable, writable, seekable sequence of bytes
// with a size and a position. Seeking past the end is allowed (a later write
// fills the gap with zeros); a seek before the start fails with -1 and leaves the
// position where it was.

#include "framework/Object.h"

#include <cstdint>

namespace fw {

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
    FW_CLASS(TStream, TObject)

    // Transfer up to count bytes and return how many moved; 0 at the end.
    virtual std::int64_t Read(void* buffer, std::int64_t count) = 0;
    virtual std::int64_t Write(const void* buffer, std::int64_t count) = 0;
    // The new position, or -1 when the stream cannot move there.
    virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;

    std::int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
    void SetPosition(std::int64_t position) { Seek(position, TSeekOrigin::soBeginning); }
    virtual std::int64_t Size();
    // Streams that cannot change their size ignore it, as the framework's base does.
    virtual void SetSize(std::int64_t newSize);

    // Exactly count bytes or EReadError "Stream read error" / EWriteError "Stream write error".
    void ReadBuffer(void* buffer, std::int64_t count);
    void WriteBuffer(const void* buffer, std::int64_t count);

    // Copies count bytes from source's position; count 0 copies the whole source
    // from its start; a negative count copies nothing. Returns the bytes copied; a
    // short source raises EReadError.
    std::int64_t CopyFrom(TStream& source, std::int64_t count);
};

} // namespace fw

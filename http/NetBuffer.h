#pragma once
// The receive buffer: bytes taken in from the socket and not yet consumed. Taking
// bytes out from the head notifies OnBytesRemoved (the reader counts them as work);
// clearing the whole buffer does not.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

class TNetBuffer {
public:
    using TBytesRemovedEvent = std::function<void(std::int64_t count)>;

    std::size_t Size() const { return FTail - FHead; }
    bool IsEmpty() const { return Size() == 0; }

    // The buffered bytes, valid until the buffer changes.
    std::span<const std::uint8_t> Bytes() const;

    // Room for up to count new bytes at the tail; Commit says how many were filled.
    std::span<std::uint8_t> Reserve(std::size_t count);
    void Commit(std::size_t filled);
    void Append(std::span<const std::uint8_t> bytes);

    // Takes count bytes (at most Size()) from the head.
    void Remove(std::size_t count);
    std::string ExtractString(std::size_t count);
    void Clear();

    // Offset of the first byte equal to value at or after start.
    std::optional<std::size_t> IndexOf(std::uint8_t value, std::size_t start) const;

    void SetOnBytesRemoved(TBytesRemovedEvent handler) { FOnBytesRemoved = std::move(handler); }

private:
    // Storage is left uninitialised: every byte is written before it is read, and
    // zero-filling each receive would cost as much as the copy itself.
    std::unique_ptr<std::uint8_t[]> FStorage; // [FHead, FTail) holds the buffered bytes
    std::size_t FCapacity = 0;
    std::size_t FHead = 0;
    std::size_t FTail = 0;
    std::size_t FReserved = 0; // bytes after FTail handed out by Reserve, not committed
    TBytesRemovedEvent FOnBytesRemoved;
};

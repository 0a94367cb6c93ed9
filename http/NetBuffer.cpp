#include "http/NetBuffer.h"

#include <algorithm>
#include <cstring>

std::span<const std::uint8_t> TNetBuffer::Bytes() const {
    return {FStorage.get() + FHead, Size()};
}

// Makes room at the tail: the live bytes move to the front when that frees
// enough, otherwise the storage grows by half again (at least to what is needed).
std::span<std::uint8_t> TNetBuffer::Reserve(std::size_t count) {
    FReserved = 0;
    if (FCapacity - FTail < count) {
        std::size_t live = Size();
        if (FCapacity - live >= count && FHead >= live) {
            std::memmove(FStorage.get(), FStorage.get() + FHead, live);
        } else {
            std::size_t capacity = std::max(live + count, FCapacity + FCapacity / 2);
            auto grown = std::make_unique_for_overwrite<std::uint8_t[]>(capacity);
            if (live > 0) {
                std::memcpy(grown.get(), FStorage.get() + FHead, live);
            }
            FStorage = std::move(grown);
            FCapacity = capacity;
        }
        FHead = 0;
        FTail = live;
    }
    FReserved = count;
    return {FStorage.get() + FTail, count};
}

void TNetBuffer::Commit(std::size_t filled) {
    FTail += std::min(filled, FReserved);
    FReserved = 0;
}

void TNetBuffer::Append(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) {
        return;
    }
    std::span<std::uint8_t> room = Reserve(bytes.size());
    std::memcpy(room.data(), bytes.data(), bytes.size());
    Commit(bytes.size());
}

void TNetBuffer::Remove(std::size_t count) {
    count = std::min(count, Size());
    if (count == 0) {
        return;
    }
    FHead += count;
    if (FHead == FTail) {
        FHead = FTail = 0;
    }
    if (FOnBytesRemoved) {
        FOnBytesRemoved(static_cast<std::int64_t>(count));
    }
}

std::string TNetBuffer::ExtractString(std::size_t count) {
    count = std::min(count, Size());
    std::string text(reinterpret_cast<const char*>(FStorage.get() + FHead), count);
    Remove(count);
    return text;
}

void TNetBuffer::Clear() {
    FHead = FTail = 0;
    FReserved = 0;
}

std::optional<std::size_t> TNetBuffer::IndexOf(std::uint8_t value, std::size_t start) const {
    std::span<const std::uint8_t> bytes = Bytes();
    if (start >= bytes.size()) {
        return std::nullopt;
    }
    const void* found = std::memchr(bytes.data() + start, value, bytes.size() - start);
    if (found == nullptr) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(static_cast<const std::uint8_t*>(found) - bytes.data());
}

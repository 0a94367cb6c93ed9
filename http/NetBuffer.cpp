#include "http/NetBuffer.h"

#include <algorithm>
#include <cstring>

std::span<const std::uint8_t> TNetBuffer::Bytes() const {
    return std::span<const std::uint8_t>(FStorage).subspan(FHead, Size() - FReserved);
}

std::span<std::uint8_t> TNetBuffer::Reserve(std::size_t count) {
    Commit(0);
    Compact();
    std::size_t old = FStorage.size();
    FStorage.resize(old + count);
    FReserved = count;
    return std::span<std::uint8_t>(FStorage).subspan(old, count);
}

void TNetBuffer::Commit(std::size_t filled) {
    filled = std::min(filled, FReserved);
    FStorage.resize(FStorage.size() - (FReserved - filled));
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
    if (FHead == FStorage.size()) {
        FStorage.clear();
        FHead = 0;
    }
    if (FOnBytesRemoved) {
        FOnBytesRemoved(static_cast<std::int64_t>(count));
    }
}

std::string TNetBuffer::ExtractString(std::size_t count) {
    count = std::min(count, Size());
    std::string text(reinterpret_cast<const char*>(FStorage.data() + FHead), count);
    Remove(count);
    return text;
}

void TNetBuffer::Clear() {
    FStorage.clear();
    FHead = 0;
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

// Moves the live bytes to the front once the consumed head outweighs them, so the
// storage never grows past about twice what is buffered.
void TNetBuffer::Compact() {
    if (FHead == 0 || FHead < Size()) {
        return;
    }
    std::memmove(FStorage.data(), FStorage.data() + FHead, Size());
    FStorage.resize(Size());
    FHead = 0;
}

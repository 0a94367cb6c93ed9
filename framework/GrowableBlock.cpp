#include "framework/GrowableBlock.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sys/mman.h>
#include <utility>

namespace fw {

namespace {

constexpr std::size_t kHugePage = std::size_t(2) << 20;

std::size_t RoundUp(std::size_t value, std::size_t step) {
    return (value + step - 1) / step * step;
}

} // namespace

TGrowableBlock::TGrowableBlock(TGrowableBlock&& other) noexcept
    : FLimit(other.FLimit), FData(std::exchange(other.FData, nullptr)),
      FCapacity(std::exchange(other.FCapacity, 0)), FReserved(std::exchange(other.FReserved, 0)) {}

TGrowableBlock& TGrowableBlock::operator=(TGrowableBlock&& other) noexcept {
    if (this != &other) {
        Release();
        FLimit = other.FLimit;
        FData = std::exchange(other.FData, nullptr);
        FCapacity = std::exchange(other.FCapacity, 0);
        FReserved = std::exchange(other.FReserved, 0);
    }
    return *this;
}

TGrowableBlock::~TGrowableBlock() {
    Release();
}

void TGrowableBlock::Release() noexcept {
    if (Mapped())
        munmap(FData, FReserved);
    else
        std::free(FData);
    FData = nullptr;
    FCapacity = 0;
    FReserved = 0;
}

bool TGrowableBlock::Grow(std::size_t capacity) {
    capacity = std::min(capacity, FLimit);
    if (capacity <= FCapacity)
        return true;
    if (Mapped())
        return GrowMapped(capacity);
    if (capacity >= kMappedFrom && ReserveRange())
        return GrowMapped(capacity);
    // Without address space to reserve (a tight address-space limit), the heap
    // still serves, copying as it grows.
    return GrowOnHeap(capacity);
}

bool TGrowableBlock::GrowOnHeap(std::size_t capacity) {
    const std::size_t grown = std::min(std::max(capacity, FCapacity + FCapacity / 2 + 64), FLimit);
    auto* data = static_cast<char*>(std::realloc(FData, grown));
    if (data == nullptr)
        return false;
    std::memset(data + FCapacity, 0, grown - FCapacity);
    FData = data;
    FCapacity = grown;
    return true;
}

// Reserves the range for the limit, aligned to a huge page, and moves the heap
// block's bytes into its start.
bool TGrowableBlock::ReserveRange() {
    const std::size_t reserved = RoundUp(FLimit, kHugePage);
    const std::size_t span = reserved + kHugePage;
    void* start =
        mmap(nullptr, span, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (start == MAP_FAILED)
        return false;
    auto* raw = static_cast<char*>(start);
    auto* aligned =
        reinterpret_cast<char*>(RoundUp(reinterpret_cast<std::uintptr_t>(raw), kHugePage));
    if (aligned > raw)
        munmap(raw, std::size_t(aligned - raw));
    if (raw + span > aligned + reserved)
        munmap(aligned + reserved, std::size_t(raw + span - (aligned + reserved)));
    madvise(aligned, reserved, MADV_HUGEPAGE);
    const std::size_t usable = RoundUp(std::max(FCapacity, std::size_t(1)), kHugePage);
    if (mprotect(aligned, usable, PROT_READ | PROT_WRITE) != 0) {
        munmap(aligned, reserved);
        return false;
    }
    if (FCapacity > 0)
        std::memcpy(aligned, FData, FCapacity);
    std::free(FData);
    FData = aligned;
    FCapacity = usable;
    FReserved = reserved;
    return true;
}

bool TGrowableBlock::GrowMapped(std::size_t capacity) {
    const std::size_t usable = std::min(RoundUp(capacity, kHugePage), FReserved);
    if (mprotect(FData + FCapacity, usable - FCapacity, PROT_READ | PROT_WRITE) != 0)
        return false;
    FCapacity = usable;
    return true;
}

} // namespace fw

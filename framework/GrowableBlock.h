#pragma once
// The memory under a growing memory stream: a zero-filled block that grows
// without ever holding two copies of its bytes. Small blocks live on the heap
// and are copied when they grow (cheaply: they are small). A block that grows
// past kMappedFrom moves, once, into a range of address space reserved for the
// stream's largest size; from then on growing only makes more of that range
// usable, so the bytes never move, and the range asks for huge pages, so
// filling it takes few page faults.

#include <cstddef>

namespace fw {

class TGrowableBlock {
public:
    // Blocks at least this large are reserved address space.
    static constexpr std::size_t kMappedFrom = std::size_t(1) << 20;

    // limit: the largest capacity the block will ever be asked for.
    explicit TGrowableBlock(std::size_t limit) : FLimit(limit) {}
    TGrowableBlock(TGrowableBlock&& other) noexcept;
    TGrowableBlock& operator=(TGrowableBlock&& other) noexcept;
    TGrowableBlock(const TGrowableBlock&) = delete;
    TGrowableBlock& operator=(const TGrowableBlock&) = delete;
    ~TGrowableBlock();

    char* Data() const { return FData; }
    // Bytes usable from Data(); bytes never written since they became usable are zero.
    std::size_t Capacity() const { return FCapacity; }

    // Makes at least capacity bytes usable (at most the limit), keeping the
    // contents; false when the system has no memory for it, the block unchanged.
    bool Grow(std::size_t capacity);
    // Gives all the memory back; the block is empty.
    void Release() noexcept;

private:
    bool Mapped() const { return FReserved != 0; }
    bool GrowOnHeap(std::size_t capacity);
    bool GrowMapped(std::size_t capacity);
    bool ReserveRange();

    std::size_t FLimit;
    char* FData = nullptr;
    std::size_t FCapacity = 0;
    std::size_t FReserved = 0; // bytes of address space reserved; 0 on the heap
};

} // namespace fw

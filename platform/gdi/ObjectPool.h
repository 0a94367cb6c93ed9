#pragma once
// A few deleted drawing objects kept for reuse, so that the regions and DCs a
// repaint creates and deletes again come back without a heap allocation.

#include <cstddef>
#include <memory>
#include <vector>

namespace win {

template <class T> class ObjectPool {
public:
    explicit ObjectPool(std::size_t capacity) : capacity_(capacity) { free_.reserve(capacity); }

    // A pooled object, or null when none waits.
    std::unique_ptr<T> Take() {
        if (free_.empty())
            return nullptr;
        std::unique_ptr<T> object = std::move(free_.back());
        free_.pop_back();
        return object;
    }
    // Keeps the object unless the pool is full (then it is freed).
    void Give(std::unique_ptr<T> object) {
        if (free_.size() < capacity_)
            free_.push_back(std::move(object));
    }

private:
    std::size_t capacity_;
    std::vector<std::unique_ptr<T>> free_;
};

} // namespace win

#pragma once
// An owning reference to an interface object of the library's object model: one
// AddRef when a reference is taken, one Release when it is dropped, so no pair can
// be forgotten on any path, exceptions included.

#include "archive/SevenZipTypes.h"

#include <utility>

namespace archive {

template <class I> class TComPtr {
public:
    TComPtr() = default;
    // Takes a new reference to object.
    SEVENZIP_CALLS_LIBRARY_OBJECTS explicit TComPtr(I* object) : FObject(object) {
        if (FObject != nullptr)
            FObject->AddRef();
    }
    TComPtr(const TComPtr& other) : TComPtr(other.FObject) {}
    TComPtr(TComPtr&& other) noexcept : FObject(std::exchange(other.FObject, nullptr)) {}
    ~TComPtr() { Reset(); }

    TComPtr& operator=(TComPtr other) noexcept {
        std::swap(FObject, other.FObject);
        return *this;
    }

    // Adopts a reference the caller already owns (an out argument filled by the
    // library, or a pointer returned by Detach).
    static TComPtr Adopt(I* object) {
        TComPtr result;
        result.FObject = object;
        return result;
    }

    SEVENZIP_CALLS_LIBRARY_OBJECTS void Reset() {
        if (I* object = std::exchange(FObject, nullptr))
            object->Release();
    }
    // Hands the reference over to the caller, e.g. into an out argument.
    [[nodiscard]] I* Detach() { return std::exchange(FObject, nullptr); }
    // Drops the current reference and gives the slot for an out argument to fill.
    I** Receive() {
        Reset();
        return &FObject;
    }
    void** ReceiveVoid() { return reinterpret_cast<void**>(Receive()); }

    I* Get() const { return FObject; }
    I* operator->() const { return FObject; }
    I& operator*() const { return *FObject; }
    explicit operator bool() const { return FObject != nullptr; }

private:
    I* FObject = nullptr;
};

} // namespace archive

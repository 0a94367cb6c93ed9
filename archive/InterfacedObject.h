#pragma once
// The base of the binding's reference-counted objects, and the interface lookup
// its classes answer QueryInterface with.
//
// A class that implements interfaces derives from TInterfacedObject and from the
// interfaces, and overrides QueryInterface/AddRef/Release once: AddRef and
// Release forward to AddRefObject/ReleaseObject, QueryInterface to
// QueryInterfaceOf<Self, Interfaces...>. Counting starts at 0; the first
// reference is the creator's TComPtr, and the last Release destroys the object.

#include "archive/SevenZipInterfaces.h"

#include <atomic>
#include <type_traits>

namespace archive {

class TInterfacedObject {
public:
    TInterfacedObject() = default;
    TInterfacedObject(const TInterfacedObject&) = delete;
    TInterfacedObject& operator=(const TInterfacedObject&) = delete;
    virtual ~TInterfacedObject() = default;

    ULONG RefCount() const { return FRefCount.load(); }

protected:
    ULONG AddRefObject() { return ++FRefCount; }
    ULONG ReleaseObject() {
        const ULONG count = --FRefCount;
        if (count == 0)
            delete this;
        return count;
    }

private:
    std::atomic<ULONG> FRefCount{0};
};

namespace detail {

template <class Self, class I> bool MatchInterface(Self* self, const TGUID& iid, void** out) {
    if (iid == I::IID) {
        *out = static_cast<I*>(self);
        return true;
    }
    // An interface also answers for the interface it derives from.
    if constexpr (std::is_base_of_v<IProgress, I> && !std::is_same_v<IProgress, I>)
        return MatchInterface<Self, IProgress>(self, iid, out);
    if constexpr (std::is_base_of_v<ISequentialInStream, I> &&
                  !std::is_same_v<ISequentialInStream, I>)
        return MatchInterface<Self, ISequentialInStream>(self, iid, out);
    if constexpr (std::is_base_of_v<ISequentialOutStream, I> &&
                  !std::is_same_v<ISequentialOutStream, I>)
        return MatchInterface<Self, ISequentialOutStream>(self, iid, out);
    return false;
}

} // namespace detail

// Looks iid up among Interfaces (and their base interfaces); IUnknown is answered
// with the first interface, so every query for IUnknown gives the same pointer.
// Adds a reference to the object found.
template <class Self, class First, class... Rest>
HRESULT QueryInterfaceOf(Self* self, const TGUID& iid, void** out) {
    if (out == nullptr)
        return win::E_POINTER;
    *out = nullptr;
    if (iid == IID_IUnknown) {
        *out = static_cast<IUnknown*>(static_cast<First*>(self));
    } else if (!(detail::MatchInterface<Self, First>(self, iid, out) ||
                 (detail::MatchInterface<Self, Rest>(self, iid, out) || ...))) {
        return win::E_NOINTERFACE;
    }
    self->AddRef();
    return win::S_OK;
}

} // namespace archive
